#include "job/job_figures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace zrv {
namespace {

JobTime jobTime(const ProgramState& state, const Choices& choices) {
    return jobFigures(state, choices, kCLocale, Planning::Plan).planned.value();
}

struct DurationCase {
    const char* name;
    double seconds;
    const char* text;
};

TEST(JobTime, MinutesAndWholeSeconds) {
    const std::vector<DurationCase> cases = {
        {"nothing", 0, "0 min 0 s"},
        {"rounds up into the next minute", 59.6, "1 min 0 s"},
        {"drilling of the example board", 211.2, "3 min 31 s"},
        {"milling of the example board", 1802.4, "30 min 2 s"},
        {"beyond any integer type", 6e22, "1000000000000000000000 min 0 s"},
        {"unknown", std::nan(""), "?"},
    };
    for (const DurationCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(durationText(c.seconds), c.text);
    }
    EXPECT_EQ(jobTimeLine({211.2, 1802.4, 2013.4}),
              "Laufzeit (Planer): Bohrungen 3 min 31 s, Fräsungen 30 min 2 s, gesamt 33 min 33 s");
}

TEST(JobTime, MinutesAndSecondsOfARunningJob) {
    const std::vector<DurationCase> cases = {
        {"nothing", 0, "0:00"},
        {"seconds below ten keep their zero", 9.4, "0:09"},
        {"rounds up into the next minute", 59.6, "1:00"},
        {"two minutes thirteen", 133, "2:13"},
        {"a planner's rounding below zero", -0.4, "0:00"},
        {"beyond any machine", 1e300, "?"},
        {"endless", INFINITY, "?"},
        {"unknown", std::nan(""), "?"},
    };
    for (const DurationCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(minutesText(c.seconds), c.text);
    }
}

// One hole at X10 and one path X0 -> X30 with the factory parameters, on a machine whose rates
// and accelerations are so high that every move takes its length over its feed.
// Drilling (set-up counted with it): Z1 at 500, Z0 at 100, Z2.5 at 1000, Z0.1 at 100, Z-0.1 at
// 10, Z2.5 at 1000, X10 at 500, Z0.1 at 100, Z-1.5 at 10, Z2.5 at 1000, the lift to the safe
// height 2.5 (no move), X0 at 500, Z0 at 100: 0.12 + 0.6 + 0.15 + 1.44 + 1.2 + 0.156 + 1.2 + 1.44
// + 9.6 + 0.24 + 1.2 + 1.5 = 18.846 s. Milling (end counted with it): Z2.5, Z0.1 at 100, Z-0.1 at
// 10, Z2.5 at 100, Z0.1 at 100, Z-0.1 at 10, X30 at 10, Z2.5 at 100, the lift (no move), X0 at
// 500, Z0 at 100: 1.5 + 1.44 + 1.2 + 1.56 + 1.44 + 1.2 + 180 + 1.56 + 3.6 + 1.5 = 195 s.
TEST(JobTime, PlansTheWrittenProgramOnTheChosenMachine) {
    ProgramState state;
    state.store.PUNKTE = {" X=0010.000 Y=0000.000"};
    state.store.FRAESUNGEN = {" X=00.000 Y=00.000 X=30.000 Y=00.000"};
    Choices choices = factoryChoices(kCLocale);
    choices.machine =
        "$110=1000000\r\n$111=1000000\r\n$112=1000000\r\n"
        "$120=1000000\r\n$121=1000000\r\n$122=1000000\r\n";
    const JobTime fast = jobTime(state, choices);
    EXPECT_NEAR(fast.drilling, 18.846, 0.01);
    EXPECT_NEAR(fast.milling, 195, 0.01);
    EXPECT_NEAR(fast.total, 18.846 + 195, 0.01);

    choices.machine.clear();
    EXPECT_GT(jobTime(state, choices).total, fast.total);

    // A safe height beyond any machine: the refused section and the total have no time.
    choices.parameters.Combo_FRAESUNG_HOEHE = "1" + std::string(200, '0');
    const JobTime refused = jobTime(state, choices);
    EXPECT_TRUE(std::isnan(refused.milling) && std::isnan(refused.total));
    EXPECT_NEAR(refused.drilling, jobTime(state, factoryChoices(kCLocale)).drilling, 1e-9);
}

}  // namespace
}  // namespace zrv
