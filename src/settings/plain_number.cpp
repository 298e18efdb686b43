#include "settings/plain_number.h"

#include <cmath>
#include <cstdlib>
#include <string_view>

#include "text/number_format.h"
#include "text/number_scan.h"

namespace zrv {
namespace {

// "d.dddE+xx" (or "E-xx") with the decimal point at position `exponent` + 1 instead.
std::string withoutExponent(std::string_view text, std::size_t e, char decimal) {
    std::string sign;
    std::string_view mantissa = text.substr(0, e);
    if (mantissa.starts_with('-')) {
        sign = "-";
        mantissa.remove_prefix(1);
    }
    std::string digits;
    for (char c : mantissa) {
        if (c != decimal) {
            digits += c;
        }
    }
    const int exponent = std::atoi(std::string(text.substr(e + 1)).c_str());
    if (exponent < 0) {
        return sign + "0" + decimal + std::string(static_cast<std::size_t>(-exponent - 1), '0') +
               digits;
    }
    const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= integerDigits) {
        return sign + digits + std::string(integerDigits - digits.size(), '0');
    }
    return sign + digits.substr(0, integerDigits) + decimal + digits.substr(integerDigits);
}

}  // namespace

std::string plainNumberText(double value, NumberLocale locale) {
    if (!std::isfinite(value)) {
        return "0";
    }
    const std::string text = numberText(value, locale);
    const std::size_t e = text.find('E');
    return e == std::string::npos ? text : withoutExponent(text, e, locale.decimal);
}

double parameterNumber(std::string_view text) {
    return parameterValue(text).number;
}

ParameterValue parameterValue(std::string_view text) {
    const std::optional<double> value = numberInText(text);
    if (!value) {
        return {};
    }
    return {std::isfinite(*value) ? *value : 0, true};
}

}  // namespace zrv
