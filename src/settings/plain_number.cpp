#include "settings/plain_number.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

#include "text/number_format.h"
#include "text/number_scan.h"
#include "text/trimmed.h"

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

std::optional<double> wholeNumber(std::string_view text) {
    std::string number(trimmed(text));
    std::replace(number.begin(), number.end(), ',', '.');
    const bool negative = number.starts_with('-');
    const std::size_t start = negative || number.starts_with('+') ? 1 : 0;
    const std::string_view digits = std::string_view(number).substr(start);
    const bool plain =
        !digits.empty() && std::count(digits.begin(), digits.end(), '.') <= 1 &&
        std::any_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }) &&
        std::all_of(digits.begin(), digits.end(),
                    [](char c) { return c == '.' || (c >= '0' && c <= '9'); });
    double value = 0;
    if (!plain) {
        return std::nullopt;
    }
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (result.ec != std::errc{} || result.ptr != digits.data() + digits.size() ||
        !std::isfinite(value)) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

}  // namespace zrv
