#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "fuzz_targets.h"
#include "gcode/format_length.h"
#include "settings/plain_number.h"
#include "text/number_format.h"
#include "text/number_scan.h"

namespace zrv::fuzz {
namespace {

struct PatternRule {
    std::string_view pattern;
    std::size_t minInteger;
    std::size_t minDecimals;
    std::size_t maxDecimals;
    bool grouping;
};

constexpr std::array<PatternRule, 7> kPatterns{{
    {"0000.000", 4, 3, 3, false},
    {"00.000", 2, 3, 3, false},
    {"0.000", 1, 3, 3, false},
    {"0.00#", 1, 2, 3, false},
    {"0.0", 1, 1, 1, false},
    {"#,##0", 1, 0, 0, true},
    {"#,##0.0##", 1, 1, 3, true},
}};

// Adds one to a string of decimal digits; true when it grew by a digit.
bool increment(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return false;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
    return true;
}

// The C library prints a double's exact decimal expansion; rounding it by hand at the first
// dropped digit gives halves away from zero.
std::string referencePattern(double value, const PatternRule& rule, NumberLocale locale) {
    std::array<char, 1600> exact{};
    std::snprintf(exact.data(), exact.size(), "%.1074f", std::fabs(value));
    const std::string text = exact.data();
    const std::size_t point = text.find('.');
    std::string integer = text.substr(0, point);
    std::string fraction = text.substr(point + 1, rule.maxDecimals);
    if (text[point + 1 + rule.maxDecimals] >= '5') {
        std::string all = integer + fraction;
        increment(all);
        integer = all.substr(0, all.size() - fraction.size());
        fraction = all.substr(all.size() - fraction.size());
    }
    while (fraction.size() > rule.minDecimals && fraction.back() == '0') {
        fraction.pop_back();
    }
    integer.erase(0, integer.find_first_not_of('0'));
    if (integer.size() < rule.minInteger) {
        integer.insert(0, rule.minInteger - integer.size(), '0');
    }
    std::string result = value < 0 ? "-" : "";
    for (std::size_t i = 0; i < integer.size(); ++i) {
        if (rule.grouping && i > 0 && (integer.size() - i) % 3 == 0) {
            result += locale.grouping;
        }
        result += integer[i];
    }
    if (!fraction.empty()) {
        result += locale.decimal + fraction;
    }
    return result;
}

// 15 significant digits, halves away from zero, written as the C library's %G writes them.
std::string referenceNumberText(double value, NumberLocale locale) {
    if (value == 0) {
        return "0";
    }
    std::array<char, 900> exact{};
    std::snprintf(exact.data(), exact.size(), "%.800e", std::fabs(value));
    const std::string text = exact.data();
    const std::size_t e = text.find('e');
    int exponent = std::atoi(text.c_str() + e + 1);
    std::string digits = text.substr(0, 1) + text.substr(2, 14);
    if (text[16] >= '5' && increment(digits)) {
        digits.pop_back();
        ++exponent;
    }
    digits.erase(digits.find_last_not_of('0') + 1);
    std::string result = value < 0 ? "-" : "";
    if (exponent >= 15 || exponent < -4) {
        result += digits.substr(0, 1);
        if (digits.size() > 1) {
            result += locale.decimal + digits.substr(1);
        }
        char tail[16];
        std::snprintf(tail, sizeof tail, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
        return result + tail;
    }
    if (exponent < 0) {
        return result + "0" + locale.decimal +
               std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    }
    const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
    digits.resize(std::max(digits.size(), integerDigits), '0');
    result += digits.substr(0, integerDigits);
    if (digits.size() > integerDigits) {
        result += locale.decimal + digits.substr(integerDigits);
    }
    return result;
}

std::string mismatch(std::string_view what, double value, std::string_view got,
                     std::string_view expected) {
    char shown[40];
    std::snprintf(shown, sizeof shown, "%.17g", value);
    return std::string(what) + " of " + shown + ": \"" + std::string(got) + "\", expected \"" +
           std::string(expected) + "\"";
}

std::string checkPatterns(double value, NumberLocale locale) {
    for (const PatternRule& rule : kPatterns) {
        const std::string text = formatPattern(value, rule.pattern, locale);
        const std::string expected = referencePattern(value, rule, locale);
        if (text != expected) {
            return mismatch(rule.pattern, value, text, expected);
        }
    }
    // The store's pattern reads back within half its last digit (and the rounding of the
    // value read).
    if (std::fabs(value) < 1e9) {
        const std::string text = formatPattern(value, "0000.000", locale);
        const double slack = std::fabs(value) * 4e-16 + 1e-12;
        if (!(std::fabs(numberFromText(text) - value) <= 0.0005 + slack)) {
            return mismatch("read back", value, text, "within 0.0005");
        }
    }
    return {};
}

std::string checkNumberTexts(double value, NumberLocale locale) {
    const std::string text = numberText(value, locale);
    const std::string expected = referenceNumberText(value, locale);
    if (text != expected) {
        return mismatch("numberText", value, text, expected);
    }
    // A G-code word: no exponent, reads back as the same 15 digits (the largest doubles round
    // up beyond the range).
    const std::string plain = plainNumberText(value, locale);
    const double back = numberFromText(plain);
    if (plain.find('E') != std::string::npos ||
        (std::fabs(value) < 1e300 && !(std::fabs(back - value) <= std::fabs(value) * 1e-14))) {
        return mismatch("plainNumberText", value, plain, "a plain number");
    }
    FORMAT_LAENGE(value, locale);
    return {};
}

}  // namespace

std::string numberFormat(Bytes data) {
    std::array<unsigned char, 8> bits{};
    std::copy_n(data.begin(), std::min(data.size(), bits.size()), bits.begin());
    const double value = std::bit_cast<double>(bits);
    const std::uint8_t choice = data.size() > 8 ? data[8] : 0;
    const NumberLocale locale = (choice & 1) != 0 ? kGermanLocale : kCLocale;
    if (!std::isfinite(value)) {
        // Shown as unknown, never as "inf" or "nan".
        return formatPattern(value, "0000.000", locale) == "?" ? std::string{}
                                                               : "a value that is not finite";
    }
    if (std::string fault = checkPatterns(value, locale); !fault.empty()) {
        return fault;
    }
    return checkNumberTexts(value, locale);
}

}  // namespace zrv::fuzz
