#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zrv {

// Appends a code point below U+10000 as UTF-8.
void appendUtf8(std::string& out, char32_t c);

// The next code point of a UTF-8 text, from `i` on; an invalid sequence gives U+FFFD and
// advances one byte.
char32_t nextCodePoint(std::string_view text, std::size_t& i);

}  // namespace zrv
