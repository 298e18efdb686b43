#pragma once

#include <optional>
#include <string_view>

#include "reader/calibration.h"

namespace zrv {

// CALC_KOORDINATEN: the value of a 4-byte field (little-endian single-precision pattern, first
// byte first). Magnitudes below 0.0001 read as 0; exponent 255 is not special (2^128 x M).
// A field that is not exactly 4 bytes long gives no value.
std::optional<double> CALC_KOORDINATEN(std::string_view field);

// KOORDINATE: CALC_KOORDINATEN of the field, converted to millimetres with the calibration.
std::optional<double> KOORDINATE(std::string_view field, const Calibration& calibration);

}  // namespace zrv
