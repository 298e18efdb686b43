#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace zrv::test {

// Whole files as bytes, read and written without the program's own file helpers, so that tests
// of them compare against an independent reading.

// Empty when the file cannot be opened.
inline std::string readBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

// Creates the file's folder; throws when the file cannot be written.
inline void writeBytes(const std::filesystem::path& path, std::string_view bytes) {
    if (path.has_parent_path()) {
        std::filesystem::create_directories(path.parent_path());
    }
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

// Lines joined with CR LF after each, as bytes.
inline std::string crlfFile(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line + "\r\n";
    }
    return bytes;
}

// ASCII text as UTF-16 little-endian, with or without its byte-order mark.
inline std::string utf16Bytes(std::string_view text, bool mark) {
    std::string bytes = mark ? "\xFF\xFE" : "";
    for (const char c : text) {
        bytes += {c, '\0'};
    }
    return bytes;
}

}  // namespace zrv::test
