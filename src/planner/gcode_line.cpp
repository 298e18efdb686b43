#include "planner/gcode_line.h"

#include <charconv>
#include <cmath>

namespace zrv {
namespace {

// Reads the number of a word from `at` on; the controller ignores blanks anywhere in a line.
std::optional<double> wordNumber(std::string_view line, std::size_t& at) {
    while (at < line.size() && line[at] == ' ') {
        ++at;
    }
    if (at < line.size() && line[at] == '+') {
        ++at;
    }
    double value = 0;
    const char* begin = line.data() + at;
    const auto [end, error] =
        std::from_chars(begin, line.data() + line.size(), value, std::chars_format::fixed);
    if (error != std::errc() || !std::isfinite(value)) {
        return std::nullopt;
    }
    at += static_cast<std::size_t>(end - begin);
    return value;
}

void applyG(double code, GcodeLine& read) {
    if (code == 0) {
        read.motion = Motion::Rapid;
    } else if (code == 1) {
        read.motion = Motion::Linear;
    } else if (code == 2 || code == 3 || code == 28 || code == 30 || (code >= 38 && code < 39)) {
        read.motion = Motion::Other;
    } else if (code == 4) {
        read.dwell = read.dwell.value_or(0);
    } else if (code == 20 || code == 21) {
        read.inches = code == 20;
    } else if (code == 90 || code == 91) {
        read.absolute = code == 90;
    }
}

void applyWord(char letter, double value, GcodeLine& read) {
    switch (letter) {
        case 'G':
            applyG(value, read);
            break;
        case 'M':
            read.standStill = read.standStill || value == 0 || value == 1 || value == 2 ||
                              value == 30 || value == 3 || value == 4 || value == 5;
            break;
        case 'X':
            read.x = value;
            break;
        case 'Y':
            read.y = value;
            break;
        case 'Z':
            read.z = value;
            break;
        case 'F':
            read.feed = value;
            break;
        default:
            break;
    }
}

}  // namespace

GcodeLine readGcodeLine(std::string_view line) {
    GcodeLine read;
    std::optional<double> p;
    std::size_t at = 0;
    while (at < line.size()) {
        char letter = line[at++];
        if (letter == '(') {
            const auto close = line.find(')', at);
            at = close == std::string_view::npos ? line.size() : close + 1;
            continue;
        }
        if (letter == ';' || letter == '$' || letter == '?') {
            break;
        }
        if (letter >= 'a' && letter <= 'z') {
            letter = static_cast<char>(letter - 'a' + 'A');
        }
        if (letter < 'A' || letter > 'Z') {
            continue;
        }
        if (const auto value = wordNumber(line, at)) {
            if (letter == 'P') {
                p = value;
            } else {
                applyWord(letter, *value, read);
            }
        }
    }
    // P means the dwell only beside G4.
    if (read.dwell && p) {
        read.dwell = *p;
    }
    return read;
}

}  // namespace zrv
