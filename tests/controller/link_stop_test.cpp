#include <gtest/gtest.h>

#include "controller/link_texts.h"
#include "link_programs.h"
#include "support/link_harness.h"

namespace zrv::test {
namespace {

struct StopCase {
    const char* name;
    FakeGrbl::Options options;
    std::size_t stopAfterLines;  // 0: the controller stops it; else the user or the port
    bool portLost;
    std::string reason;  // the Stopped event's text
    bool holdAndReset;   // "!" and 0x18 went out, in that order, the machine standing between
};

std::vector<StopCase> stopCases() {
    const std::string text = "Zeile 41: error:20 – nicht unterstützter Befehl";
    return {
        // The 39th line sent is file line 41: a comment and a blank line follow the first move.
        {"error at a line", fakeWith([](FakeGrbl::Options& o) {
             o.errorAt = {{39, 20}};
         }),
         0, false, text, true},
        {"alarm", fakeWith([](FakeGrbl::Options& o) {
             o.alarmAt = {{30, 2}};
         }),
         0, false,
         "ALARM:2 – Ziel außerhalb des Verfahrwegs (Software-Endschalter), Position erhalten "
         "(zuletzt bestätigt: Zeile 32)",
         true},
        {"board reset itself", fakeWith([](FakeGrbl::Options& o) { o.rebootAt = 25; }), 0, false,
         std::string(kRestarted), false},
        {"port vanished", {}, 30, true, std::string(kPortLost), false},
        {"user stop (Ctrl+C)", {}, 30, false, "Abbruch mit Strg+C", true},
    };
}

TEST(LinkStop, StopsSafelyAndSendsNothingAfter) {
    for (StopCase& c : stopCases()) {
        SCOPED_TRACE(c.name);
        LinkRun run(c.options);
        ASSERT_NE(run.runUntil(LinkEventKind::Ready), kNone);
        run.link.start(streamProgram(manyMoves(400)), run.now);
        if (c.stopAfterLines > 0) {
            while (run.fake.lines.size() < c.stopAfterLines) {
                run.step();
            }
            if (c.portLost) {
                run.portGone = true;
                run.link.portLost(run.now);
            } else {
                run.link.stop(c.reason, run.now);
            }
            run.deliver();
        }
        const std::size_t stopped = run.runUntil(LinkEventKind::Stopped);
        ASSERT_NE(stopped, kNone);
        EXPECT_EQ(run.events[stopped].text, c.reason);
        // Nothing after the stop began: no line reached the controller after its reset, and
        // the link sent no line after the event that stopped it.
        const LinkEvent* cause =
            run.find(c.options.errorAt.empty() ? LinkEventKind::Alarm : LinkEventKind::Error);
        if (cause != nullptr) {
            const auto at = static_cast<std::size_t>(cause - run.events.data());
            EXPECT_EQ(run.linesAtEvent[at], run.linesSent);
            EXPECT_EQ(cause->text, c.reason.substr(0, cause->text.size()));
        }
        EXPECT_EQ(run.fake.linesAfterReset, 0U);
        for (int k = 0; k < 400; ++k) {
            run.step();
        }
        EXPECT_EQ(run.linesAtEvent[stopped], run.linesSent);
        EXPECT_EQ(run.find(LinkEventKind::Finished), nullptr);
        const std::size_t hold = run.fake.realtime.find('!');
        const std::size_t reset = run.fake.realtime.find('\x18');
        if (c.holdAndReset) {
            ASSERT_NE(hold, std::string::npos);
            ASSERT_NE(reset, std::string::npos);
            EXPECT_LT(hold, reset);
            EXPECT_FALSE(run.fake.resetWhileMoving);  // so the work position is kept
            EXPECT_EQ(run.fake.resets, 1U);
        } else {
            EXPECT_EQ(reset, std::string::npos);
        }
    }
}

TEST(LinkStop, ErrorNamesTheFileLineOfTheRefusedLine) {
    LinkRun run(fakeWith([](FakeGrbl::Options& o) { o.errorAt = {{3, 20}}; }));
    ASSERT_NE(run.runUntil(LinkEventKind::Ready), kNone);
    run.link.start(streamProgram("(Kopf)\r\nG21\r\n\r\nG90\r\n(x)\r\nG1 X1 F100\r\nG1 X2\r\n"),
                   run.now);
    const std::size_t error = run.runUntil(LinkEventKind::Error);
    ASSERT_NE(error, kNone);
    EXPECT_EQ(run.events[error].fileLine, 6U);
    EXPECT_EQ(run.events[error].text, "Zeile 6: error:20 – nicht unterstützter Befehl");
    ASSERT_NE(run.runUntil(LinkEventKind::Stopped), kNone);
    EXPECT_EQ(run.link.errors(), 1U);
}

}  // namespace
}  // namespace zrv::test
