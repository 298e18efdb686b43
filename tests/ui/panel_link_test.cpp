#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controller/stream_program.h"
#include "planner/machine_profile.h"
#include "support/fake_grbl.h"
#include "ui/machine/panel_link.h"

namespace zrv::test {
namespace {

// The panel's link and the fake controller in simulated time, 5 ms a step.
struct Bench {
    explicit Bench(FakeGrbl::Options options = {}) : fake(std::move(options)) {}

    void step() {
        now += 5;
        const FakeGrbl::Time at{now};
        fake.advance(at);
        link.receive(fake.takeOutput(), double(now) / 1000);
        fake.receive(link.take(double(now) / 1000), at);
        for (panel::PanelEvent& event : link.events()) {
            events.push_back(std::move(event));
        }
    }
    bool runUntil(panel::PanelEvent::Kind kind, int steps = 200000) {
        for (int i = 0; i < steps; ++i) {
            step();
            for (const panel::PanelEvent& event : events) {
                if (event.kind == kind) {
                    return true;
                }
            }
        }
        return false;
    }
    void start(const std::string& program) {
        runUntil(panel::PanelEvent::Kind::Welcome);
        for (int i = 0; i < 50; ++i) {
            step();  // the first status reports
        }
        events.clear();
        const PreparedProgram prepared = prepareProgram(program, MachineProfile{});
        ASSERT_TRUE(prepared.refusals.empty()) << prepared.refusals.front();
        link.startJob(panel::jobLines(prepared.program));
    }

    long now = 0;
    FakeGrbl fake;
    panel::PanelLink link;
    std::vector<panel::PanelEvent> events;
};

TEST(PanelLinkTest, ALongProgramArrivesWholeWithTheBufferNeverOver127Bytes) {
    std::string program = "G21\nG90\n";
    std::vector<std::string> expected = {"G21", "G90"};
    for (int i = 0; i < 3000; ++i) {
        const std::string line =
            "G1X" + std::to_string(i % 97) + ".5Y" + std::to_string(i % 13) + "F1000";
        program += line + " (kurz)\n";
        expected.push_back(line);
    }
    FakeGrbl::Options options;
    options.moveTime = FakeGrbl::Time{1};
    Bench bench(options);
    bench.start(program);
    ASSERT_TRUE(bench.runUntil(panel::PanelEvent::Kind::Finished));
    EXPECT_EQ(bench.fake.lines, expected);
    EXPECT_LE(bench.fake.mostBuffered, 127U);
    EXPECT_EQ(bench.fake.lost, 0U);
    EXPECT_EQ(bench.link.answered(), expected.size());
}

// A hold of the user just before the M0, then a resume: the tool change is asked once, and
// nothing past the M0 goes out before it is answered.
TEST(PanelLinkTest, AHoldBeforeTheToolChangeDoesNotSkipIt) {
    Bench bench;
    bench.start("G1X1F500\nG1X2\n(Werkzeug einspannen)\nM0\nG1X3\nM30\n");
    for (int i = 0; i < 4; ++i) {
        bench.step();
    }
    bench.link.hold();
    for (int i = 0; i < 100; ++i) {
        bench.step();
    }
    bench.link.cycleStart();
    ASSERT_TRUE(bench.runUntil(panel::PanelEvent::Kind::Pause, 2000));
    EXPECT_EQ(bench.events.back().text, "Werkzeug einspannen");
    EXPECT_EQ(bench.fake.lines, (std::vector<std::string>{"G1X1F500", "G1X2", "M0"}));
    bench.link.resume({"G10 L20 P1 Z0"});
    ASSERT_TRUE(bench.runUntil(panel::PanelEvent::Kind::Finished, 4000));
    EXPECT_EQ(bench.fake.lines,
              (std::vector<std::string>{"G1X1F500", "G1X2", "M0", "G10 L20 P1 Z0", "G1X3", "M30"}));
    int pauses = 0;
    for (const panel::PanelEvent& event : bench.events) {
        pauses += event.kind == panel::PanelEvent::Kind::Pause ? 1 : 0;
    }
    EXPECT_EQ(pauses, 1);
}

// Noise from the wire (broken lines, numbers that are none, endless text) while a job runs: the
// link neither crashes nor keeps it all, and the job still ends.
TEST(PanelLinkTest, NoiseFromTheWireEndsTheJobWithoutACrash) {
    const std::string noise[] = {"<|MPos:x,y|WCO:>\r\n",
                                 "error:\r\n",
                                 "ALARM:\r\n",
                                 "[PRB:1,2\r\n",
                                 "<Run|WPos:1e999,2,3>\n",
                                 std::string(100000, 'A'),
                                 "ok\r\nok\r\nok\r\n",
                                 "Grbl\r\n",
                                 std::string("\0\xff<\n", 4)};
    for (const std::string& bytes : noise) {
        SCOPED_TRACE(bytes.substr(0, 20));
        Bench bench;
        bench.start("G1X1F500\nG1X2\nG1X3\nM30\n");
        bench.link.receive(bytes, 1);
        for (int i = 0; i < 4000 && bench.link.jobRunning(); ++i) {
            bench.step();
        }
        EXPECT_FALSE(bench.link.jobRunning());
    }
}

}  // namespace
}  // namespace zrv::test
