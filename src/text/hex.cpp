#include "text/hex.h"

#include <array>

namespace zrv {
namespace {

constexpr std::string_view kHexDigits = "0123456789ABCDEF";

// Each hexadecimal digit as its four bits.
constexpr std::array<std::string_view, 16> kDigitBits = {
    "0000", "0001", "0010", "0011", "0100", "0101", "0110", "0111",
    "1000", "1001", "1010", "1011", "1100", "1101", "1110", "1111"};

}  // namespace

std::string HEX_BYTE(std::uint8_t byte) {
    return {kHexDigits[byte >> 4U], kHexDigits[byte & 0x0FU]};
}

std::string BYTE_BITS(std::uint8_t byte) {
    std::string bits(kDigitBits[byte >> 4U]);
    bits += kDigitBits[byte & 0x0FU];
    return bits;
}

std::optional<std::uint8_t> BITS_BYTE(std::string_view bits) {
    if (bits.size() != 8) {
        return std::nullopt;
    }
    unsigned value = 0;
    for (char c : bits) {
        value = (value << 1U) | (c == '1' ? 1U : 0U);
    }
    return static_cast<std::uint8_t>(value);
}

}  // namespace zrv
