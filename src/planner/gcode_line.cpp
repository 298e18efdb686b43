#include "planner/gcode_line.h"

namespace zrv {
namespace {

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

GcodeLine gcodeLine(const GcodeWords& words) {
    GcodeLine read;
    std::optional<double> p;
    for (const GcodeWord& word : words.words()) {
        if (word.letter == 'P') {
            p = word.value;
        } else {
            applyWord(word.letter, word.value, read);
        }
    }
    // P means the dwell only beside G4.
    if (read.dwell && p) {
        read.dwell = *p;
    }
    return read;
}

}  // namespace zrv
