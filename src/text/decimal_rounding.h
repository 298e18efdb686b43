#pragma once

#include <string>

namespace zrv {

// The decimal digits of |value| rounded to `decimals` places after the point (negative: places
// before it), exact halves away from zero, judged on the double's exact binary value.
struct DecimalDigits {
    std::string integer;   // at least one digit, no leading zeros beyond a single "0"
    std::string fraction;  // exactly max(decimals, 0) digits
};
DecimalDigits roundToDecimals(double value, int decimals);

// True when |value| lies exactly halfway between two neighbours at `decimals` places (judged on
// the exact binary value), where correctly rounded library output rounds to even instead.
bool isExactHalf(double value, int decimals);

// |value| to `significant` digits (1 to 17), exact halves away from zero: the digits without
// trailing zeros and the decimal exponent of the first digit (123.45 to 4 gives "1235", 2).
struct SignificantDigits {
    std::string digits;
    int exponent = 0;
};
SignificantDigits roundToSignificant(double value, int significant);

}  // namespace zrv
