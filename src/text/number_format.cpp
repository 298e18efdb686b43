#include "text/number_format.h"

#include <array>
#include <charconv>
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

// No shown or written number says "inf" or "nan": a value that is not finite is unknown.
std::string nonFiniteText() {
    return "?";
}

// The rounded digits of |value|: the library's correctly rounded text, except at an exact half,
// where it would round to even instead of away from zero.
struct RoundedText {
    std::array<char, 400> buffer;  // filled by to_chars before it is read
    std::string_view integer;
    std::string_view fraction;
    std::string slowDigits;  // backing store when the half had to be rounded by hand
};

void roundForPattern(double magnitude, int decimals, RoundedText& out) {
    if (!isExactHalf(magnitude, decimals)) {
        const auto result = std::to_chars(out.buffer.data(), out.buffer.data() + out.buffer.size(),
                                          magnitude, std::chars_format::fixed, decimals);
        const std::string_view text(out.buffer.data(),
                                    static_cast<std::size_t>(result.ptr - out.buffer.data()));
        const auto point = text.find('.');
        out.integer = text.substr(0, point);
        out.fraction =
            point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
        return;
    }
    const DecimalDigits digits = roundToDecimals(magnitude, decimals);
    out.slowDigits = digits.integer + digits.fraction;
    out.integer = std::string_view(out.slowDigits).substr(0, digits.integer.size());
    out.fraction = std::string_view(out.slowDigits).substr(digits.integer.size());
}

void appendGrouped(std::string& text, std::string_view digits, char sign) {
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            text.push_back(sign);
        }
        text.push_back(digits[i]);
    }
}

}  // namespace

std::string formatPattern(double value, std::string_view patternText, NumberLocale locale) {
    if (!std::isfinite(value)) {
        return nonFiniteText();
    }
    const Pattern pattern = parsePattern(patternText);
    RoundedText rounded;
    roundForPattern(std::fabs(value), pattern.maxDecimals, rounded);

    std::string_view fraction = rounded.fraction;
    while (static_cast<int>(fraction.size()) > pattern.minDecimals && fraction.back() == '0') {
        fraction.remove_suffix(1);
    }
    const std::string_view integer = rounded.integer == "0" ? std::string_view{} : rounded.integer;
    const std::size_t padding =
        integer.size() < static_cast<std::size_t>(pattern.minIntegerDigits)
            ? static_cast<std::size_t>(pattern.minIntegerDigits) - integer.size()
            : 0;

    std::string text;
    text.reserve(padding + integer.size() + integer.size() / 3 + fraction.size() + 2);
    if (value < 0) {
        text.push_back('-');
    }
    if (pattern.grouping) {
        appendGrouped(text, std::string(padding, '0') + std::string(integer), locale.grouping);
    } else {
        text.append(padding, '0');
        text.append(integer);
    }
    if (!fraction.empty()) {
        text.push_back(locale.decimal);
        text.append(fraction);
    }
    return text;
}

std::string numberText(double value, NumberLocale locale) {
    if (!std::isfinite(value)) {
        return nonFiniteText();
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
        if (magnitude < 10) {  // not "0" + text: GCC 12 at -O3 warns falsely (-Wrestrict)
            text += '0';
        }
        text += std::to_string(magnitude);
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
