#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz_targets.h"
#include "text/number_scan.h"

namespace zrv::fuzz {
namespace {

// The rule read plainly: blanks (space, tab) are skipped everywhere, then an optional sign,
// digits, at most one point, digits; the C library converts what was collected.
double referenceNumber(std::string_view text) {
    std::string collected;
    bool signAllowed = true;
    bool point = false;
    bool digit = false;
    for (char c : text) {
        if (c == ' ' || c == '\t') {
            continue;
        }
        if (signAllowed && (c == '-' || c == '+')) {
            collected += c;
        } else if (c >= '0' && c <= '9') {
            collected += c;
            digit = true;
        } else if (c == '.' && !point) {
            collected += c;
            point = true;
        } else {
            break;
        }
        signAllowed = false;
    }
    if (!digit) {
        return 0;
    }
    const double value = std::strtod(collected.c_str(), nullptr);
    return value == 0 ? 0 : value;  // -0 is plain 0
}

std::string describe(std::string_view text, double got, double expected) {
    char buffer[120];
    std::snprintf(buffer, sizeof buffer, " gives %.17g, the rule %.17g", got, expected);
    return "\"" + std::string(text.substr(0, 80)) + "\"" + buffer;
}

}  // namespace

std::string leadingNumberScan(Bytes data) {
    const std::string text(data.begin(), data.end());
    const double got = leadingNumber(text);
    const double expected = referenceNumber(text);
    if (!(got == expected) || std::signbit(got) != std::signbit(expected)) {
        return "leadingNumber " + describe(text, got, expected);
    }
    const double typed = numberFromText(text);
    const double typedExpected = referenceNumber(KOMMA_PUNKT(text));
    if (!(typed == typedExpected) || std::signbit(typed) != std::signbit(typedExpected)) {
        return "numberFromText " + describe(text, typed, typedExpected);
    }
    return {};
}

}  // namespace zrv::fuzz
