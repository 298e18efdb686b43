#include "output/format_length.h"

#include "text/number_format.h"

namespace zrv {

std::string FORMAT_LAENGE(double millimetres, NumberLocale locale) {
    const double x = millimetres;
    std::string text = formatPattern(x / 1000, "#,##0", locale) + "m";
    if (x <= 1000) {
        text = formatPattern(x / 10, "#,##0", locale) + "cm";
    }
    if (x <= 100) {
        text = formatPattern(x, "#,##0", locale) + "mm";
    }
    if (x <= 10) {
        text = formatPattern(x, "#,##0.0##", locale) + "mm";
    }
    return text;
}

}  // namespace zrv
