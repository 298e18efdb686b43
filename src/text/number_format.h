#pragma once

#include <string>
#include <string_view>

#include "text/number_locale.h"

namespace zrv {

// Which helper writes which number. formatPattern: the figure store's entries ("0000.000"), the
// milling table, the reference tables, the height map's heights and every count or minute the
// window and the program header show ("#,##0"). numberText: captions and status lines (scale,
// calibration, machine profile). settings/plain_number's plainNumberText (numberText without an
// exponent): a parameter text written back into its box and the settings file, the parameter
// values and step depths in program lines ("." as decimal sign), and numbers inside refusals.
// gcode/format_length's FORMAT_LAENGE: a travel with its unit (window and program header).
// levelling/length_text's lengthText: a coordinate the probing and the levelling write into a
// program line (three decimals at most). The command line's "info" writes the shortest text that
// reads back as the same double (job/report).

// Formats a number with one of the patterns "0000.000", "00.000", "0.000", "0.00#", "0.0",
// "#,##0", "#,##0.0##": "0" is a digit always written, "#" one written only when needed,
// "." the decimal sign and "," the grouping sign of the locale. Exact halves (on the double's
// exact binary value) round away from zero. A value below zero keeps its minus sign even when
// every shown digit is 0; zero, -0.0 included, never carries a sign.
std::string formatPattern(double value, std::string_view pattern, NumberLocale locale);

// The ordinary conversion of a double to text: no grouping, the locale's decimal sign,
// up to 15 significant digits, no trailing zeros (5 gives "5", 2.54 gives "2,54" in German).
std::string numberText(double value, NumberLocale locale);

}  // namespace zrv
