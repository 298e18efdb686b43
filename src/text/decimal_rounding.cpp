#include "text/decimal_rounding.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace zrv {

// The value is an exact half when value x 2 x 10^decimals is an odd integer. With
// value = m x 2^e (m odd) that needs e + 1 + decimals = 0, and for negative decimals also
// 5^-decimals dividing m.
bool isExactHalf(double value, int decimals) {
    if (value == 0 || !std::isfinite(value)) {
        return false;
    }
    int exponent = 0;
    const double fraction = std::frexp(std::fabs(value), &exponent);
    auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    exponent -= 53;
    while ((mantissa & 1U) == 0) {
        mantissa >>= 1U;
        ++exponent;
    }
    if (exponent + 1 + decimals != 0) {
        return false;
    }
    if (decimals >= 0) {
        return true;
    }
    if (decimals < -22) {
        return false;  // 5^23 exceeds every 53-bit mantissa
    }
    std::uint64_t power = 1;
    for (int i = 0; i < -decimals; ++i) {
        power *= 5;
    }
    return mantissa % power == 0;
}

namespace {

std::string toFixed(double magnitude, int decimals) {
    std::array<char, 400> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                      std::chars_format::fixed, decimals);
    return {buffer.data(), result.ptr};
}

// Adds one unit in the last place of a string of decimal digits.
void incrementDigits(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

void stripLeadingZeros(std::string& integer) {
    const auto first = integer.find_first_not_of('0');
    integer.erase(0, first == std::string::npos ? integer.size() - 1 : first);
    if (integer.empty()) {
        integer.assign(1, '0');  // not = "0": GCC 12 at -O3 warns falsely (-Wrestrict) there
    }
}

DecimalDigits roundAtOrAfterPoint(double magnitude, int decimals) {
    const bool half = isExactHalf(magnitude, decimals);
    // An exact half has exactly decimals + 1 places, so that text is exact; drop its final 5
    // and round up. Otherwise the library's correctly rounded text is the answer.
    std::string text = toFixed(magnitude, half ? decimals + 1 : decimals);
    const auto point = text.find('.');
    std::string integer = text.substr(0, point);
    std::string fraction = point == std::string::npos ? std::string{} : text.substr(point + 1);
    if (half) {
        fraction.pop_back();
        std::string all = integer + fraction;
        incrementDigits(all);
        const std::size_t integerLength = all.size() - fraction.size();
        integer = all.substr(0, integerLength);
        fraction = all.substr(integerLength);
    }
    stripLeadingZeros(integer);
    return {integer, fraction};
}

// Rounding to tens, hundreds, ...: the integer part of a double is exact.
DecimalDigits roundBeforePoint(double magnitude, int decimals) {
    const double whole = std::floor(magnitude);
    std::string integer = toFixed(whole, 0);
    const auto places = static_cast<std::size_t>(-decimals);
    if (integer.size() < places) {
        integer.insert(0, places - integer.size(), '0');
    }
    std::string kept = integer.substr(0, integer.size() - places);
    const std::string dropped = integer.substr(integer.size() - places);
    std::string half(places, '0');  // not "5" + zeros, for the same false warning
    half.front() = '5';
    // At or beyond the half (the rest below the point only adds), away from zero.
    if (dropped >= half) {
        incrementDigits(kept);
    }
    stripLeadingZeros(kept);
    return {kept == "0" ? kept : kept + std::string(places, '0'), {}};
}

}  // namespace

DecimalDigits roundToDecimals(double value, int decimals) {
    const double magnitude = std::fabs(value);
    return decimals >= 0 ? roundAtOrAfterPoint(magnitude, decimals)
                         : roundBeforePoint(magnitude, decimals);
}

SignificantDigits roundToSignificant(double value, int significant) {
    const double magnitude = std::fabs(value);
    if (magnitude == 0 || !std::isfinite(magnitude)) {
        return {"0", 0};
    }
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                      std::chars_format::scientific, significant - 1);
    const std::string text(buffer.data(), result.ptr);
    const auto e = text.find('e');
    int exponent = std::atoi(text.c_str() + e + 1);
    // A carry into a new decade comes only from digits 9...9|5 or more, which round up under
    // either rule, so the exponent of the rounded text is the one to judge the half at.
    const DecimalDigits rounded = roundToDecimals(magnitude, significant - 1 - exponent);
    std::string digits = rounded.integer + rounded.fraction;
    stripLeadingZeros(digits);
    // Leading zeros of a small value's integer part are gone; the exponent follows the digits.
    const auto integerDigits =
        rounded.integer == "0" ? 0 : static_cast<int>(rounded.integer.size());
    if (integerDigits > 0) {
        exponent = integerDigits - 1;
    } else {
        const auto firstNonZero = rounded.fraction.find_first_not_of('0');
        exponent = -static_cast<int>(firstNonZero) - 1;
    }
    const auto last = digits.find_last_not_of('0');
    digits.erase(last == std::string::npos ? 1 : last + 1);
    return {digits, exponent};
}

}  // namespace zrv
