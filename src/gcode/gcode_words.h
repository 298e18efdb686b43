#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace zrv {

// One word of a program line: a letter and its number.
struct GcodeWord {
    char letter = 0;        // upper case
    std::string_view text;  // as the line wrote it, letter included: "G01", "x+1.5"
    double value = 0;       // as written (GRBL itself keeps 8 digits in a float)
};

// GRBL 1.1 keeps at most 79 characters of a line (blanks and comments left out), so a line it
// takes holds at most 39 words.
inline constexpr std::size_t kGrblLineChars = 79;
inline constexpr std::size_t kMostGcodeWords = 40;

// A program line as GRBL 1.1 reads it. Blanks, control characters, "/" and the real-time
// commands ("?", "!", "~", bytes from 0x80) are not part of the line; "(" starts a comment that
// runs to ")" or the line's end, ";" one that runs to the end. A letter is read in either case,
// its number has an optional sign, digits and at most one point, never an exponent.
struct GcodeWords {
    std::array<GcodeWord, kMostGcodeWords> slots;
    std::size_t count = 0;
    std::string_view comment;  // the line from its first comment on, as written: "(anheben) "
    bool system = false;       // a "$" line for the controller itself: no words
    int grblError = 0;         // the "error:N" GRBL answers the line with; 0 when it takes it
    std::string refusal;       // why, in German; no words then

    std::span<const GcodeWord> words() const { return {slots.data(), count}; }
};

// GRBL refuses a line for its syntax (a character that starts no word, a letter without a number,
// a number with an exponent, a letter it does not know, a word given twice, a negative feed,
// speed, dwell, tool or line number, a line too long) before it looks at what the words mean.
GcodeWords readGcodeWords(std::string_view line);
// The same into `read`, which a pass over a whole program keeps from line to line: its slots
// are not filled anew for every line.
void readGcodeWords(std::string_view line, GcodeWords& read);

}  // namespace zrv
