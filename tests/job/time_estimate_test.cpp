#include "job/time_estimate.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zrv {
namespace {

struct MillingTimeCase {
    const char* name;
    double travel;
    const char* feed;
    double minutes;
};

TEST(ZeitFraesungen, TravelOverFeed) {
    const std::vector<MillingTimeCase> cases = {
        {"worked example", 1234, "300", 1234.0 / 300},
        {"feed with unit", 1234, "300 mm/min", 1234.0 / 300},
        {"decimal comma", 30, "7,5", 4},
        {"empty feed counts as 0.1", 500, "", 5000},
        {"letters count as 0.1", 500, "abc", 5000},
        {"zero counts as 0.1", 500, "0", 5000},
        {"no travel", 0, "300", 0},
    };
    for (const MillingTimeCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_DOUBLE_EQ(ZEIT_FRAESUNGEN(c.travel, c.feed), c.minutes);
    }
    EXPECT_NEAR(ZEIT_FRAESUNGEN(1234, "300"), 4.11, 0.005);
}

struct DrillTimeCase {
    const char* name;
    std::size_t holes;
    const char* depth;
    const char* feed;
    double minutes;
};

TEST(ZeitBohrungen, PlungeDepthTimesHolesOverFeed) {
    const std::vector<DrillTimeCase> cases = {
        {"worked example", 10, "-1,5", "100", 0.15},
        {"zero plunge feed counts as 0.1", 10, "-1,5", "0", 150},
        {"positive depth counts the same", 10, "1.5", "100", 0.15},
        {"no holes", 0, "-1,5", "100", 0},
        {"empty depth", 10, "", "100", 0},
    };
    for (const DrillTimeCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_DOUBLE_EQ(ZEIT_BOHRUNGEN(c.holes, c.depth, c.feed), c.minutes);
    }
}

}  // namespace
}  // namespace zrv
