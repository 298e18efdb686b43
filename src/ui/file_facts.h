#pragma once

#include <filesystem>
#include <string>

namespace zrv {

// A path as the program's UTF-8 text, the same on every system.
std::string textOf(const std::filesystem::path& path);

}  // namespace zrv
