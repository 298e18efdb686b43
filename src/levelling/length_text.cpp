#include "levelling/length_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace zrv {

// In whole micrometres: a levelled program writes hundreds of thousands of these.
std::string lengthText(double millimetres) {
    const double microns = std::round(millimetres * 1000);
    if (microns == 0 || !std::isfinite(microns)) {
        return "0";
    }
    char text[400];
    if (std::abs(microns) >= 1e15) {
        const auto end =
            std::to_chars(text, text + sizeof text, microns / 1000, std::chars_format::fixed, 3)
                .ptr;
        return std::string(text, end);
    }
    const auto whole = static_cast<std::int64_t>(std::abs(microns));
    std::string result = microns < 0 ? "-" : "";
    const auto end = std::to_chars(text, text + sizeof text, whole / 1000).ptr;
    result.append(text, end);
    std::int64_t fraction = whole % 1000;
    if (fraction != 0) {
        int digits = 3;
        while (fraction % 10 == 0) {
            fraction /= 10;
            --digits;
        }
        result += '.';
        const auto fractionEnd = std::to_chars(text, text + sizeof text, fraction).ptr;
        result.append(static_cast<std::size_t>(digits - (fractionEnd - text)), '0');
        result.append(text, fractionEnd);
    }
    return result;
}

}  // namespace zrv
