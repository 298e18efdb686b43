#include "planner/program_time.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "planner/motion_plan.h"

namespace zrv {
namespace {

// Worked on paper with the factory machine (X Y 1000 mm/min, Z 600 mm/min, 30 mm/s² each,
// junction deviation 0.01 mm). A block cruising at v with acceleration a needs v²/2a to reach
// v from rest; a trapezoid takes the two ramps v/a each plus the rest of the length at v, a
// triangle peaks at sqrt(a L) and takes 2 sqrt(a L)/a.
//
// 10 mm at F1000 from rest: v = 16.667 mm/s, ramps 2 x 277.78/60 = 9.259 mm < 10 mm, so a
// trapezoid: 2 x 16.667/30 + 0.741/16.667 = 1.11111 + 0.04444 = 1.15556 s.
constexpr double kTenMm = 1.1555556;
// 5 mm at F1000: 9.259 mm of ramps do not fit, a triangle: 2 sqrt(150)/30 = 0.81650 s.
constexpr double kFiveMm = 0.8164966;
// G0 Z5: Z's 600 mm/min = 10 mm/s, ramps 2 x 100/60 = 3.333 mm, a trapezoid:
// 2 x 10/30 + 1.667/10 = 0.83333 s.
constexpr double kRapidZ = 0.8333333;
// G0 X10 Y10: along the diagonal each axis allows 1000/cos 45° mm/min and 30/cos 45° mm/s²,
// so v = 23.570 mm/s and a = 42.426 mm/s² over 14.142 mm: ramps 13.094 mm, a trapezoid:
// 2 x 23.570/42.426 + 1.048/23.570 = 1.11111 + 0.04444 = 1.15556 s, the X-alone time.
constexpr double kRapidDiagonal = 1.1555556;
// A right angle X then Y at F1000: the corner's acceleration points along (-1, 1)/sqrt 2, so
// a = 42.426 mm/s²; sin(θ/2) = sin 45° = 0.70711 and
// v² = a δ sin(θ/2) / (1 - sin(θ/2)) = 42.426 x 0.01 x 2.41421 = 1.02426 mm²/s².
constexpr double kRightAngleSquared = 1.0242641;
// Each leg of 10 mm then runs from 0 up to 16.667 and down to 1.01206 mm/s (or back):
// ramps (2 x 277.778 - 1.024)/60 = 9.24219 mm, time (33.3333 - 1.01206)/30 + 0.75781/16.6667
// = 1.077376 + 0.045469 = 1.122845 s per leg.
constexpr double kRightAngle = 2 * 1.1228445;

struct TimeCase {
    const char* name;
    std::vector<std::string> lines;
    double seconds;
};

TEST(ProgramTime, WorkedOnPaper) {
    const std::vector<TimeCase> cases = {
        {"10 mm from rest is a trapezoid", {"G1 F1000 X10"}, kTenMm},
        {"5 mm from rest is a triangle", {"G1 F1000 X5"}, kFiveMm},
        {"rapid Z limited by the Z axis", {"G0 Z5"}, kRapidZ},
        {"rapid diagonal limited per axis", {"G0 X10 Y10"}, kRapidDiagonal},
        {"straight continuation does not slow", {"G1 F1000 X5", "X10"}, kTenMm},
        {"reversal stops", {"G1 F1000 X10", "X0"}, 2 * kTenMm},
        {"right angle at the junction speed", {"G1 F1000 X10", "Y10"}, kRightAngle},
        {"M0 stands still between halves", {"G1 F1000 X5", "M0", "X10"}, 2 * kFiveMm},
        {"spindle change stands still", {"G1 F1000 X5", "M3 S1000", "X10"}, 2 * kFiveMm},
        {"G4 adds its dwell in seconds", {"G1 F1000 X5", "G4 P1.5", "X10"}, 2 * kFiveMm + 1.5},
        {"relative positions", {"G91", "G1 F1000 X5", "X5"}, kTenMm},
        {"inches", {"G20", "G1 F39.37007874 X0.393700787"}, kTenMm},
        {"modal feed, glued words", {"G01 F1000 Z0", "G01 F1000X10"}, kTenMm},
        {"feed above the axis rate is limited", {"G1 F5000 X10"}, kTenMm},
        {"comments, queries and settings are no moves",
         {"(G1 X99)", "$$ (view Grbl settings)", "? (current status)", "$X", "G1 F1000 X10 ;X0"},
         kTenMm},
        {"a move to where the machine is adds nothing", {"G1 F500 X0 Y0", "G1 F1000 X10"}, kTenMm},
        {"no feed, no time", {"G1 X10"}, 0},
        {"a line GRBL refuses moves nothing", {"G1 F1000 X10", "G1 X20 X30", "G0 X1e3"}, kTenMm},
    };
    const std::vector<std::string> noSections;
    for (const TimeCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_NEAR(programTime(c.lines, MachineProfile{}, noSections).total, c.seconds, 1e-6);
    }
}

TEST(ProgramTime, RightAngleJunctionFromTheFormula) {
    EXPECT_NEAR(junctionSpeedSquared({1, 0, 0}, {0, 1, 0}, MachineProfile{}), kRightAngleSquared,
                1e-6);
    EXPECT_EQ(junctionSpeedSquared({1, 0, 0}, {-1, 0, 0}, MachineProfile{}), 0);
    EXPECT_TRUE(std::isinf(junctionSpeedSquared({1, 0, 0}, {1, 0, 0}, MachineProfile{})));
}

TEST(ProgramTime, SectionsSplitAtTheirTitles) {
    const std::vector<std::string> starts = {"(A)", "(B)"};
    const std::vector<std::string> lines = {"G0 Z5", "(A)", "M0",           "G1 F1000 X5", "G4 P2",
                                            "(B)",   "M0",  "G1 F1000 X15", "M30"};
    const ProgramTime time = programTime(lines, MachineProfile{}, starts);
    ASSERT_EQ(time.sections.size(), 2U);
    // What runs before the first title counts with it.
    EXPECT_NEAR(time.sections[0], kRapidZ + kFiveMm + 2, 1e-6);
    EXPECT_NEAR(time.sections[1], kTenMm, 1e-6);
    EXPECT_NEAR(time.total, kRapidZ + kFiveMm + 2 + kTenMm, 1e-6);

    const std::vector<std::string> secondOnly = {"G0 Z5", "(B)", "M0", "G1 F1000 X10"};
    const ProgramTime onlyB = programTime(secondOnly, MachineProfile{}, starts);
    EXPECT_EQ(onlyB.sections[0], 0);
    EXPECT_NEAR(onlyB.sections[1], kRapidZ + kTenMm, 1e-6);
}

// Fed line by line, each line's time lands in its own section and the tool stands where the
// line sent it: relative moves add up, inches become millimetres, a refused line moves nothing.
TEST(ProgramTime, LinePlannerTimesAndPlacesEachLine) {
    struct LineCase {
        const char* line;
        Vector3 position;
        double seconds;
    };
    // G20's Y1 is 25.4 mm at Y's 1000 mm/min, a trapezoid: 2 x 16.667/30 + (25.4 - 9.259)/16.667
    // = 1.11111 + 0.96844 s.
    const std::vector<LineCase> cases = {
        {"G1 F1000 X10", {10, 0, 0}, kTenMm}, {"M0", {10, 0, 0}, 0},
        {"G91 G0 Z5", {10, 0, 5}, kRapidZ},   {"G4 P1.5", {10, 0, 5}, 1.5},
        {"G1 X1e3", {10, 0, 5}, 0},           {"G20 G90 G0 Y1", {10, 25.4, 5}, 2.0795556},
    };
    LinePlanner planner(MachineProfile{}, cases.size());
    GcodeWords words;
    for (std::size_t k = 0; k < cases.size(); ++k) {
        SCOPED_TRACE(cases[k].line);
        readGcodeWords(cases[k].line, words);
        planner.add(words, k);
        for (std::size_t axis = 0; axis < 3; ++axis) {
            EXPECT_NEAR(planner.position()[axis], cases[k].position[axis], 1e-9);
        }
    }
    const std::vector<double>& seconds = planner.finish();
    for (std::size_t k = 0; k < cases.size(); ++k) {
        SCOPED_TRACE(cases[k].line);
        EXPECT_NEAR(seconds[k], cases[k].seconds, 1e-6);
    }
}

// Absurd programs and profiles still give finite sums: a safe height of 10^200, moves across the
// range of doubles and, in inches, beyond it, a tiny feed, dwells of 10^307 s.
TEST(ProgramTime, FiniteForAnyProgramAndProfile) {
    // GRBL keeps 79 characters of a line: the largest numbers it reads.
    const std::string huge = "1" + std::string(75, '0');
    const std::string largest = "1" + std::string(76, '0');
    const std::vector<std::string> lines = {
        "G0 Z" + huge,          "G1 F0.000001", "X-" + huge,
        "X" + largest,          "G20",          "G91",
        "X" + largest,          "X" + largest,  "G4 P" + huge.substr(1),
        "G4 P" + huge.substr(1)};
    const MachineProfile extreme{{3e-308, 1e308, 1}, {3e-308, 1e308, 1}, 3e-308};
    for (const MachineProfile& profile : {MachineProfile{}, extreme}) {
        const ProgramTime time = programTime(lines, profile, {});
        EXPECT_TRUE(std::isfinite(time.total)) << time.total;
        EXPECT_GT(time.total, 1e9);
    }
}

}  // namespace
}  // namespace zrv
