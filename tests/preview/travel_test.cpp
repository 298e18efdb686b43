#include "preview/travel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace zrv {
namespace {

struct TravelCase {
    const char* name;
    std::vector<std::string> texts;
    double sum;
};

TEST(FahrwegBohrungen, SumsTheWaysBetweenHoles) {
    const std::vector<TravelCase> cases = {
        {"three holes, no way from zero",
         {" X=0010.000 Y=0010.000", " X=0020.000 Y=0010.000", " X=0020.000 Y=0030.000"},
         30},
        {"no hole", {}, 0},
        {"a single hole", {" X=0050.000 Y=0050.000"}, 0},
        {"diagonal", {" X=0000.000 Y=0000.000", " X=0003.000 Y=0004.000"}, 5},
        {"negative values", {" X=-0003.000 Y=0000.000", " X=0003.000 Y=-0008.000"}, 10},
    };
    for (const TravelCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_DOUBLE_EQ(FAHRWEG_BOHRUNGEN(c.texts), c.sum);
    }
}

TEST(FahrwegFraesungen, SumsPathsAndJumps) {
    const std::vector<TravelCase> cases = {
        {"two paths and the jump between them",
         {" X=00.000 Y=00.000 X=10.000 Y=00.000", " X=10.000 Y=05.000 X=10.000 Y=15.000"},
         25},
        {"no path", {}, 0},
        {"a single path", {" X=05.000 Y=05.000 X=08.000 Y=09.000 X=08.000 Y=19.000"}, 15},
        {"a single point path", {" X=05.000 Y=05.000"}, 0},
        {"closed square", {" X=0 Y=0 X=2 Y=0 X=2 Y=2 X=0 Y=2 X=0 Y=0"}, 8},
        {"jump from the last point of the previous path",
         {" X=0 Y=0 X=0 Y=3", " X=4 Y=3 X=4 Y=3"},
         7},
        {"store texts: 2√2, jumps of √34 there and back, √130",
         {" X=00.000 Y=00.000 X=01.000 Y=01.000 X=02.000 Y=00.000", " X=05.000 Y=05.000",
          " X=02.000 Y=00.000 X=09.000 Y=09.000"},
         2 * std::sqrt(2) + 2 * std::sqrt(34) + std::sqrt(130)},
        // "X5 Y7" reads (0, 0): its numbers stand one character after the letter, not two.
        // " X=1 Y=" reads (1, 0); the empty ones have no pair. 5, then 10, 1 and 1.
        {"empty and unreadable paths between",
         {"", " X=03.000 Y=04.000 X=06.000 Y=08.000", "X5 Y7", " X=1 Y=", "", " X=00.000 Y=00.000"},
         17},
        {"numbers of another width", {" X=5 Y=5 X=1 Y=1"}, 4 * std::sqrt(2)},
    };
    for (const TravelCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_DOUBLE_EQ(FAHRWEG_FRAESUNGEN(c.texts), c.sum);
    }
}

// A chained path may hold far more than the preview's 1001 points; it counts whole.
TEST(FahrwegFraesungen, LongPathCountsWhole) {
    std::string path;
    for (int k = 0; k <= 2000; ++k) {
        path += " X=" + std::to_string(k) + ".000 Y=00.000";
    }
    EXPECT_DOUBLE_EQ(FAHRWEG_FRAESUNGEN(std::vector<std::string>{path}), 2000);
}

}  // namespace
}  // namespace zrv
