#include <gtest/gtest.h>

#include <bit>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <ostream>
#include <random>
#include <string>

#include "reader/decode.h"
#include "text/hex.h"

#include "support/case_name.h"

namespace zrv {
namespace {

std::string fieldOf(std::uint32_t pattern) {
    std::string field(4, '\0');
    for (std::size_t i = 0; i < 4; ++i) {
        field[i] = static_cast<char>((pattern >> (8 * i)) & 0xFFu);
    }
    return field;
}

// The decoding rule as written: the 32 bit characters, sign, exponent through BITS_BYTE and
// the mantissa summed bit by bit.
double referenceValue(std::string_view field) {
    std::string bits;
    for (std::size_t i = 4; i-- > 0;) {
        bits += BYTE_BITS(static_cast<std::uint8_t>(field[i]));
    }
    const double sign = bits[0] == '0' ? 1 : -1;
    const int exponent = *BITS_BYTE(bits.substr(1, 8));
    const double scale = std::pow(2.0, exponent - 127);
    double mantissa = 1;
    for (int k = 10; k <= 32; ++k) {
        if (bits[static_cast<std::size_t>(k - 1)] == '1') {
            mantissa += 1 / std::pow(2.0, k - 9);
        }
    }
    double magnitude = scale * mantissa;
    if (magnitude < 0.0001) {
        magnitude = 0;
    }
    return sign * magnitude;
}

struct PatternCase {
    const char* name;
    std::uint32_t pattern;
    double expected;

    friend void PrintTo(const PatternCase& row, std::ostream* out) { *out << row.name; }
};

const PatternCase kPatternCases[] = {
    {"zero", 0x00000000, 0.0},
    {"negative zero", 0x80000000, 0.0},
    {"smallest subnormal", 0x00000001, 0.0},
    {"largest subnormal", 0x007FFFFF, 0.0},
    {"smallest normal", 0x00800000, 0.0},
    {"nearest to 0.0001, just below it", 0x38D1B717, 0.0},
    {"next pattern above 0.0001", 0x38D1B718, 1.00000004749745130538940429688e-4},
    {"negative just below 0.0001", 0xB8D1B717, 0.0},
    {"one", 0x3F800000, 1.0},
    {"ten", 0x41200000, 10.0},
    {"minus ten", 0xC1200000, -10.0},
    {"infinity pattern reads 2^128", 0x7F800000, std::ldexp(1.0, 128)},
    {"negative infinity pattern", 0xFF800000, -std::ldexp(1.0, 128)},
    {"NaN pattern with every fraction bit", 0x7FFFFFFF,
     std::ldexp(2.0 - std::ldexp(1.0, -23), 128)},
    {"largest finite single", 0x7F7FFFFF, 3.4028234663852886e38},
};

class DecodePattern : public testing::TestWithParam<PatternCase> {};

TEST_P(DecodePattern, MatchesTheRuleAndTheWorkedValue) {
    const PatternCase& c = GetParam();
    const std::string field = fieldOf(c.pattern);
    EXPECT_EQ(*CALC_KOORDINATEN(field), c.expected);
    EXPECT_EQ(*CALC_KOORDINATEN(field), referenceValue(field));
    EXPECT_FALSE(std::signbit(*CALC_KOORDINATEN(field)) && c.expected == 0);
}

INSTANTIATE_TEST_SUITE_P(Classes, DecodePattern, testing::ValuesIn(kPatternCases),
                         test::CaseName());

TEST(Decode, FileOrderBytesOfTheWorkedExamples) {
    EXPECT_EQ(*CALC_KOORDINATEN(std::string("\x00\x00\x80\x3F", 4)), 1.0);
    EXPECT_EQ(*CALC_KOORDINATEN(std::string("\x00\x00\x20\x41", 4)), 10.0);
    EXPECT_EQ(*CALC_KOORDINATEN(std::string("\x00\x00\x20\xC1", 4)), -10.0);
    EXPECT_EQ(*CALC_KOORDINATEN(std::string("\x17\xB7\xD1\x38", 4)), 0.0);
    EXPECT_NEAR(*CALC_KOORDINATEN(std::string("\x18\xB7\xD1\x38", 4)), 0.000100000005, 1e-12);
}

TEST(Decode, EqualsTheRuleOnARandomSampleOfPatterns) {
    std::mt19937 random(20261207);
    std::uniform_int_distribution<std::uint32_t> anyPattern;
    for (int i = 0; i < 200000; ++i) {
        const std::string field = fieldOf(anyPattern(random));
        ASSERT_EQ(*CALC_KOORDINATEN(field), referenceValue(field)) << testing::PrintToString(field);
    }
}

TEST(Decode, EqualsTheSingleValueForEveryNormalNumberFromOneTenThousandth) {
    std::mt19937 random(7);
    std::uniform_real_distribution<float> exponent(-13.0f, 127.0f);
    for (int i = 0; i < 50000; ++i) {
        const float value = std::exp2(exponent(random)) * (i % 2 == 0 ? 1.0f : -1.0f);
        const auto pattern = std::bit_cast<std::uint32_t>(value);
        const double expected = std::fabs(value) < 0.0001 ? 0.0 : static_cast<double>(value);
        ASSERT_EQ(*CALC_KOORDINATEN(fieldOf(pattern)), expected) << value;
    }
}

TEST(Decode, AFieldOfAnyOtherLengthHasNoValue) {
    for (std::size_t length : {0u, 1u, 3u, 5u, 8u}) {
        SCOPED_TRACE(length);
        EXPECT_FALSE(CALC_KOORDINATEN(std::string(length, '\x41')));
        EXPECT_FALSE(KOORDINATE(std::string(length, '\x41'), Calibration{}));
    }
}

TEST(Decode, CoordinatesAreCalibratedInTheStatedOrder) {
    const std::string hundred = fieldOf(0x42C80000);   // 100.0
    const std::string value254 = fieldOf(0x437E0000);  // 254.0
    EXPECT_DOUBLE_EQ(*KOORDINATE(hundred, Calibration{5.0, 2.54}), 5.08);
    EXPECT_EQ(*KOORDINATE(hundred, Calibration{1.0, 1.0}), 10.0);
    EXPECT_DOUBLE_EQ(*KOORDINATE(value254, Calibration{1.0, 1.0}), 25.4);
    EXPECT_DOUBLE_EQ(*KOORDINATE(value254, Calibration{5.0, 2.54}), 12.9032);
    EXPECT_EQ(*KOORDINATE(hundred, Calibration{5.0, 2.54}), 100.0 * 2.54 / 5.0 / 10);
}

}  // namespace
}  // namespace zrv
