#include "gcode/gcode_words.h"

#include <charconv>
#include <cstdint>

namespace zrv {
namespace {

// The characters GRBL's parser sees, with where each stands in the line. A line that holds
// nothing else, as a line stripped for sending does, is read where it is: copying it would cost
// more than reading it.
struct Code {
    std::array<char, kGrblLineChars> chars;
    std::array<std::size_t, kGrblLineChars> at;  // set only when not `plain`
    std::string_view text;                       // `chars`, or the line itself when `plain`
    bool plain = false;
    bool overflow = false;

    Code() = default;
    Code(const Code&) = delete;
    Code& operator=(const Code&) = delete;

    std::size_t size() const { return text.size(); }
    std::size_t where(std::size_t k) const { return plain ? k : at[k]; }
};

constexpr bool leftOut(unsigned char c) {
    return c <= ' ' || c == '/' || c == '?' || c == '!' || c == '~' || c >= 0x80;
}

// Characters the parser takes as they are: not left out, no comment, no lower case.
constexpr std::array<bool, 256> kPlain = [] {
    std::array<bool, 256> plain{};
    for (int c = 0; c < 256; ++c) {
        plain[static_cast<std::size_t>(c)] = !leftOut(static_cast<unsigned char>(c)) && c != '(' &&
                                             c != ';' && !(c >= 'a' && c <= 'z');
    }
    return plain;
}();

bool isPlain(std::string_view line) {
    if (line.size() > kGrblLineChars) {
        return false;
    }
    for (const char c : line) {
        if (!kPlain[static_cast<unsigned char>(c)]) {
            return false;
        }
    }
    return true;
}

void codeOf(std::string_view line, Code& code, std::string_view& comment) {
    if (isPlain(line)) {
        code.text = line;
        code.plain = true;
        return;
    }
    std::size_t size = 0;
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
            if (size == code.chars.size()) {
                code.overflow = true;
                break;
            }
            code.chars[size] = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
            code.at[size++] = k;
        }
    }
    code.text = std::string_view(code.chars.data(), size);
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
constexpr std::size_t kExactDigits = 15;  // below 2^53: the digits are an exact double

struct Number {
    std::size_t end = 0;  // `from` when no number starts there
    double value = 0;
};

// Reads the digits from `k` on into `digits` (past 19 of them it overflows, unused then);
// how many there were.
std::size_t digitsAt(std::string_view text, std::size_t& k, std::uint64_t& digits) {
    const std::size_t first = k;
    for (; k < text.size() && isDigit(text[k]); ++k) {
        digits = digits * 10 + static_cast<std::uint64_t>(text[k] - '0');
    }
    return k - first;
}

// The number that starts at `from`: a sign, digits and at most one point. With at most 15
// digits both the digits and the power of ten are exact doubles, so their quotient is the
// correctly rounded value, the one std::from_chars gives, at a fraction of its cost.
Number numberAt(const Code& code, std::size_t from) {
    const std::string_view text = code.text;
    std::size_t k = from;
    const bool sign = k < text.size() && (text[k] == '+' || text[k] == '-');
    const bool negative = sign && text[k] == '-';
    k += sign ? 1 : 0;
    std::uint64_t digits = 0;
    const std::size_t whole = digitsAt(text, k, digits);
    std::size_t fraction = 0;
    if (k < text.size() && text[k] == '.') {
        ++k;
        fraction = digitsAt(text, k, digits);
    }
    const std::size_t count = whole + fraction;
    if (count == 0) {
        return {from, 0};
    }
    if (count <= kExactDigits) {
        const double value = static_cast<double>(digits) / kPowersOfTen[fraction];
        return {k, negative ? -value : value};
    }
    const char* first = text.data() + from + (negative ? 0 : (sign ? 1 : 0));
    double value = 0;
    std::from_chars(first, text.data() + k, value, std::chars_format::fixed);
    return {k, value};
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
    if (end < code.size() && code.text[end] == 'E') {
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
    while (k < code.size()) {
        const char letter = code.text[k];
        if (letter < 'A' || letter > 'Z') {
            refuse(read, 1, quoted(line.substr(code.where(k), 1)) + " beginnt kein Wort");
            return;
        }
        const Number number = numberAt(code, k + 1);
        const std::size_t end = number.end;
        if (end == k + 1) {
            refuse(read, 2, "Auf " + quoted(std::string(1, letter)) + " folgt keine Zahl");
            return;
        }
        const std::size_t first = code.where(k);
        const GcodeWord word{letter, line.substr(first, code.where(end - 1) + 1 - first),
                             number.value};
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
    Code code;
    codeOf(line, code, read.comment);
    if (code.overflow) {
        refuse(read, 11,
               "Die Zeile hat mehr als " + std::to_string(kGrblLineChars) +
                   " Zeichen ohne Leerzeichen und Kommentare");
    } else if (code.size() > 0 && code.text[0] == '$') {
        read.system = true;
    } else {
        readWords(code, line, read);
    }
}

}  // namespace zrv
