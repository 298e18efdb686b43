#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "text/number_locale.h"

namespace zrv {

// The ordinary number text of the locale (up to 15 significant digits, no grouping, no trailing
// zeros), but never with an exponent: "0,00001" rather than "1E-05", which would read back as 1
// and is no G-code word. A value that is not finite gives "0".
std::string plainNumberText(double value, NumberLocale locale);

// The number of a parameter text as the program uses it: read leniently, 0 when not finite.
double parameterNumber(std::string_view text);

// A parameter text read once: parameterNumber, and whether the text begins with a number at
// all ("12abc" does, "abc", "" and "-" do not).
struct ParameterValue {
    double number = 0;
    bool isNumber = false;
};
ParameterValue parameterValue(std::string_view text);

// The whole text as one number with "." or ",": blanks around it and a sign allowed, nothing
// the leading-number scan would silently cut short ("1e3", "5abc", "1.5.5" are none). The rule
// of the step and probe choices, where a slip must not become some other depth.
std::optional<double> wholeNumber(std::string_view text);

}  // namespace zrv
