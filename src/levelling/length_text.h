#pragma once

#include <string>

namespace zrv {

// A length for a program line: at most three decimals with ".", no trailing zeros, no exponent,
// never "-0" ("12.5", "-0.083", "0").
std::string lengthText(double millimetres);

}  // namespace zrv
