#include "reader/decode.h"

#include <bit>
#include <cmath>
#include <cstdint>

namespace zrv {

namespace {

// The reader's smallest magnitude: everything below it, subnormals included, reads as 0.
constexpr double kSmallestMagnitude = 0.0001;

std::uint32_t littleEndianPattern(std::string_view field) {
    std::uint32_t pattern = 0;
    for (std::size_t i = 4; i-- > 0;) {
        pattern = (pattern << 8) | static_cast<unsigned char>(field[i]);
    }
    return pattern;
}

}  // namespace

std::optional<double> CALC_KOORDINATEN(std::string_view field) {
    if (field.size() != 4) {
        return std::nullopt;
    }
    const std::uint32_t pattern = littleEndianPattern(field);
    const std::uint32_t exponent = (pattern >> 23) & 0xFFu;
    // Below exponent 255 the rule gives the single-precision value itself (subnormals lie far
    // below the smallest magnitude); exponent 255 is an ordinary exponent here:
    // (2^23 + fraction) x 2^(255 - 150), a finite number.
    const double magnitude =
        exponent == 255
            ? std::ldexp(static_cast<double>((pattern & 0x7FFFFFu) | 0x800000u), 255 - 150)
            : static_cast<double>(std::bit_cast<float>(pattern & 0x7FFFFFFFu));
    if (magnitude < kSmallestMagnitude) {
        return 0.0;
    }
    return (pattern & 0x80000000u) != 0 ? -magnitude : magnitude;
}

std::optional<double> KOORDINATE(std::string_view field, const Calibration& calibration) {
    const std::optional<double> value = CALC_KOORDINATEN(field);
    if (!value) {
        return std::nullopt;
    }
    return toMillimetres(*value, calibration);
}

}  // namespace zrv
