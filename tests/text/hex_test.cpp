#include "text/hex.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace zrv {
namespace {

TEST(HexByte, EveryByteAsTwoUpperCaseDigits) {
    for (unsigned b = 0; b < 256; ++b) {
        char expected[3];
        std::snprintf(expected, sizeof expected, "%02X", b);
        ASSERT_EQ(HEX_BYTE(static_cast<std::uint8_t>(b)), expected);
    }
}

TEST(ByteBits, EveryByteRoundTrips) {
    for (unsigned b = 0; b < 256; ++b) {
        const std::string bits = BYTE_BITS(static_cast<std::uint8_t>(b));
        ASSERT_EQ(bits.size(), 8U);
        ASSERT_EQ(BITS_BYTE(bits), b);
    }
    EXPECT_EQ(BYTE_BITS(0x3F), "00111111");
    EXPECT_EQ(BYTE_BITS(0x80), "10000000");
}

TEST(BitsByte, OnlyOnesCountAndLengthMustBeEight) {
    EXPECT_EQ(BITS_BYTE("1x1x1x1x"), 0xAA);
    EXPECT_EQ(BITS_BYTE("1111111"), std::nullopt);
    EXPECT_EQ(BITS_BYTE("111111111"), std::nullopt);
}

}  // namespace
}  // namespace zrv
