#include "text/number_format.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace zrv {
namespace {

struct PatternCase {
    const char* name;
    double value;
    const char* pattern;
    const char* german;
    const char* c;
};

const std::vector<PatternCase> kPatternCases = {
    {"point entry", 12.5, "0000.000", "0012,500", "0012.500"},
    {"line entry", 12.5, "00.000", "12,500", "12.500"},
    {"line entry pads", 5.25, "00.000", "05,250", "05.250"},
    {"circle entry", 12.5, "0.000", "12,500", "12.500"},
    {"negative point", -3.5, "0000.000", "-0003,500", "-0003.500"},
    {"tiny negative keeps sign", -0.0004, "0000.000", "-0000,000", "-0000.000"},
    {"negative zero has no sign", -0.0, "0000.000", "0000,000", "0000.000"},
    {"digits beyond the minimum", 123456.789, "00.000", "123456,789", "123456.789"},
    {"exact half away from zero", 0.0625, "0.000", "0,063", "0.063"},
    {"exact negative half", -0.0625, "0.000", "-0,063", "-0.063"},
    {"binary near-half rounds by value", 1.0005, "0.000", "1,000", "1.000"},
    {"whole number half", 2.5, "#,##0", "3", "3"},
    {"whole number half odd", 3.5, "#,##0", "4", "4"},
    {"whole number negative half", -2.5, "#,##0", "-3", "-3"},
    {"grouping", 1234567.891, "#,##0", "1.234.568", "1,234,568"},
    {"grouping below a thousand", 999.4, "#,##0", "999", "999"},
    {"zero whole", 0.0, "#,##0", "0", "0"},
    {"optional decimals dropped", 5.25, "#,##0.0##", "5,25", "5.25"},
    {"optional decimals kept minimum", 10.0, "#,##0.0##", "10,0", "10.0"},
    {"optional decimals all", 1234.5678, "#,##0.0##", "1.234,568", "1,234.568"},
    {"coordinate two decimals", 12.5, "0.00#", "12,50", "12.50"},
    {"coordinate three decimals", 3.14159, "0.00#", "3,142", "3.142"},
    {"coordinate negative", -3.0, "0.00#", "-3,00", "-3.00"},
    {"one decimal", 0.1, "0.0", "0,1", "0.1"},
    {"one decimal of an accumulated sum", 0.1 * 3, "0.0", "0,3", "0.3"},
    {"negative one decimal", -1.5, "0.0", "-1,5", "-1.5"},
    {"huge value", 1e20, "0000.000", "100000000000000000000,000", "100000000000000000000.000"},
};

TEST(FormatPattern, CaseTable) {
    for (const PatternCase& c : kPatternCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(formatPattern(c.value, c.pattern, kGermanLocale), c.german);
        EXPECT_EQ(formatPattern(c.value, c.pattern, kCLocale), c.c);
    }
}

// A reference built on the exact decimal expansion that printf writes for any precision,
// rounded by hand: half away from zero.
std::string referenceFixed(double value, int decimals) {
    std::vector<char> buffer(2000);
    std::snprintf(buffer.data(), buffer.size(), "%.1100f", std::fabs(value));
    std::string exact(buffer.data());
    const auto point = exact.find('.');
    std::string digits =
        exact.substr(0, point) + exact.substr(point + 1, static_cast<std::size_t>(decimals));
    const char next = exact[point + 1 + static_cast<std::size_t>(decimals)];
    if (next >= '5') {
        int i = static_cast<int>(digits.size()) - 1;
        while (i >= 0 && digits[static_cast<std::size_t>(i)] == '9') {
            digits[static_cast<std::size_t>(i--)] = '0';
        }
        if (i < 0) {
            digits.insert(digits.begin(), '1');
        } else {
            ++digits[static_cast<std::size_t>(i)];
        }
    }
    const std::size_t integerLength = digits.size() - static_cast<std::size_t>(decimals);
    std::string integer = digits.substr(0, integerLength);
    integer.erase(0, std::min(integer.find_first_not_of('0'), integer.size()));
    integer.insert(0, integer.size() < 4 ? 4 - integer.size() : 0, '0');
    return (value < 0 ? "-" : "") + integer + "." + digits.substr(integerLength);
}

TEST(FormatPattern, MatchesExactReferenceOnRandomAndHalfwayValues) {
    std::mt19937_64 random(42);
    std::uniform_real_distribution<double> wide(-5000, 5000);
    std::uniform_int_distribution<int> thousandths(-5'000'000, 5'000'000);
    for (int i = 0; i < 20000; ++i) {
        // Every other value sits on (or next to) a decimal half, where rounding rules differ.
        const double value =
            i % 2 == 0 ? wide(random) : (thousandths(random) + 0.5) / (i % 4 == 1 ? 1000 : 8);
        SCOPED_TRACE(value);
        ASSERT_EQ(formatPattern(value, "0000.000", kCLocale), referenceFixed(value, 3));
    }
}

struct TextCase {
    const char* name;
    double value;
    const char* german;
};

const std::vector<TextCase> kTextCases = {
    {"integer", 5, "5"},
    {"decimal", 2.54, "2,54"},
    {"zero", 0, "0"},
    {"negative zero", -0.0, "0"},
    {"sum with binary noise", 0.1 + 0.2, "0,3"},
    {"calibrated value", 254 * 2.54 / 5 / 10, "12,9032"},
    {"third", 1.0 / 3, "0,333333333333333"},
    {"two thirds rounds up", 2.0 / 3, "0,666666666666667"},
    {"extents start", -999999, "-999999"},
    {"fifteen digits", 123456789012345, "123456789012345"},
    {"too many digits", 1e15, "1E+15"},
    {"small", 0.00012, "0,00012"},
    {"very small", 0.000012, "1,2E-05"},
    {"colour", 16711680, "16711680"},
};

TEST(NumberText, CaseTable) {
    for (const TextCase& c : kTextCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(numberText(c.value, kGermanLocale), c.german);
        std::string c_text = c.german;
        for (char& ch : c_text) {
            ch = ch == ',' ? '.' : ch;
        }
        EXPECT_EQ(numberText(c.value, kCLocale), c_text);
    }
}

TEST(NumberText, RoundTripsThroughFifteenDigits) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> values(-1e6, 1e6);
    for (int i = 0; i < 5000; ++i) {
        const double value = values(random);
        const std::string text = numberText(value, kCLocale);
        ASSERT_NEAR(std::stod(text), value, std::fabs(value) * 1e-14) << text;
        if (text.find('.') != std::string::npos) {
            ASSERT_NE(text.back(), '0') << "trailing zero in " << text;
        }
    }
}

}  // namespace
}  // namespace zrv
