#include "gcode/comment_text.h"

#include <array>
#include <utility>

#include "text/utf8.h"

namespace zrv {
namespace {

// The characters behind the bytes 0x80 to 0xA1 and what stands in their place.
constexpr std::array<std::pair<char32_t, std::string_view>, 29> kLookAlikes{{
    {0x20AC, "EUR"}, {0x201A, ","},  {0x0192, "f"}, {0x201E, "\""},   {0x2026, "..."},
    {0x2020, "+"},   {0x2021, "+"},  {0x02C6, "^"}, {0x2030, "o/oo"}, {0x0160, "S"},
    {0x2039, "<"},   {0x0152, "OE"}, {0x017D, "Z"}, {0x2018, "'"},    {0x2019, "'"},
    {0x201C, "\""},  {0x201D, "\""}, {0x2022, "-"}, {0x2013, "-"},    {0x2014, "-"},
    {0x02DC, "-"},   {0x2122, "TM"}, {0x0161, "s"}, {0x203A, ">"},    {0x0153, "oe"},
    {0x017E, "z"},   {0x0178, "Y"},  {0x00A0, " "}, {0x00A1, "i"},
}};

// What cannot stand in a comment and has no look-alike: a control character, a character that
// Windows-1252 cannot hold (it would be written as "?"), a broken UTF-8 sequence.
constexpr char kNoLookAlike = '_';

void appendAscii(std::string& out, char c) {
    switch (c) {
        case '(':
            out += '[';
            break;
        case ')':
            out += ']';
            break;
        case '!':
            out += '.';
            break;
        case '~':
            out += '-';
            break;
        case '?':
            out += kNoLookAlike;
            break;
        default:
            out += (c < 0x20 || c == 0x7F) ? kNoLookAlike : c;
    }
}

void appendWide(std::string& out, char32_t c) {
    for (const auto& [character, lookAlike] : kLookAlikes) {
        if (character == c) {
            out += lookAlike;
            return;
        }
    }
    if (c >= 0xA2 && c <= 0xFF) {
        appendUtf8(out, c);
    } else {
        out += kNoLookAlike;
    }
}

}  // namespace

std::string commentSafe(std::string_view text) {
    std::string safe;
    safe.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        if (static_cast<unsigned char>(text[i]) < 0x80) {
            appendAscii(safe, text[i++]);
        } else {
            appendWide(safe, nextCodePoint(text, i));
        }
    }
    return safe;
}

}  // namespace zrv
