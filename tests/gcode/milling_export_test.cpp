#include "gcode/milling_export.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

namespace zrv {
namespace {

TEST(MillingExport, OneLineOfTabbedPairsPerPathInTheLocalesSigns) {
    const std::vector<std::string> paths{
        " X=05.250 Y=-03.000 X=10.000 Y=00.000 X=123.456 Y=7.000 X=0.000 Y=0.000 X=-0.500 "
        "Y=99.999",
        "", " X=1.000 Y=2.000"};
    const struct {
        const char* name;
        NumberLocale locale;
        std::vector<std::string> lines;
    } cases[] = {
        {"German",
         kGermanLocale,
         {"05,250\t-03,000\t10,000\t00,000\t123,456\t07,000\t00,000\t00,000\t-00,500\t99,999\t", "",
          "01,000\t02,000\t"}},
        {"C",
         kCLocale,
         {"05.250\t-03.000\t10.000\t00.000\t123.456\t07.000\t00.000\t00.000\t-00.500\t99.999\t", "",
          "01.000\t02.000\t"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(millingExportLines(paths, c.locale), c.lines);
    }
}

TEST(MillingExport, NoPathsNoLines) {
    EXPECT_TRUE(millingExportLines({}, kCLocale).empty());
}

// A chained path far beyond 32765 characters is exported whole.
TEST(MillingExport, LongChainedPathIsExportedWhole) {
    std::string entry;
    const int pairs = 5000;
    for (int k = 0; k < pairs; ++k) {
        char pair[48];
        std::snprintf(pair, sizeof pair, " X=%.3f Y=%.3f", k % 100 + 0.25, k / 100 + 0.5);
        entry += pair;
    }
    ASSERT_GT(entry.size(), 65536u);
    const std::vector<std::string> lines = millingExportLines(std::vector{entry}, kCLocale);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(std::count(lines[0].begin(), lines[0].end(), '\t'), 2 * pairs);
    EXPECT_TRUE(lines[0].ends_with("\t99.250\t49.500\t"));
}

}  // namespace
}  // namespace zrv
