#include "text/windows1252.h"

#include <array>
#include <cstdint>

#include "text/utf8.h"

namespace zrv {
namespace {

// Code points of the bytes 0x80 to 0x9F; the five unused bytes keep their C1 code points so
// that reading and writing a file give back the same bytes.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char windows1252Byte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<char>(static_cast<std::uint8_t>(c));
    }
    for (std::size_t k = 0; k < kHighControls.size(); ++k) {
        if (kHighControls[k] == c) {
            return static_cast<char>(static_cast<std::uint8_t>(0x80 + k));
        }
    }
    return '?';
}

}  // namespace

std::string utf8ToWindows1252(std::string_view utf8) {
    std::string bytes;
    bytes.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        if (static_cast<std::uint8_t>(utf8[i]) < 0x80) {
            bytes.push_back(utf8[i++]);
            continue;
        }
        bytes.push_back(windows1252Byte(nextCodePoint(utf8, i)));
    }
    return bytes;
}

std::string windows1252ToUtf8(std::string_view bytes) {
    std::string utf8;
    utf8.reserve(bytes.size());
    for (char b : bytes) {
        const auto byte = static_cast<std::uint8_t>(b);
        if (byte < 0x80) {
            utf8.push_back(b);
        } else if (byte < 0xA0) {
            appendUtf8(utf8, kHighControls[byte - 0x80U]);
        } else {
            appendUtf8(utf8, byte);
        }
    }
    return utf8;
}

}  // namespace zrv
