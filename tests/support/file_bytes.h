#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace zrv::test {

// A whole file as bytes, read without the program's own file helpers so that tests of them
// compare against an independent reading; empty when the file cannot be opened.
inline std::string readBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

}  // namespace zrv::test
