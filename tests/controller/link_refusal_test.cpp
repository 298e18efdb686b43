#include <gtest/gtest.h>

#include "controller/link_texts.h"
#include "link_programs.h"
#include "support/link_harness.h"

namespace zrv::test {
namespace {

// Everything the controller makes refuse before the first byte of a program (the program's own
// faults are the reader's: StreamProgram): it must answer as GRBL 1.1 and be idle.
struct RefusalCase {
    const char* name;
    FakeGrbl::Options controller;
    std::string refusal;             // exactly
    bool stopBeforeWelcome = false;  // the user stops while the controller boots
    std::string asked = "";          // the lines the link sent: at most who is there
};

std::vector<RefusalCase> refusalCases() {
    return {
        {"no answer within 5 s", fakeWith([](FakeGrbl::Options& o) { o.silent = true; }),
         std::string(kNoAnswer), false, "$I\n"},
        {"not GRBL 1.1", fakeWith([](FakeGrbl::Options& o) { o.version = "0.9j"; }),
         std::string(kNotGrbl11) + "„Grbl 0.9j ['$' for help]“"},
        {"alarm", fakeWith([](FakeGrbl::Options& o) { o.state = "Alarm"; }),
         std::string(kAlarmState)},
        {"door", fakeWith([](FakeGrbl::Options& o) { o.state = "Door:0"; }),
         std::string(kDoorState)},
        {"stop before the welcome", {}, "Abbruch mit Strg+C", true},
    };
}

TEST(LinkRefusal, RefusedBeforeTheFirstByteOfTheProgram) {
    for (const RefusalCase& c : refusalCases()) {
        SCOPED_TRACE(c.name);
        LinkRun run(c.controller);
        if (c.stopBeforeWelcome) {
            run.step();
            run.link.stop("Abbruch mit Strg+C", run.now);
            run.deliver();
        }
        const std::size_t ready = run.runUntil(LinkEventKind::Ready, std::chrono::seconds(10));
        if (ready != kNone) {
            run.link.start(streamProgram("G21\r\nG1 X1 F100\r\n"), run.now);
        }
        const std::size_t refused = run.runUntil(LinkEventKind::Refused, std::chrono::seconds(10));
        ASSERT_NE(refused, kNone);
        EXPECT_EQ(run.events[refused].text, c.refusal);
        std::string lines;
        for (const Outgoing& out : run.sent) {
            lines += out.line;  // empty for a real-time byte
        }
        EXPECT_EQ(lines, c.asked);
        EXPECT_EQ(run.find(LinkEventKind::Started), nullptr);
    }
}

}  // namespace
}  // namespace zrv::test
