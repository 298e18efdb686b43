#include <gtest/gtest.h>

#include "controller/link_texts.h"
#include "link_programs.h"
#include "support/link_harness.h"

namespace zrv::test {
namespace {

// Everything refused before the first byte of the program, as zrvcam-cli send meets it: the
// program is read and checked first, then the controller must answer as GRBL 1.1 and be idle.
struct RefusalCase {
    const char* name;
    FakeGrbl::Options controller;
    std::string program;
    std::string refusal;             // the first refusal, exactly
    bool stopBeforeWelcome = false;  // the user stops while the controller boots
};

const std::string kFine = "G21\r\nG1 X1 F100\r\n";

std::vector<RefusalCase> refusalCases() {
    return {
        {"no answer within 5 s", fakeWith([](FakeGrbl::Options& o) { o.silent = true; }), kFine,
         std::string(kNoAnswer)},
        {"not GRBL 1.1", fakeWith([](FakeGrbl::Options& o) { o.version = "0.9j"; }), kFine,
         std::string(kNotGrbl11) + "„Grbl 0.9j ['$' for help]“"},
        {"alarm", fakeWith([](FakeGrbl::Options& o) { o.state = "Alarm"; }), kFine,
         std::string(kAlarmState)},
        {"door", fakeWith([](FakeGrbl::Options& o) { o.state = "Door:0"; }), kFine,
         std::string(kDoorState)},
        {"line too long",
         {},
         "G1 X1 F100\r\nG1 X" + std::string(80, '1') + " (lang)\r\n",
         "Zeile 2: Die Zeile hat mehr als 79 Zeichen ohne Leerzeichen und Kommentare (error:11)"},
        {"block delete",
         {},
         "G21\r\n/G1 X1 F100\r\n",
         "Zeile 2: „/“ (Satz überspringen) kennt GRBL 1.1 nicht: die Zeile liefe trotzdem"},
        {"byte outside printable ASCII",
         {},
         "G1 X1 F100\r\nG1 X2\xE4 (Höhe \xE4 ok)\r\n",
         "Zeile 2: Byte 0xE4 außerhalb eines Kommentars"},
        {"control byte", {}, "G1 X1\x07 F100\r\n", "Zeile 1: Byte 0x07 außerhalb eines Kommentars"},
        {"M6",
         {},
         "G21\r\nT1 M6 (Werkzeug)\r\n",
         "Zeile 2: M6 – Werkzeugwechsel kennt GRBL 1.1 nicht (error:20 mitten im Job): M0 und neu "
         "antasten statt M6"},
        {"unknown G code",
         {},
         "G1 X1 F100\r\nG81 X1 Y1 Z-1 R1\r\n",
         "Zeile 2: G81 – G-Befehl, den GRBL 1.1 nicht kennt (error:20 mitten im Job)"},
        {"unknown $ command",
         {},
         "$I\r\n$Ig)\r\n",
         "Zeile 2: „$Ig)“ ist kein $-Befehl von GRBL 1.1 (error:3 mitten im Job)"},
        {"real-time command in a line",
         {},
         "G1 X1 F100 !\r\n",
         "Zeile 1: „?“, „!“ und „~“ sind Echtzeitbefehle der Steuerung und gehören in keine "
         "Zeile"},
        {"stop before the welcome", {}, kFine, "Abbruch mit Strg+C", true},
    };
}

TEST(LinkRefusal, RefusedBeforeTheFirstByteOfTheProgram) {
    for (const RefusalCase& c : refusalCases()) {
        SCOPED_TRACE(c.name);
        const PreparedProgram prepared = prepareProgram(c.program, readMachineProfile("").profile);
        if (!prepared.refusals.empty()) {
            EXPECT_EQ(prepared.refusals.front(), c.refusal);
            continue;
        }
        LinkRun run(c.controller);
        if (c.stopBeforeWelcome) {
            run.step();
            run.link.stop("Abbruch mit Strg+C", run.now);
            run.deliver();
        }
        const std::size_t ready = run.runUntil(LinkEventKind::Ready, std::chrono::seconds(10));
        if (ready != kNone) {
            run.link.start(prepared.program, run.now);
        }
        const std::size_t refused = run.runUntil(LinkEventKind::Refused, std::chrono::seconds(10));
        ASSERT_NE(refused, kNone);
        EXPECT_EQ(run.events[refused].text, c.refusal);
        for (const std::string& line : run.fake.lines) {
            EXPECT_TRUE(line.starts_with("$I")) << line;  // only the question who is there
        }
        EXPECT_EQ(run.find(LinkEventKind::Started), nullptr);
    }
}

}  // namespace
}  // namespace zrv::test
