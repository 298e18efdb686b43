#include "reader/entry_text.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

namespace zrv {

namespace {

constexpr double kExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                        1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// Below 2^53 every mantissa is an exact double, so one division by an exact power of ten is
// correctly rounded; that covers every number the store writes.
constexpr std::uint64_t kExactMantissaLimit = 1ull << 53;

struct ScannedNumber {
    bool negative = false;
    bool anyDigit = false;
    bool integerDigit = false;   // a non-zero digit left of the point
    std::uint64_t mantissa = 0;  // the significant digits, while they stay exact
    int fractionDigits = 0;      // digits of the mantissa right of the point
    bool exact = true;           // false once the mantissa left the exact range
    std::size_t end = 0;         // one past the last character of the number
};

void takeDigit(ScannedNumber& number, char digit, bool afterPoint) {
    number.anyDigit = true;
    const auto value = static_cast<std::uint64_t>(digit - '0');
    if (!afterPoint && value != 0) {
        number.integerDigit = true;
    }
    if (number.mantissa == 0 && value == 0 && !afterPoint) {
        return;  // a leading zero changes nothing
    }
    const std::uint64_t next = number.mantissa * 10 + value;
    if (!number.exact || next >= kExactMantissaLimit) {
        number.exact = false;
        return;
    }
    number.mantissa = next;
    if (afterPoint) {
        ++number.fractionDigits;
    }
}

// Blanks are skipped wherever they occur; then an optional sign, digits, at most one point and
// further digits, up to the first character that cannot continue the number.
ScannedNumber scan(std::string_view text) {
    ScannedNumber number;
    bool started = false;
    bool pointSeen = false;
    std::size_t i = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == ' ' || c == '\t') {
            continue;
        }
        if ((c == '-' || c == '+') && !started) {
            number.negative = c == '-';
        } else if (c >= '0' && c <= '9') {
            takeDigit(number, c, pointSeen);
        } else if (c == '.' && !pointSeen) {
            pointSeen = true;
        } else {
            break;
        }
        started = true;
    }
    number.end = i;
    return number;
}

// Digits beyond the exact range: the correctly rounded value of the digits and the point.
double slowMagnitude(std::string_view text, const ScannedNumber& number) {
    std::string digits;
    for (char c : text.substr(0, number.end)) {
        if ((c >= '0' && c <= '9') || c == '.') {
            digits.push_back(c);
        }
    }
    double magnitude = 0;
    const auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), magnitude);
    (void)ptr;
    if (ec == std::errc::result_out_of_range) {
        return number.integerDigit ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return magnitude;
}

double leadingValue(std::string_view text) {
    const ScannedNumber number = scan(text);
    if (!number.anyDigit) {
        return 0;
    }
    double magnitude = 0;
    if (number.exact && number.fractionDigits < static_cast<int>(std::size(kExactPowersOfTen))) {
        magnitude = static_cast<double>(number.mantissa) /
                    kExactPowersOfTen[static_cast<std::size_t>(number.fractionDigits)];
    } else {
        magnitude = slowMagnitude(text, number);
    }
    if (magnitude == 0) {
        return 0;  // "-0" reads as plain 0
    }
    return number.negative ? -magnitude : magnitude;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The shape of every number the store writes: an optional minus, digits, at most one point and
// digits, not followed (past blanks) by anything that could go on with it. No answer for any
// other shape; the general scan reads those.
std::optional<double> plainValue(std::string_view text) {
    constexpr int kExactDigits = 15;
    std::size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    i += negative ? 1 : 0;
    std::uint64_t mantissa = 0;
    int significant = 0;
    int fraction = 0;
    bool point = false;
    bool anyDigit = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            anyDigit = true;
            mantissa = mantissa * 10 + static_cast<std::uint64_t>(c - '0');
            significant += mantissa != 0 ? 1 : 0;
            fraction += point ? 1 : 0;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    while (i < text.size() && isBlank(text[i])) {
        ++i;
    }
    const bool goesOn = i < text.size() && (isDigit(text[i]) || (text[i] == '.' && !point));
    const int mostFractionDigits = static_cast<int>(std::size(kExactPowersOfTen)) - 1;
    if (!anyDigit || goesOn || significant > kExactDigits || fraction > mostFractionDigits) {
        return std::nullopt;
    }
    const double magnitude =
        static_cast<double>(mantissa) / kExactPowersOfTen[static_cast<std::size_t>(fraction)];
    return negative && magnitude != 0 ? -magnitude : magnitude;
}

// The number that starts two characters after the letter at `letter`.
double numberAfter(std::string_view entry, std::size_t letter) {
    const std::size_t start = letter + 2;
    if (start >= entry.size()) {
        return 0;
    }
    const std::string_view text = entry.substr(start);
    if (const std::optional<double> plain = plainValue(text)) {
        return *plain;
    }
    return leadingValue(text);
}

double numberAfterFirst(std::string_view entry, char letter) {
    const std::size_t at = entry.find(letter);
    return at == std::string_view::npos ? 0 : numberAfter(entry, at);
}

}  // namespace

Point readPoint(std::string_view entry) {
    return {numberAfterFirst(entry, 'X'), numberAfterFirst(entry, 'Y')};
}

std::vector<Point> readPairs(std::string_view entry) {
    std::vector<Point> pairs;
    constexpr std::size_t kShortestStorePair = 16;  // " X=0.000 Y=0.000"
    pairs.reserve(entry.size() / kShortestStorePair + 1);
    std::size_t from = 0;
    while (true) {
        const std::size_t x = entry.find('X', from);
        if (x == std::string_view::npos) {
            break;
        }
        const std::size_t y = entry.find('Y', x + 1);
        if (y == std::string_view::npos) {
            pairs.push_back({numberAfter(entry, x), 0});
            break;
        }
        pairs.push_back({numberAfter(entry, x), numberAfter(entry, y)});
        from = y + 1;
    }
    return pairs;
}

}  // namespace zrv
