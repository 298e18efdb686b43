#include "levelling/length_text.h"

#include <charconv>
#include <cmath>

namespace zrv {

std::string lengthText(double millimetres) {
    const double rounded = std::round(millimetres * 1000) / 1000;
    if (rounded == 0 || !std::isfinite(rounded)) {
        return "0";
    }
    char text[400];
    const auto end =
        std::to_chars(text, text + sizeof text, rounded, std::chars_format::fixed, 3).ptr;
    std::string result(text, end);
    while (result.back() == '0') {
        result.pop_back();
    }
    if (result.back() == '.') {
        result.pop_back();
    }
    return result;
}

}  // namespace zrv
