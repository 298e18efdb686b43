#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace zrv {

// Paths from and to the program's UTF-8 texts, the same on every system.
std::filesystem::path pathOf(std::string_view utf8Text);
std::string textOf(const std::filesystem::path& path);

// A regular file with a length above 0 bytes.
bool holdsBytes(std::string_view path);

}  // namespace zrv
