#include "text/number_format.h"

#include <cmath>
#include <cstddef>

#include "text/decimal_rounding.h"

namespace zrv {
namespace {

struct Pattern {
    bool grouping = false;
    int minIntegerDigits = 0;
    int minDecimals = 0;
    int maxDecimals = 0;
};

// "0" digits are always written, "#" only when needed; "," anywhere before the point groups.
Pattern parsePattern(std::string_view text) {
    Pattern pattern;
    const auto point = text.find('.');
    const std::string_view integer = text.substr(0, point);
    for (char c : integer) {
        pattern.grouping = pattern.grouping || c == ',';
        pattern.minIntegerDigits += c == '0' ? 1 : 0;
    }
    if (point != std::string_view::npos) {
        for (char c : text.substr(point + 1)) {
            pattern.minDecimals += c == '0' ? 1 : 0;
            pattern.maxDecimals += (c == '0' || c == '#') ? 1 : 0;
        }
    }
    return pattern;
}

std::string groupDigits(const std::string& digits, char sign) {
    std::string grouped;
    grouped.reserve(digits.size() + digits.size() / 3);
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            grouped.push_back(sign);
        }
        grouped.push_back(digits[i]);
    }
    return grouped;
}

std::string nonFiniteText(double value) {
    if (std::isnan(value)) {
        return "nan";
    }
    return value < 0 ? "-inf" : "inf";
}

}  // namespace

std::string formatPattern(double value, std::string_view patternText, NumberLocale locale) {
    if (!std::isfinite(value)) {
        return nonFiniteText(value);
    }
    const Pattern pattern = parsePattern(patternText);
    DecimalDigits digits = roundToDecimals(value, pattern.maxDecimals);

    std::string& fraction = digits.fraction;
    while (static_cast<int>(fraction.size()) > pattern.minDecimals && fraction.back() == '0') {
        fraction.pop_back();
    }
    std::string integer = digits.integer == "0" ? std::string{} : digits.integer;
    if (static_cast<int>(integer.size()) < pattern.minIntegerDigits) {
        integer.insert(0, static_cast<std::size_t>(pattern.minIntegerDigits) - integer.size(), '0');
    }

    std::string text = value < 0 ? "-" : "";
    text += pattern.grouping ? groupDigits(integer, locale.grouping) : integer;
    if (!fraction.empty()) {
        text += locale.decimal;
        text += fraction;
    }
    return text;
}

std::string numberText(double value, NumberLocale locale) {
    if (!std::isfinite(value)) {
        return nonFiniteText(value);
    }
    if (value == 0) {
        return "0";
    }
    const SignificantDigits rounded = roundToSignificant(value, 15);
    const std::string& digits = rounded.digits;
    const int exponent = rounded.exponent;
    std::string text = value < 0 ? "-" : "";

    if (exponent >= 15 || exponent < -4) {
        // Too long for plain digits: one digit, the rest after the point, then the exponent.
        text += digits[0];
        if (digits.size() > 1) {
            text += locale.decimal;
            text += digits.substr(1);
        }
        const int magnitude = exponent < 0 ? -exponent : exponent;
        text += exponent < 0 ? "E-" : "E+";
        text += magnitude < 10 ? "0" + std::to_string(magnitude) : std::to_string(magnitude);
        return text;
    }
    if (exponent < 0) {
        text += '0';
        text += locale.decimal;
        text += std::string(static_cast<std::size_t>(-exponent - 1), '0');
        text += digits;
        return text;
    }
    const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= integerDigits) {
        text += digits + std::string(integerDigits - digits.size(), '0');
        return text;
    }
    text += digits.substr(0, integerDigits);
    text += locale.decimal;
    text += digits.substr(integerDigits);
    return text;
}

}  // namespace zrv
