#include "controller/grbl_words.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace zrv {
namespace {

// G and M codes in tenths (G38.2 is 382), as GRBL 1.1's interface documentation lists them.
constexpr int kGcodes[] = {0,   10,  20,  30,  40,  100, 170, 180, 190, 200, 210, 280, 281,
                           300, 301, 382, 383, 384, 385, 400, 431, 490, 530, 540, 550, 560,
                           570, 580, 590, 610, 800, 900, 910, 911, 920, 921, 930, 940};
constexpr int kMcodes[] = {0, 10, 20, 30, 40, 50, 80, 90, 300};

int tenths(double value) {
    return std::abs(value) < 1e6 ? static_cast<int>(std::lround(value * 10)) : -1;
}

bool known(const int* begin, const int* end, double value) {
    const int code = tenths(value);
    return std::fabs(value * 10 - code) < 1e-6 && std::find(begin, end, code) != end;
}

}  // namespace

std::string rejectedWord(const GcodeWord& word) {
    if (word.letter != 'G' && word.letter != 'M') {
        return {};
    }
    const int code = tenths(word.value);
    std::string_view why;
    if (word.letter == 'M' && code == 60) {
        why =
            " – Werkzeugwechsel kennt GRBL 1.1 nicht (error:20 mitten im Job): M0 und neu "
            "antasten statt M6";
    } else if (word.letter == 'M' && (code == 70 || code == 560)) {
        why = " – nur bei besonders übersetztem GRBL 1.1 vorhanden (sonst error:20)";
    } else if (word.letter == 'G' && !known(std::begin(kGcodes), std::end(kGcodes), word.value)) {
        why = " – G-Befehl, den GRBL 1.1 nicht kennt (error:20 mitten im Job)";
    } else if (word.letter == 'M' && !known(std::begin(kMcodes), std::end(kMcodes), word.value)) {
        why = " – M-Befehl, den GRBL 1.1 nicht kennt (error:20 mitten im Job)";
    }
    return why.empty() ? std::string{} : std::string(word.text) + std::string(why);
}

LineWords lineWords(const GcodeWords& words) {
    LineWords read;
    bool g10 = false;
    bool eepromL = false;
    for (const GcodeWord& word : words.words()) {
        const int code = tenths(word.value);
        if (word.letter == 'M' && code == 0) {
            read.pause = true;
        } else if (word.letter == 'G' && (code == 281 || code == 301)) {
            read.eeprom = true;
        } else if (word.letter == 'G' && code == 100) {
            g10 = true;
        } else if (word.letter == 'L' && (code == 20 || code == 200)) {
            eepromL = true;
        }
    }
    read.eeprom = read.eeprom || (g10 && eepromL);
    return read;
}

}  // namespace zrv
