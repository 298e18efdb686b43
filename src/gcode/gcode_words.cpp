#include "gcode/gcode_words.h"

#include <charconv>
#include <cstdint>

namespace zrv {
namespace {

// The characters GRBL's parser sees, with where each stands in the line. Only the first `size`
// are set: filling the rest would cost more than reading most lines.
struct Code {
    std::array<char, kGrblLineChars> chars;
    std::array<std::size_t, kGrblLineChars> at;
    std::size_t size = 0;
    bool overflow = false;
};

bool leftOut(unsigned char c) {
    return c <= ' ' || c == '/' || c == '?' || c == '!' || c == '~' || c >= 0x80;
}

Code codeOf(std::string_view line, std::string_view& comment) {
    Code code;
    for (std::size_t k = 0; k < line.size(); ++k) {
        const char c = line[k];
        if (c == '(' || c == ';') {
            if (comment.empty()) {
                comment = line.substr(k);
            }
            const std::size_t close = c == '(' ? line.find(')', k) : std::string_view::npos;
            if (close == std::string_view::npos) {
                break;
            }
            k = close;
        } else if (!leftOut(static_cast<unsigned char>(c))) {
            if (code.size == code.chars.size()) {
                code.overflow = true;
                break;
            }
            code.chars[code.size] = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
            code.at[code.size++] = k;
        }
    }
    return code;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The end of the number that starts at `from`: a sign, digits and one point; `from` when it
// holds no digit.
std::size_t numberEnd(const Code& code, std::size_t from) {
    std::size_t k = from;
    if (k < code.size && (code.chars[k] == '+' || code.chars[k] == '-')) {
        ++k;
    }
    bool point = false;
    bool digit = false;
    for (; k < code.size; ++k) {
        const char c = code.chars[k];
        if (isDigit(c)) {
            digit = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    return digit ? k : from;
}

double numberValue(const Code& code, std::size_t from, std::size_t end) {
    const char* first = code.chars.data() + from;
    if (*first == '+') {
        ++first;
    }
    double value = 0;
    std::from_chars(first, code.chars.data() + end, value, std::chars_format::fixed);
    return value;
}

// A set of letters as bits, A the lowest.
constexpr std::uint32_t letters(std::string_view set) {
    std::uint32_t bits = 0;
    for (const char c : set) {
        bits |= 1U << (c - 'A');
    }
    return bits;
}

bool in(std::uint32_t set, char letter) {
    return ((set >> (letter - 'A')) & 1U) != 0;
}

constexpr std::uint32_t kKnown = letters("FGIJKLMNPRSTXYZ");
constexpr std::uint32_t kNeverNegative = letters("FNPST");
constexpr std::uint32_t kRepeatable = letters("GM");

void refuse(GcodeWords& read, int error, std::string why) {
    read.count = 0;
    read.grblError = error;
    read.refusal = std::move(why) + " (error:" + std::to_string(error) + ")";
}

std::string quoted(std::string_view text) {
    return "„" + std::string(text) + "“";
}

// Whether the word is one GRBL takes beside those before it (`seen`); refuses the line when not.
bool acceptWord(const GcodeWord& word, const Code& code, std::size_t end, std::uint32_t seen,
                GcodeWords& read) {
    if (end < code.size && code.chars[end] == 'E') {
        refuse(read, 20, quoted(word.text) + " mit Exponent: GRBL liest keine Zahl mit „E“");
    } else if (!in(kKnown, word.letter)) {
        refuse(read, 20, "GRBL kennt kein Wort " + quoted(std::string(1, word.letter)));
    } else if (in(kNeverNegative, word.letter) && word.value < 0) {
        refuse(read, 4, quoted(word.text) + ": " + word.letter + " darf nicht negativ sein");
    } else if (in(seen & ~kRepeatable, word.letter)) {
        refuse(read, 25, quoted(std::string(1, word.letter)) + " steht zweimal in der Zeile");
    }
    return read.grblError == 0;
}

void readWords(const Code& code, std::string_view line, GcodeWords& read) {
    std::uint32_t seen = 0;
    std::size_t k = 0;
    while (k < code.size) {
        const char letter = code.chars[k];
        if (letter < 'A' || letter > 'Z') {
            refuse(read, 1, quoted(line.substr(code.at[k], 1)) + " beginnt kein Wort");
            return;
        }
        const std::size_t end = numberEnd(code, k + 1);
        if (end == k + 1) {
            refuse(read, 2, "Auf " + quoted(std::string(1, letter)) + " folgt keine Zahl");
            return;
        }
        const std::size_t first = code.at[k];
        const GcodeWord word{letter, line.substr(first, code.at[end - 1] + 1 - first),
                             numberValue(code, k + 1, end)};
        if (!acceptWord(word, code, end, seen, read)) {
            return;
        }
        seen |= 1U << (letter - 'A');
        read.slots[read.count++] = word;
        k = end;
    }
}

}  // namespace

GcodeWords readGcodeWords(std::string_view line) {
    GcodeWords read;
    readGcodeWords(line, read);
    return read;
}

void readGcodeWords(std::string_view line, GcodeWords& read) {
    read.count = 0;
    read.comment = {};
    read.system = false;
    read.grblError = 0;
    read.refusal.clear();
    const Code code = codeOf(line, read.comment);
    if (code.overflow) {
        refuse(read, 11,
               "Die Zeile hat mehr als " + std::to_string(kGrblLineChars) +
                   " Zeichen ohne Leerzeichen und Kommentare");
    } else if (code.size > 0 && code.chars[0] == '$') {
        read.system = true;
    } else {
        readWords(code, line, read);
    }
}

}  // namespace zrv
