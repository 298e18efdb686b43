#include "geometry/path_reverse.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "store/entry_format.h"
#include "store/entry_text.h"
#include "store/pair_text.h"

namespace zrv {
namespace {

// Below 2^43 a three-decimal number read into a double comes back with the same three
// decimals, so its text can be rewritten without going through the value.
constexpr std::size_t kMostExactDigits = 12;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A number as the store writes it: an optional "-", 1 to 12 digits, ".", three digits.
std::optional<std::string_view> storeNumber(std::string_view text, std::size_t& at) {
    const std::size_t start = at;
    if (at < text.size() && text[at] == '-') {
        ++at;
    }
    const std::size_t digits = at;
    while (at < text.size() && isDigit(text[at])) {
        ++at;
    }
    const std::size_t whole = at - digits;
    if (whole == 0 || whole > kMostExactDigits || at + 4 > text.size() || text[at] != '.' ||
        !isDigit(text[at + 1]) || !isDigit(text[at + 2]) || !isDigit(text[at + 3])) {
        return std::nullopt;
    }
    at += 4;
    return text.substr(start, at - start);
}

// " X=" or " Y=" at `at`.
bool takeMarker(std::string_view text, std::size_t& at, char letter) {
    if (at + 3 > text.size() || text[at] != ' ' || text[at + 1] != letter || text[at + 2] != '=') {
        return false;
    }
    at += 3;
    return true;
}

// The numbers of a text made only of " X=" number " Y=" number pairs in the store's shape.
std::optional<std::vector<std::string_view>> storeNumbers(std::string_view text) {
    std::vector<std::string_view> numbers;
    std::size_t at = 0;
    while (at < text.size()) {
        for (const char letter : {'X', 'Y'}) {
            std::optional<std::string_view> number;
            if (!takeMarker(text, at, letter) || !(number = storeNumber(text, at))) {
                return std::nullopt;
            }
            numbers.push_back(*number);
        }
    }
    return numbers;
}

// A store number in the pattern "00.000": at least two whole digits, no sign on zero.
void appendTwoDigitPattern(std::string& out, std::string_view number) {
    const bool negative = number.front() == '-';
    if (negative) {
        number.remove_prefix(1);
    }
    std::string_view whole = number.substr(0, number.size() - 4);
    while (whole.size() > 2 && whole.front() == '0') {
        whole.remove_prefix(1);
    }
    if (negative && number.find_first_not_of("0.") != std::string_view::npos) {
        out += '-';
    }
    if (whole.size() < 2) {
        out += '0';
    }
    out += whole;
    out += number.substr(number.size() - 4);
}

}  // namespace

ReversedPath reversePath(std::string_view path) {
    if (const auto numbers = storeNumbers(path)) {
        std::string reversed;
        reversed.reserve(path.size());
        for (std::size_t k = numbers->size(); k >= 2; k -= 2) {
            reversed += " X=";
            appendTwoDigitPattern(reversed, (*numbers)[k - 2]);
            reversed += " Y=";
            appendTwoDigitPattern(reversed, (*numbers)[k - 1]);
        }
        return {std::move(reversed), true};
    }
    std::vector<Point> pairs = readPairs(path);
    std::reverse(pairs.begin(), pairs.end());
    // The decimal sign does not matter: KOMMA_PUNKT turns either into ".".
    return {pairsText(pairs, kPfadPattern, kCLocale), false};
}

std::string PFAD_UMKEHREN(std::string_view path) {
    return reversePath(path).text;
}

}  // namespace zrv
