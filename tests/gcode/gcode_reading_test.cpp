#include "gcode/gcode_reading.h"

#include <gtest/gtest.h>

namespace zrv::test {
namespace {

// The checks the program tests rely on must themselves catch broken programs.
TEST(GcodeReading, WordCheckRejectsWhatAControllerWould) {
    const struct {
        const char* name;
        std::vector<std::string> lines;
        std::size_t errors;
    } cases[] = {
        {"plain words and comments", {"G01 F500X10.00 Y-2.5 (Next)", "G01  F10 Z-0.1  (x) "}, 0},
        {"exponent", {"G01 Z-1E-05"}, 1},
        {"letter GRBL does not know", {"G01 X1 E2"}, 1},
        {"two points", {"G01 X1.2.3"}, 1},
        {"comment not closed", {"G01 X1 (offen"}, 1},
        {"nested comment", {"(a (b) c)"}, 1},
        {"word twice", {"G01 X1 X2"}, 1},
        {"lower-case letter", {"g01 X1"}, 1},
        {"empty line", {""}, 1},
        {"GRBL query without separator before", {"M5", "$I"}, 1},
        {"GRBL block after a separator", {"(=====)", "$I (info)", "? (status)"}, 0},
        {"second GRBL block", {"(=====)", "$I", "M5", "(=====)", "$X"}, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(checkWords(c.lines).errors.size(), c.errors);
    }
}

TEST(GcodeReading, MachineRunFindsCutsPlungesAndUnsafeMoves) {
    const MachineRun run = runProgram(
        std::vector<std::string>{"G1 F500 Z1", "G1 X0 Y0", "M3 S1000", "G01 F100 Z-1", "G01 X5 Y0",
                                 "G01 Z2", "M5", "G01 Z-0.5", "G01 F0 X1", "M30"});
    ASSERT_EQ(run.plunges.size(), 2u);
    EXPECT_EQ(run.plunges[0].z, -1);
    ASSERT_EQ(run.cuts.size(), 2u);
    EXPECT_EQ(run.cuts[0].toX, 5);
    EXPECT_EQ(run.lowestZ, -1);
    EXPECT_TRUE(run.ended);
    // The plunge with the spindle off, the move with feed 0, the cut with the spindle off.
    EXPECT_EQ(run.violations.size(), 3u);
    EXPECT_FALSE(runProgram(std::vector<std::string>{"G1 F100 X1 Y1"}).violations.empty());
}

}  // namespace
}  // namespace zrv::test
