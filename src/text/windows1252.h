#pragma once

#include <string>
#include <string_view>

namespace zrv {

// The program keeps its texts in UTF-8; files are written and read in Windows-1252.
// A character that Windows-1252 cannot hold is written as "?".
std::string utf8ToWindows1252(std::string_view utf8);
std::string windows1252ToUtf8(std::string_view bytes);

}  // namespace zrv
