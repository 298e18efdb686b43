#include <gtest/gtest.h>

#include "gcode/format_length.h"

namespace zrv {
namespace {

struct LengthCase {
    const char* name;
    double millimetres;
    const char* german;
    const char* c;
};

const LengthCase kLengths[] = {
    {"MetresCutToWhole", 1234.5, "1m", "1m"},
    {"MetresGrouped", 1234567.0, "1.235m", "1,235m"},
    {"JustAboveThousandIsMetres", 1000.5, "1m", "1m"},
    {"ThousandBelongsToCentimetres", 1000, "100cm", "100cm"},
    {"Centimetres", 150, "15cm", "15cm"},
    {"JustAboveHundredIsCentimetres", 100.01, "10cm", "10cm"},
    {"HundredBelongsToMillimetres", 100, "100mm", "100mm"},
    {"WholeMillimetresRounded", 56.7, "57mm", "57mm"},
    {"MidpointAwayFromZero", 56.5, "57mm", "57mm"},
    {"JustAboveTenIsWhole", 10.4, "10mm", "10mm"},
    {"TenBelongsToDecimals", 10, "10,0mm", "10.0mm"},
    {"TwoDecimals", 5.25, "5,25mm", "5.25mm"},
    {"AtMostThreeDecimals", 1.23456, "1,235mm", "1.235mm"},
    {"Zero", 0, "0,0mm", "0.0mm"},
};

void PrintTo(const LengthCase& row, std::ostream* out) {
    *out << row.name;
}

class FormatLengthTest : public testing::TestWithParam<LengthCase> {};

TEST_P(FormatLengthTest, UnitAndDigitsFollowTheThresholds) {
    EXPECT_EQ(FORMAT_LAENGE(GetParam().millimetres, kGermanLocale), GetParam().german);
    EXPECT_EQ(FORMAT_LAENGE(GetParam().millimetres, kCLocale), GetParam().c);
}

INSTANTIATE_TEST_SUITE_P(Lengths, FormatLengthTest, testing::ValuesIn(kLengths),
                         [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace zrv
