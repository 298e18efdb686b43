#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "support/file_bytes.h"

namespace zrv::test {

// Whole files as bytes, without the program's own text helpers (readBytes: tests/support).
void writeBytes(const std::filesystem::path& path, std::string_view bytes);

// Lines joined with CR LF after each, as bytes.
std::string crlfFile(const std::vector<std::string>& lines);

}  // namespace zrv::test
