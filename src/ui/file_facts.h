#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace zrv {

// A path as the program's UTF-8 text, the same on every system.
std::string textOf(const std::filesystem::path& path);

// A regular file with a length above 0 bytes.
bool holdsBytes(std::string_view path);

}  // namespace zrv
