#include "text/number_scan.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace zrv {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The characters of the leading number, blanks removed: sign, digits, one point, digits.
struct Scanned {
    bool negative = false;
    bool anyDigit = false;
    bool nonZeroBeforePoint = false;
    std::string number;  // digits and at most one ".", no sign
};

Scanned scan(std::string_view text) {
    Scanned s;
    std::size_t i = 0;
    const auto skipBlanks = [&] {
        while (i < text.size() && isBlank(text[i])) {
            ++i;
        }
    };
    skipBlanks();
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        s.negative = text[i] == '-';
        ++i;
    }
    bool point = false;
    for (skipBlanks(); i < text.size(); ++i, skipBlanks()) {
        const char c = text[i];
        if (isDigit(c)) {
            s.anyDigit = true;
            s.nonZeroBeforePoint = s.nonZeroBeforePoint || (!point && c != '0');
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
        s.number.push_back(c);
    }
    return s;
}

}  // namespace

double leadingNumber(std::string_view text) {
    return leadingNumberIfAny(text).value_or(0);
}

std::optional<double> leadingNumberIfAny(std::string_view text) {
    const Scanned s = scan(text);
    if (!s.anyDigit) {
        return std::nullopt;
    }
    double value = 0;
    const char* first = s.number.data();
    const char* last = first + s.number.size();
    const auto result = std::from_chars(first, last, value, std::chars_format::fixed);
    if (result.ec == std::errc::result_out_of_range) {
        value = s.nonZeroBeforePoint ? std::numeric_limits<double>::infinity() : 0.0;
    }
    if (value == 0) {
        return 0.0;  // never -0
    }
    return s.negative ? -value : value;
}

std::string KOMMA_PUNKT(std::string text) {
    std::replace(text.begin(), text.end(), ',', '.');
    return text;
}

double numberFromText(std::string_view text) {
    return numberInText(text).value_or(0);
}

std::optional<double> numberInText(std::string_view text) {
    return leadingNumberIfAny(KOMMA_PUNKT(std::string(text)));
}

}  // namespace zrv
