#include <gtest/gtest.h>

#include <algorithm>

#include "controller/grbl_link.h"
#include "controller/link_texts.h"
#include "link_programs.h"
#include "support/link_harness.h"

namespace zrv::test {
namespace {

LinkRun connected(FakeGrbl::Options options = {}) {
    LinkRun run(std::move(options));
    EXPECT_GE(run.runUntil(LinkEventKind::Ready), 0);
    return run;
}

TEST(GrblLink, RealtimeBytesGoOutAsSingleBytesAndNeverInsideALine) {
    LinkRun run = connected();
    run.link.start(streamProgram("G1 X1 F100\r\n? (current status)\r\nG1 X2\r\n"), run.now);
    ASSERT_NE(run.runUntil(LinkEventKind::Started), kNone);
    EXPECT_EQ(run.link.command("G10 L20 P1 Z0", run.now), kJobRunning) << "not while it streams";
    run.link.override(Override::FeedPlus10);
    run.link.pause();
    run.link.resume(run.now);
    ASSERT_NE(run.runUntil(LinkEventKind::Finished), kNone);
    std::string bytes;
    for (const Outgoing& out : run.sent) {
        if (out.kind == Outgoing::Kind::Realtime) {
            bytes.push_back(static_cast<char>(out.byte));
        } else {
            SCOPED_TRACE(out.line);
            EXPECT_EQ(out.line.find_first_of("?!~\x18"), std::string::npos);
            EXPECT_TRUE(std::all_of(out.line.begin(), out.line.end(),
                                    [](char c) { return c == '\n' || (c >= 0x20 && c < 0x7F); }));
        }
    }
    EXPECT_EQ(run.fake.realtime, bytes);
    EXPECT_NE(bytes.find("\x91!~"), std::string::npos);
    EXPECT_EQ(run.fake.lines, (std::vector<std::string>{"G1X1F100", "G1X2"}));
    // The program's own "?" is shown with the report it brought.
    const auto reply = std::find_if(run.events.begin(), run.events.end(), [](const LinkEvent& e) {
        return e.kind == LinkEventKind::Reply && e.text.starts_with("<");
    });
    EXPECT_NE(reply, run.events.end());
}

// At the M0 the link pauses with the comments before it; the tool change then probes Z again at
// X0 Y0, its lines going after the M0's answer and before the rest, its probe a Probe event.
TEST(GrblLink, PausesAtM0ForTheToolChangeAndGoesOnAfterResume) {
    LinkRun run = connected();
    const StreamProgram program = streamProgram(
        "G1 X1 F100\r\n(=========)\r\n(========== Werkzeug einspannen und auf NULL setzen "
        "==========)\r\n( weiter mit Taste )\r\nM0\r\nM3 S1000\r\nG1 X2\r\n");
    run.link.start(program, run.now);
    const std::size_t paused = run.runUntil(LinkEventKind::Paused);
    ASSERT_NE(paused, kNone);
    EXPECT_EQ(run.events[paused].fileLine, 5U);
    EXPECT_EQ(
        run.events[paused].comments,
        (std::vector<std::string>{"Werkzeug einspannen und auf NULL setzen", "weiter mit Taste"}));
    const std::vector<std::string> toolChange{"G90 G0 X0 Y0", "G38.2 Z-2 F20", "G10 L20 P1 Z0",
                                              "G0 Z2"};
    for (const std::string& line : toolChange) {
        EXPECT_EQ(run.link.command(line, run.now), "");
    }
    // Nothing past the M0 before the "~", however long the tool change takes.
    run.steps(2000);
    EXPECT_EQ(run.fake.lines, (std::vector<std::string>{"G1X1F100", "M0"}));
    EXPECT_EQ(run.find(LinkEventKind::Finished), nullptr);
    run.link.resume(run.now);
    // A controller slow to take the "~" still reports the pause for a second: not asked again.
    for (int k = 0; k < 5; ++k) {
        run.now += LinkTime{200};
        run.link.received("<Hold:0|MPos:1.000,0.000,0.000|FS:0,0>\r\n", run.now);
    }
    ASSERT_NE(run.runUntil(LinkEventKind::Finished), kNone);
    std::vector<std::string> sent{"G1X1F100", "M0"};
    sent.insert(sent.end(), toolChange.begin(), toolChange.end());
    sent.insert(sent.end(), {"M3S1000", "G1X2"});
    EXPECT_EQ(run.fake.lines, sent);
    EXPECT_EQ(std::count_if(run.events.begin(), run.events.end(),
                            [](const LinkEvent& e) { return e.kind == LinkEventKind::Paused; }),
              1);
    const LinkEvent* probe = run.find(LinkEventKind::Probe);
    ASSERT_NE(probe, nullptr);
    EXPECT_DOUBLE_EQ(probe->probe.z, -0.25);
    EXPECT_EQ(run.link.linesDone(), 4U) << "the program's lines, not the tool change's";
}

// The M0's "ok" comes only with the "~" that ends the pause. A hold before the M0 is reached
// looks the same: it is asked as the pause, and the M0 then asked again. A resume of the user's
// own hold never passes the M0 unasked; one the controller drops while the hold still brakes goes
// again once held. The machine's own cycle start ends a pause as well.
TEST(GrblLink, PauseAtM0IsAskedUntilTheM0IsAnswered) {
    enum class Hold { MachineButton, UserBeforeM0, UserAtM0, UserWhileBraking };
    struct Case {
        const char* name;
        Hold hold;
        LinkTime moveTime;
        std::vector<std::size_t> pauses;  // the file line of each Paused
        std::string program = "G1 X1 F100\r\nG1 X2\r\nM0\r\nG1 X3\r\nM0\r\nG1 X4\r\n";
    };
    std::string moves = "G1 X1 F100\r\n";
    for (int k = 2; k < 30; ++k) {
        moves += "G1 X" + std::to_string(k) + "\r\n";
    }
    const std::vector<Case> cases{
        {"hold on the machine before the M0", Hold::MachineButton, LinkTime{300}, {3, 3, 5}},
        {"hold of the user before the M0", Hold::UserBeforeM0, LinkTime{300}, {3, 3, 5}},
        {"hold of the user at the M0", Hold::UserAtM0, LinkTime{0}, {3, 5}},
        {"resume while the hold brakes, the M0 sent behind unanswered lines",
         Hold::UserWhileBraking,
         LinkTime{300},
         {30},
         moves + "M0\r\nG1 X99\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LinkRun run = connected(fakeWith([&](FakeGrbl::Options& o) { o.moveTime = c.moveTime; }));
        const StreamProgram program = streamProgram(c.program);
        run.link.start(program, run.now);
        while (run.fake.lines.size() < 3) {
            run.step();
        }
        if (c.hold == Hold::MachineButton) {
            run.fake.receive("!", run.now);
        } else if (c.hold == Hold::UserWhileBraking) {
            run.step(LinkTime{50});
            run.link.pause();
            run.link.resume(run.now);
            run.deliver();
        } else {
            run.link.pause();
            run.steps(40);
            EXPECT_EQ(run.find(LinkEventKind::Paused), nullptr);
            run.link.resume(run.now);
        }
        std::vector<std::size_t> pauses;
        for (std::size_t k = 0, from = 0; k < c.pauses.size(); ++k) {
            if (k > 0) {
                run.link.resume(run.now);
            }
            from = run.runUntil(LinkEventKind::Paused, LinkTime{30000}, from);
            ASSERT_NE(from, kNone);
            pauses.push_back(run.events[from++].fileLine);
            if (pauses[k] == 3) {
                EXPECT_EQ(run.fake.lines, (std::vector<std::string>{"G1X1F100", "G1X2", "M0"}));
            }
        }
        EXPECT_EQ(pauses, c.pauses);
        if (c.hold == Hold::UserWhileBraking) {
            EXPECT_EQ(run.fake.lines.back(), "M0");
            EXPECT_GE(std::count(run.fake.realtime.begin(), run.fake.realtime.end(), '~'), 2);
        }
        run.fake.receive("~", run.now);  // the machine's cycle start button
        ASSERT_NE(run.runUntil(LinkEventKind::Finished), kNone);
        EXPECT_EQ(run.fake.lines, linesToSend(program));
        EXPECT_EQ(run.link.linesDone(), run.fake.lines.size());
    }
}

// Programs that run to the end: every line arrives once, in order, within the buffer, however
// long the program is and however its lines keep the controller busy.
TEST(GrblLink, ProgramsRunToTheEnd) {
    struct Case {
        const char* name;
        FakeGrbl::Options controller;
        std::string program;
        std::vector<std::string> sends = {};  // by hand; empty: the long program's to send
        std::size_t fedAbove = 0;             // the buffer's fullest at least
        const char* reply = "";               // a reply shown on the way
    };
    const std::vector<Case> cases{
        // Character counting keeps the buffer fed.
        {"a long program",
         fakeWith([](FakeGrbl::Options& o) { o.moveTime = LinkTime{2}; }),
         manyMoves(5000),
         {},
         100},
        // "$" lines with moves before them: a "$" line to a busy controller gets error:8.
        {"system lines go alone to an idle controller",
         {},
         "G1 X5 F100\r\nG1 X6\r\n$$ (view Grbl settings)\r\nG10 L20 P1 X0\r\nG1 X7\r\n$I\r\nG1 "
         "X8\r\n",
         {"G1X5F100", "G1X6", "$$", "G10L20P1X0", "G1X7", "$I", "G1X8"},
         0,
         "$110=1000.000"},
        // No status reports while homing: it is no silent controller.
        {"homing longer than the silence limit",
         fakeWith([](FakeGrbl::Options& o) { o.homeTime = std::chrono::seconds(40); }),
         "$H\r\nG1 X1 F100\r\n",
         {"$H", "G1X1F100"}},
        // No "?" while the EEPROM is written: the controller would lose or damage it.
        {"EEPROM writes",
         fakeWith([](FakeGrbl::Options& o) { o.eepromTime = LinkTime{700}; }),
         "G1 X1 F100\r\nG10 L20 P1 X0\r\n$110=800\r\nG28.1\r\nG1 X2\r\n",
         {"G1X1F100", "G10L20P1X0", "$110=800", "G28.1", "G1X2"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LinkRun run = connected(c.controller);
        const StreamProgram program = streamProgram(c.program);
        run.link.start(program, run.now);
        ASSERT_NE(run.runUntil(LinkEventKind::Finished), kNone);
        EXPECT_EQ(run.fake.lines, c.sends.empty() ? linesToSend(program) : c.sends);
        EXPECT_LE(run.fake.mostBuffered, 127U);
        EXPECT_GT(run.fake.mostBuffered, c.fedAbove);
        EXPECT_EQ(run.fake.lost + run.fake.lostWhileWriting, 0U);
        EXPECT_EQ(run.link.linesDone(), run.fake.lines.size());
        EXPECT_EQ(run.link.lastFileLine(), program.lines.size());
        EXPECT_EQ(run.link.errors() + run.link.alarms(), 0U);
        EXPECT_EQ(run.find(LinkEventKind::Stopped), nullptr);
        EXPECT_TRUE(*c.reply == 0 ||
                    std::any_of(run.events.begin(), run.events.end(), [&](const LinkEvent& e) {
                        return e.kind == LinkEventKind::Reply && e.text == c.reply;
                    }));
    }
}

TEST(GrblLink, ProbeReportsAndWorkPosition) {
    LinkRun run = connected();
    run.link.start(streamProgram("G1 X3 Y4 F100\r\nG38.2 Z-2 F20\r\nG0 Z2\r\n$#\r\n"), run.now);
    ASSERT_NE(run.runUntil(LinkEventKind::Finished), kNone);
    // The "$#" answer repeats the last probe: it is no new probe report.
    const auto probes = std::count_if(run.events.begin(), run.events.end(), [](const LinkEvent& e) {
        return e.kind == LinkEventKind::Probe;
    });
    EXPECT_EQ(probes, 1);
    const LinkEvent* probe = run.find(LinkEventKind::Probe);
    ASSERT_NE(probe, nullptr);
    EXPECT_DOUBLE_EQ(probe->probe.x, 3);
    EXPECT_DOUBLE_EQ(probe->probe.z, -0.25);
    // The fake reports MPos with a work offset of (1, 2, 0).
    ASSERT_TRUE(run.link.status().workPosition);
    EXPECT_NEAR((*run.link.status().workPosition)[0], 3, 1e-9);
    EXPECT_NEAR((*run.link.status().workPosition)[1], 4, 1e-9);
}

// The user's commands outside a program: each alone, in order, written as typed; an EEPROM
// write only once the machine stands idle (no "?" lost while it writes); an error answering
// one is said and drops what waited; an alarm locks everything but "$X", "$H" and "$$".
TEST(GrblLink, CommandsOutsideAProgram) {
    struct Case {
        const char* name;
        FakeGrbl::Options controller;
        std::vector<std::string> commands;
        std::vector<std::string> arrived;
        std::string reply;  // the Reply or Alarm event a command brought; empty: none
        bool alarmed;
    };
    const std::vector<Case> cases{
        {"jog, zero, a setting and homing",
         fakeWith([](FakeGrbl::Options& o) {
             o.eepromTime = LinkTime{700};
             o.homeTime = std::chrono::seconds(8);
         }),
         {"$J=G91 G21 X10 F500", " G10 L20 P1 X0 Y0 ", "$110=800", "$H", "$J=G91 G21 Z0.1 F200"},
         {"$J=G91 G21 X10 F500", "G10 L20 P1 X0 Y0", "$110=800", "$H", "$J=G91 G21 Z0.1 F200"},
         "",
         false},
        {"jog beyond the travel",
         fakeWith([](FakeGrbl::Options& o) { o.errorAt[1] = 15; }),
         {"$J=G91 G21 X-500 F500", "G10 L20 P1 X0 Y0"},
         {"$J=G91 G21 X-500 F500"},
         "„$J=G91 G21 X-500 F500“: error:15 – ",
         false},
        {"probe without contact",
         fakeWith([](FakeGrbl::Options& o) { o.alarmAt[1] = 5; }),
         {"G38.2 Z-2 F20", "G10 L20 P1 Z0"},
         {"G38.2 Z-2 F20"},
         "ALARM:5 – ",
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LinkRun run = connected(c.controller);
        run.steps(20);  // the first status reports
        const std::size_t from = run.events.size();
        for (const std::string& command : c.commands) {
            EXPECT_EQ(run.link.command(command, run.now), "");
        }
        run.steps(4000);
        EXPECT_EQ(run.fake.lines, c.arrived);
        EXPECT_EQ(run.fake.lostWhileWriting, 0U);
        const LinkEvent* said =
            run.find(c.alarmed ? LinkEventKind::Alarm : LinkEventKind::Reply, from);
        while (said != nullptr && !c.alarmed && !said->text.starts_with("„")) {
            said = run.find(LinkEventKind::Reply,
                            static_cast<std::size_t>(said - run.events.data()) + 1);
        }
        if (c.reply.empty()) {
            EXPECT_EQ(said, nullptr) << said->text;
        } else {
            ASSERT_NE(said, nullptr);
            EXPECT_TRUE(said->text.starts_with(c.reply)) << said->text;
        }
        EXPECT_EQ(run.link.alarmed(), c.alarmed);
        EXPECT_EQ(run.link.phase(), LinkPhase::Ready) << "no job to stop";
        if (c.alarmed) {
            EXPECT_EQ(run.link.command("$J=G91 G21 X1 F100", run.now), kAlarmState);
            EXPECT_EQ(run.link.command("$X", run.now), "");
            run.step();
            EXPECT_EQ(run.fake.lines.back(), "$X");
        }
    }
}

// A command is checked as a program's line would be; refused, nothing goes out. (One while a
// program streams is refused in the real-time bytes' run.)
TEST(GrblLink, CommandsAreCheckedBeforeTheFirstByte) {
    struct Case {
        const char* name;
        std::string line;
        std::string refusal;  // how the refusal begins
    };
    const std::string refused(kCommandRefused);
    const std::vector<Case> cases{
        {"rejected word", "M6 T2", refused + "„M6 T2“: M6"},
        {"too long", "G1 X" + std::string(90, '1'), refused},
        {"byte outside ASCII", "G1 X1\x01", refused},
        {"two lines", "G1 X1\nG1 X2", refused + "„G1 X1_G1 X2“: " + std::string(kNoSingleCommand)},
        {"a pause", "M0", refused + "„M0“: " + std::string(kNoSingleCommand)},
        {"the status query", "?", refused + "„_“: " + std::string(kNoSingleCommand)},
        {"blank", "  ", refused},
    };
    LinkRun run = connected();
    run.step();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string refusal = run.link.command(c.line, run.now);
        EXPECT_TRUE(refusal.starts_with(c.refusal)) << refusal;
    }
    run.steps(20);
    EXPECT_TRUE(run.fake.lines.empty());
}

TEST(GrblLink, WelcomeOrVersionAnswerMakesItReady) {
    // A board that does not reset when the port opens answers "$I".
    LinkRun run(fakeWith([](FakeGrbl::Options& o) { o.welcomeOnOpen = false; }));
    ASSERT_NE(run.runUntil(LinkEventKind::Ready), kNone);
    EXPECT_EQ(run.fake.lines, (std::vector<std::string>{"$I"}));
    const LinkEvent* ready = run.find(LinkEventKind::Ready);
    ASSERT_NE(ready, nullptr);
    EXPECT_TRUE(ready->text.starts_with("[VER:1.1"));
    // A cable pulled with no job running ends no job.
    run.link.portLost(run.now);
    run.deliver();
    const LinkEvent* lost = run.find(LinkEventKind::Refused);
    ASSERT_NE(lost, nullptr);
    EXPECT_EQ(lost->text, "Verbindung zur Steuerung verloren");
    EXPECT_EQ(run.link.phase(), LinkPhase::Closed);
}

}  // namespace
}  // namespace zrv::test
