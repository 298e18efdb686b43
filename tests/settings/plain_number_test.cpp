#include "settings/plain_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "text/number_scan.h"

namespace zrv {
namespace {

// Written without exponent, every text reads back as its number.
TEST(PlainNumber, NeverAnExponentAndReadsBackTheSame) {
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        const char* name;
        double value;
        const char* german;
        const char* c;
    } cases[] = {
        {"ordinary", 2.5, "2,5", "2.5"},
        {"negative", -1.5, "-1,5", "-1.5"},
        {"whole", 1000, "1000", "1000"},
        {"tiny", 0.00001, "0,00001", "0.00001"},
        {"tiny negative with digits", -0.000012345, "-0,000012345", "-0.000012345"},
        {"huge", 1e20, "100000000000000000000", "100000000000000000000"},
        {"huge with digits", -1.5e15, "-1500000000000000", "-1500000000000000"},
        {"zero", 0, "0", "0"},
        {"infinite", inf, "0", "0"},
        {"not a number", std::numeric_limits<double>::quiet_NaN(), "0", "0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(plainNumberText(c.value, kGermanLocale), c.german);
        EXPECT_EQ(plainNumberText(c.value, kCLocale), c.c);
        if (std::isfinite(c.value)) {
            EXPECT_EQ(numberFromText(c.german), c.value);
        }
    }
}

TEST(PlainNumber, ParameterNumberOfAnOverlongTextIsZero) {
    EXPECT_EQ(parameterNumber(std::string(400, '9')), 0);
    EXPECT_EQ(parameterNumber("12,5 mm"), 12.5);
}

}  // namespace
}  // namespace zrv
