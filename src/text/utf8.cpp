#include "text/utf8.h"

#include <cstdint>

namespace zrv {

void appendUtf8(std::string& out, char32_t c) {
    const auto byte = [](char32_t v) { return static_cast<char>(static_cast<std::uint8_t>(v)); };
    if (c < 0x80) {
        out.push_back(byte(c));
    } else if (c < 0x800) {
        out.push_back(byte(0xC0 | (c >> 6)));
        out.push_back(byte(0x80 | (c & 0x3F)));
    } else {
        out.push_back(byte(0xE0 | (c >> 12)));
        out.push_back(byte(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(byte(0x80 | (c & 0x3F)));
    }
}

// The next code point of a UTF-8 text; an invalid sequence gives U+FFFD and advances one byte.
char32_t nextCodePoint(std::string_view text, std::size_t& i) {
    const auto at = [&](std::size_t k) { return static_cast<std::uint8_t>(text[k]); };
    const std::uint8_t lead = at(i);
    int length = lead < 0x80           ? 1
                 : (lead >> 5) == 0x6  ? 2
                 : (lead >> 4) == 0xE  ? 3
                 : (lead >> 3) == 0x1E ? 4
                                       : 0;
    if (length == 0 || i + static_cast<std::size_t>(length) > text.size()) {
        ++i;
        return 0xFFFD;
    }
    char32_t c = length == 1 ? lead : static_cast<char32_t>(lead & (0x7F >> length));
    for (int k = 1; k < length; ++k) {
        const std::uint8_t next = at(i + static_cast<std::size_t>(k));
        if ((next & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        c = (c << 6) | (next & 0x3F);
    }
    i += static_cast<std::size_t>(length);
    return c;
}

}  // namespace zrv
