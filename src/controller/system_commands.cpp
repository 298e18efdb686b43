#include "controller/system_commands.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "gcode/gcode_words.h"

namespace zrv {
namespace {

std::string capitals(std::string_view text) {
    std::string upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return upper;
}

bool plainNumber(std::string_view text) {
    const std::size_t digits = text.find_first_not_of("0123456789.", text.starts_with('-') ? 1 : 0);
    return digits == std::string_view::npos && text.find_first_of("0123456789") != text.npos &&
           std::count(text.begin(), text.end(), '.') <= 1;
}

// GRBL reads the rest of "$J=", "$N0=" and "$N1=" as a G-code line.
bool gcodeRest(std::string_view rest) {
    return readGcodeWords(rest).grblError == 0;
}

bool known(std::string_view line) {
    constexpr std::array kAlone{"$",  "$$", "$#",   "$G",     "$I",     "$N",    "$X",
                                "$H", "$C", "$SLP", "$RST=$", "$RST=#", "$RST=*"};
    if (std::find(kAlone.begin(), kAlone.end(), line) != kAlone.end()) {
        return true;
    }
    if (line.starts_with("$J=")) {
        return gcodeRest(line.substr(3));
    }
    if (line.starts_with("$N0=") || line.starts_with("$N1=")) {
        return gcodeRest(line.substr(4));
    }
    if (line.starts_with("$I=")) {
        return line.find(')') == std::string_view::npos;
    }
    const std::size_t equals = line.find('=');
    return equals != std::string_view::npos && equals > 1 &&
           line.substr(1, equals - 1).find_first_not_of("0123456789") == std::string_view::npos &&
           plainNumber(line.substr(equals + 1));
}

}  // namespace

std::string systemCommandRefusal(std::string_view send) {
    if (known(capitals(send))) {
        return {};
    }
    return "„" + std::string(send) + "“ ist kein $-Befehl von GRBL 1.1 (error:3 mitten im Job)";
}

}  // namespace zrv
