#include "store/entry_text.h"

#include <cstdint>
#include <iterator>
#include <optional>
#include <utility>

#include "text/number_scan.h"

namespace zrv {

namespace {

// A mantissa of at most 15 digits is an exact double, so one division by an exact power of ten
// is correctly rounded.
constexpr double kExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                        1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The shape of every number the store writes: an optional minus, digits, at most one point and
// digits, not followed (past blanks) by anything that could go on with it. No answer for any
// other shape; leadingNumber reads those.
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
    return leadingNumber(text);
}

double numberAfterFirst(std::string_view entry, char letter) {
    const std::size_t at = entry.find(letter);
    return at == std::string_view::npos ? 0 : numberAfter(entry, at);
}

// Where the walk of readPairs finds the letters of each pair; y is npos for a last pair
// without "Y".
template <typename Visit>
void walkPairs(std::string_view entry, Visit visit) {
    std::size_t from = 0;
    while (true) {
        const std::size_t x = entry.find('X', from);
        if (x == std::string_view::npos) {
            return;
        }
        const std::size_t y = entry.find('Y', x + 1);
        visit(x, y);
        if (y == std::string_view::npos) {
            return;
        }
        from = y + 1;
    }
}

Point pairAt(std::string_view entry, std::size_t x, std::size_t y) {
    return {numberAfter(entry, x), y == std::string_view::npos ? 0 : numberAfter(entry, y)};
}

}  // namespace

Point readPoint(std::string_view entry) {
    return {numberAfterFirst(entry, 'X'), numberAfterFirst(entry, 'Y')};
}

std::vector<Point> readPairs(std::string_view entry) {
    std::vector<Point> pairs;
    constexpr std::size_t kShortestStorePair = 16;  // " X=0.000 Y=0.000"
    pairs.reserve(entry.size() / kShortestStorePair + 1);
    walkPairs(entry, [&](std::size_t x, std::size_t y) { pairs.push_back(pairAt(entry, x, y)); });
    return pairs;
}

std::optional<Point> readLastPair(std::string_view entry) {
    std::optional<std::pair<std::size_t, std::size_t>> last;
    walkPairs(entry, [&](std::size_t x, std::size_t y) { last.emplace(x, y); });
    if (!last) {
        return std::nullopt;
    }
    return pairAt(entry, last->first, last->second);
}

}  // namespace zrv
