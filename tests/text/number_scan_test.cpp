#include "text/number_scan.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace zrv {
namespace {

struct ScanCase {
    const char* name;
    std::string text;
    double leading;   // leadingNumber
    double fromText;  // numberFromText ("," first becomes ".")
};

const std::vector<ScanCase> kScanCases = {
    {"plain", "12.5", 12.5, 12.5},
    {"entry value", "0012.500 Y=0003.000", 12.5, 12.5},
    {"negative entry value", "-0003.500", -3.5, -3.5},
    {"unit after the number", "500 mm/min", 500, 500},
    {"blanks anywhere", " 1 2 3", 123, 123},
    {"blank after the sign", "- 5", -5, -5},
    {"plus sign", "+7", 7, 7},
    {"no number", "abc", 0, 0},
    {"empty", "", 0, 0},
    {"sign alone", "-", 0, 0},
    {"point alone", ".", 0, 0},
    {"leading point", ".5", 0.5, 0.5},
    {"negative leading point", "-.5", -0.5, -0.5},
    {"second point ends", "1.2.3", 1.2, 1.2},
    {"no exponent", "1e5", 1, 1},
    {"decimal comma", "1,5", 1, 1.5},
    {"comma and grouping", "2,54 mm", 2, 2.54},
    {"labelled number", "1 Zirva Farben", 1, 1},
    {"tab as blank", "\t42", 42, 42},
    {"far too small", "0." + std::string(400, '0') + "1", 0, 0},
};

TEST(LeadingNumber, CaseTable) {
    for (const ScanCase& c : kScanCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(leadingNumber(c.text), c.leading);
        EXPECT_EQ(numberFromText(c.text), c.fromText);
    }
}

TEST(LeadingNumber, NegativeZeroReadsAsPlainZero) {
    for (const char* text : {"-0.000", "-0", "-0000.000"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(std::signbit(leadingNumber(text)));
    }
}

TEST(LeadingNumber, TooManyDigitsGiveInfinityNotGarbage) {
    EXPECT_EQ(leadingNumber("1" + std::string(400, '0')), INFINITY);
    EXPECT_EQ(leadingNumber("-1" + std::string(400, '0')), -INFINITY);
}

TEST(KommaPunkt, ReplacesEveryComma) {
    EXPECT_EQ(KOMMA_PUNKT("1,500"), "1.500");
    EXPECT_EQ(KOMMA_PUNKT(" X=0012,500 Y=0003,000"), " X=0012.500 Y=0003.000");
    EXPECT_EQ(KOMMA_PUNKT("0012.500"), "0012.500");
    EXPECT_EQ(KOMMA_PUNKT(",,"), "..");
}

}  // namespace
}  // namespace zrv
