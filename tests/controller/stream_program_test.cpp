#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "controller/stream_program.h"
#include "controller/system_commands.h"
#include "planner/machine_profile.h"

namespace zrv::test {
namespace {

TEST(StreamProgram, LinesAreSentWithoutCommentsAndBlanksAndKnowTheirKind) {
    const std::string text =
        "(Kopf \xE4)\r\nG01 F500X10.16 Y10.16 (Next)\r\n\r\n$I (view build info)\r\n"
        "? (current status)\r\nG10 L20 P1 X0 Y0 Z0\r\nG28.1\r\nM0\r\nG1 X1 ; Rest\r\n"
        "G0 X1 (a) (b)\r\n(offen\r\nG1 X2 (c);d\r\nM30 (Ende\r";
    const PreparedProgram prepared = prepareProgram(text, readMachineProfile("").profile);
    ASSERT_TRUE(prepared.refusals.empty());
    struct Expected {
        std::string send;
        LineKind kind;
        std::string comment;
    };
    const std::vector<Expected> expected{
        {"", LineKind::Nothing, "Kopf \xE4"},
        {"G01F500X10.16Y10.16", LineKind::Gcode, "Next"},
        {"", LineKind::Nothing, ""},
        {"$I", LineKind::System, "view build info"},
        {"?", LineKind::Realtime, "current status"},
        {"G10L20P1X0Y0Z0", LineKind::Eeprom, ""},
        {"G28.1", LineKind::Eeprom, ""},
        {"M0", LineKind::Pause, ""},
        {"G1X1", LineKind::Gcode, " Rest"},
        {"G0X1", LineKind::Gcode, "a b"},
        {"", LineKind::Nothing, "offen"},  // an open comment ends before the line end
        {"G1X2", LineKind::Gcode, "cd"},
        {"M30", LineKind::Gcode, "Ende"},
    };
    ASSERT_EQ(prepared.program.lines.size(), expected.size());
    for (std::size_t k = 0; k < expected.size(); ++k) {
        SCOPED_TRACE(k);
        const StreamLine& line = prepared.program.lines[k];
        EXPECT_EQ(line.fileLine, k + 1);
        EXPECT_EQ(line.send, expected[k].send);
        EXPECT_EQ(line.kind, expected[k].kind);
        EXPECT_EQ(line.comment, expected[k].comment);
    }
}

// Each line carries its own planned time and where it leaves the tool. The times are those
// worked on paper for the factory machine in ProgramTime.WorkedOnPaper.
TEST(StreamProgram, LinesCarryTheirTimeAndWhereTheyLeaveTheTool) {
    constexpr double kTenMm = 1.1555556;   // 10 mm at F1000 from rest to rest
    constexpr double kFiveMm = 0.8164966;  // 5 mm at F1000, a triangle
    constexpr double kRapidZ = 0.8333333;  // G0 Z5
    const PreparedProgram prepared =
        prepareProgram("G21\nG1 F1000 X10\nM0\nG91 G0 Z5\nG4 P1.5\nG90 G1 X5 (back)\n",
                       readMachineProfile("").profile);
    const std::vector<double> seconds{0, kTenMm, 0, kRapidZ, 1.5, kFiveMm};
    ASSERT_EQ(prepared.program.lines.size(), seconds.size());
    for (std::size_t k = 0; k < seconds.size(); ++k) {
        EXPECT_NEAR(prepared.program.lines[k].seconds, seconds[k], 1e-6) << k;
    }
    EXPECT_NEAR(prepared.program.seconds, kTenMm + kRapidZ + 1.5 + kFiveMm, 1e-6);
    const std::vector<Point> way{{0, 0}, {10, 0}, {10, 0}, {10, 0}, {10, 0}, {5, 0}};
    EXPECT_EQ(prepared.toolPath, way);
}

TEST(StreamProgram, SystemLinesOfGrbl11AreTakenOthersRefused) {
    const std::vector<std::pair<std::string, bool>> lines{
        {"$$", true},          {"$#", true},           {"$g", true},          {"$I", true},
        {"$X", true},          {"$H", true},           {"$SLP", true},        {"$RST=*", true},
        {"$110=1000.5", true}, {"$J=G91X1F100", true}, {"$N0=G21", true},     {"$I=Fr\xe4se", true},
        {"$Ig)", false},       {"$110=1e3", false},    {"$J=G91X1E3", false}, {"$RST=x", false},
        {"$HX", false},        {"$=5", false},         {"$N2=G21", false},    {"$I=a)", false},
    };
    for (const auto& [line, taken] : lines) {
        SCOPED_TRACE(line);
        EXPECT_EQ(systemCommandRefusal(line).empty(), taken);
    }
}

// What the reader refuses before anything is sent, named with its file line.
TEST(StreamProgram, RefusalsNameTheFileLine) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"G1 X1 F100\r\nG1 X" + std::string(80, '1') + " (lang)\r\n",
         "Zeile 2: Die Zeile hat mehr als 79 Zeichen ohne Leerzeichen und Kommentare (error:11)"},
        {"G21\r\n/G1 X1 F100\r\n",
         "Zeile 2: „/“ (Satz überspringen) kennt GRBL 1.1 nicht: die Zeile liefe trotzdem"},
        {"G1 X1 F100\r\nG1 X2\xE4 (Höhe \xE4 ok)\r\n",
         "Zeile 2: Byte 0xE4 außerhalb eines Kommentars"},
        {"G1 X1\x07 F100\r\n", "Zeile 1: Byte 0x07 außerhalb eines Kommentars"},
        {"G21\r\nT1 M6 (Werkzeug)\r\n",
         "Zeile 2: M6 – Werkzeugwechsel kennt GRBL 1.1 nicht (error:20 mitten im Job): M0 und neu "
         "antasten statt M6"},
        {"G1 X1 F100\r\nG81 X1 Y1 Z-1 R1\r\n",
         "Zeile 2: G81 – G-Befehl, den GRBL 1.1 nicht kennt (error:20 mitten im Job)"},
        {"$I\r\n$Ig)\r\n",
         "Zeile 2: „$Ig)“ ist kein $-Befehl von GRBL 1.1 (error:3 mitten im Job)"},
        {"G1 X1 F100 !\r\n",
         "Zeile 1: „?“, „!“ und „~“ sind Echtzeitbefehle der Steuerung und gehören in keine "
         "Zeile"},
    };
    for (const auto& [program, refusal] : cases) {
        SCOPED_TRACE(refusal);
        const PreparedProgram prepared = prepareProgram(program, readMachineProfile("").profile);
        ASSERT_FALSE(prepared.refusals.empty());
        EXPECT_EQ(prepared.refusals.front(), refusal);
    }
}

}  // namespace
}  // namespace zrv::test
