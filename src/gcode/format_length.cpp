#include "gcode/format_length.h"

#include <cmath>

#include "text/number_format.h"

namespace zrv {

std::string FORMAT_LAENGE(double millimetres, NumberLocale locale) {
    const double x = millimetres;
    if (!std::isfinite(x)) {
        return "?";
    }
    if (x <= 10) {
        return formatPattern(x, "#,##0.0##", locale) + "mm";
    }
    if (x <= 100) {
        return formatPattern(x, "#,##0", locale) + "mm";
    }
    if (x <= 1000) {
        return formatPattern(x / 10, "#,##0", locale) + "cm";
    }
    return formatPattern(x / 1000, "#,##0", locale) + "m";
}

}  // namespace zrv
