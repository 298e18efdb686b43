#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zrv {

// The leading number of a text: blanks are skipped wherever they occur, then an optional
// sign, digits, at most one "." and further digits; the scan stops at the first character that
// cannot continue the number. A text without a leading number reads as 0, and so does "-0".
double leadingNumber(std::string_view text);

// The same, but empty when the text does not begin with a number at all ("abc", "", "-").
std::optional<double> leadingNumberIfAny(std::string_view text);

// KOMMA_PUNKT: every "," of the text becomes ".".
std::string KOMMA_PUNKT(std::string text);

// A number typed by the user or read from a box: every "," becomes "." and the leading number
// is taken (the text 1,5 gives 1.5, 300 mm/min gives 300, the empty text gives 0).
double numberFromText(std::string_view text);

// numberFromText, empty when the text holds no leading number to read.
std::optional<double> numberInText(std::string_view text);

}  // namespace zrv
