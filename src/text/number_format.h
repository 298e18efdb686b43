#pragma once

#include <string>
#include <string_view>

#include "text/number_locale.h"

namespace zrv {

// Formats a number with one of the patterns "0000.000", "00.000", "0.000", "0.00#", "0.0",
// "#,##0", "#,##0.0##": "0" is a digit always written, "#" one written only when needed,
// "." the decimal sign and "," the grouping sign of the locale. Exact halves (on the double's
// exact binary value) round away from zero. A value below zero keeps its minus sign even when
// every shown digit is 0; zero, -0.0 included, never carries a sign.
std::string formatPattern(double value, std::string_view pattern, NumberLocale locale);

// The ordinary conversion of a double to text: no grouping, the locale's decimal sign,
// up to 15 significant digits, no trailing zeros (5 gives "5", 2.54 gives "2,54" in German).
std::string numberText(double value, NumberLocale locale);

}  // namespace zrv
