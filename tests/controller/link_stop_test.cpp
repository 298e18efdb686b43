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
    std::string reason;          // the Stopped event's text
    std::size_t resets;          // 0x18 sent; when any: "!" first and the machine standing between
    std::string afterStop = {};  // what the wire delivers right after the user's stop
};

std::vector<StopCase> stopCases() {
    const std::string text = "Zeile 41: error:20 – nicht unterstützter Befehl";
    const std::string welcome = "Grbl 1.1h ['$' for help]";
    return {
        // The 39th line sent is file line 41: a comment and a blank line follow the first move.
        {"error at a line", fakeWith([](FakeGrbl::Options& o) { o.errorAt[39] = 20; }), 0, false,
         text, 1},
        {"alarm", fakeWith([](FakeGrbl::Options& o) { o.alarmAt[30] = 2; }), 0, false,
         "ALARM:2 – Ziel außerhalb des Verfahrwegs (Software-Endschalter), Position erhalten "
         "(zuletzt bestätigt: Zeile 32)",
         1},
        {"board reset itself", fakeWith([](FakeGrbl::Options& o) { o.rebootAt = 25; }), 0, false,
         std::string(kRestarted), 0},
        {"welcome after a glitch byte",
         fakeWith([&](FakeGrbl::Options& o) { o.replyAt[25] = "\xFF" + welcome; }), 0, false,
         std::string(kRestarted), 0},
        {"port vanished", {}, 30, true, std::string(kPortLost), 0},
        {"user stop (Ctrl+C)", {}, 30, false, "Abbruch mit Strg+C", 1},
        {"damaged error", fakeWith([](FakeGrbl::Options& o) { o.replyAt[39] = "erro\xF2:20"; }), 0,
         false, "Antwort der Steuerung unlesbar: „erro_:20“ – Job abgebrochen", 1},
        // 403 lines: G21, G90, 400 moves, M30; the error comes after the last answer.
        {"error with no line open",
         fakeWith([](FakeGrbl::Options& o) { o.replyAt[403] = "ok\r\nerror:2"; }), 0, false,
         "error:2 – Zahl fehlt oder ist ungültig ohne offene Zeile – Job abgebrochen", 1},
        {"reset never confirmed", fakeWith([](FakeGrbl::Options& o) {
             o.errorAt[39] = 20;
             o.ignoresReset = true;
         }),
         0, false, text + ". Reset nicht bestätigt – Not-Aus betätigen", 2},
        // Reports asked before the hold, standing between two blocks: the machine still moves.
        {"stale reports right after the hold",
         {},
         30,
         false,
         "Abbruch mit Strg+C",
         1,
         "<Idle|MPos:0.000,0.000,0.000|FS:0,0>\r\n<Idle|MPos:0.000,0.000,0.000|FS:0,0>\r\n"},
        // Bytes without a line end are not kept without end: noise, a damaged answer.
        {"noise without a line end",
         fakeWith([](FakeGrbl::Options& o) { o.replyAt[25] = std::string(5000, 'A'); }), 0, false,
         std::string(kUnreadable) + "„" + std::string(1024, 'A') + "“" +
             std::string(kUnreadableEnd),
         1},
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
            if (!c.afterStop.empty()) {
                run.link.received(c.afterStop, run.now);
                run.deliver();
            }
        }
        const std::size_t stopped = run.runUntil(LinkEventKind::Stopped);
        ASSERT_NE(stopped, kNone);
        EXPECT_EQ(run.events[stopped].text, c.reason);
        // Nothing after the stop began: no line reached the controller after its reset, and
        // the link sent no line after the event that stopped it.
        const LinkEvent* cause =
            run.find(c.options.errorAt.empty() ? LinkEventKind::Alarm : LinkEventKind::Error);
        ASSERT_EQ(cause != nullptr, !c.options.errorAt.empty() || !c.options.alarmAt.empty());
        if (cause != nullptr) {
            const auto at = static_cast<std::size_t>(cause - run.events.data());
            EXPECT_EQ(run.linesAtEvent[at], run.linesSent);
            EXPECT_EQ(cause->text, c.reason.substr(0, cause->text.size()));
            if (!c.options.errorAt.empty()) {  // counted with the comment and the blank line
                EXPECT_EQ(cause->fileLine, 41U);
                EXPECT_EQ(run.link.errors(), 1U);
            }
        }
        EXPECT_EQ(run.fake.linesAfterReset, 0U);
        run.steps(400);
        EXPECT_EQ(run.linesAtEvent[stopped], run.linesSent);
        EXPECT_EQ(run.find(LinkEventKind::Finished), nullptr);
        const std::size_t hold = run.fake.realtime.find('!');
        const std::size_t reset = run.fake.realtime.find('\x18');
        if (c.resets > 0) {
            ASSERT_NE(hold, std::string::npos);
            ASSERT_NE(reset, std::string::npos);
            EXPECT_LT(hold, reset);
            EXPECT_FALSE(run.fake.resetWhileMoving);  // so the work position is kept
            EXPECT_EQ(run.fake.resets, c.resets);
        } else {
            EXPECT_EQ(reset, std::string::npos);
        }
    }
}

}  // namespace
}  // namespace zrv::test
