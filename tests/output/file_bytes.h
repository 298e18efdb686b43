#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zrv::test {

// Whole files as bytes, without the program's own text helpers.
void writeBytes(const std::filesystem::path& path, std::string_view bytes);
std::string readBytes(const std::filesystem::path& path);

// Lines joined with CR LF after each, as bytes.
std::string crlfFile(const std::vector<std::string>& lines);

}  // namespace zrv::test
