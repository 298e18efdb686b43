#pragma once

#include <string>

#include "gcode/gcode_words.h"

namespace zrv {

// Why GRBL 1.1 (as built by default) does not run this G or M word, in German with the word
// as written ("M6 – Werkzeugwechsel kennt GRBL 1.1 nicht ..."); empty for a word it runs.
std::string rejectedWord(const GcodeWord& word);

// What a line's words ask of the link.
struct LineWords {
    bool pause = false;   // M0
    bool eeprom = false;  // G10 L2 or L20, G28.1, G30.1: written to the controller's EEPROM
};
LineWords lineWords(const GcodeWords& words);

}  // namespace zrv
