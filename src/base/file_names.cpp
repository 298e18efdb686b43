#include "base/file_names.h"

#include <system_error>

namespace zrv {

namespace {

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0u) == 0x80u;
}

// The byte index where the last `count` characters of a UTF-8 text begin.
std::size_t startOfLastCharacters(std::string_view utf8, std::size_t count) {
    std::size_t index = utf8.size();
    while (index > 0 && count > 0) {
        --index;
        if (!isContinuationByte(utf8[index])) {
            --count;
        }
    }
    return index;
}

}  // namespace

std::filesystem::path fileSystemPath(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

bool holdsBytes(std::string_view path) {
    std::error_code error;
    const std::filesystem::path file = fileSystemPath(path);
    if (!std::filesystem::is_regular_file(file, error)) {
        return false;
    }
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    return !error && size > 0;
}

std::size_t characterCount(std::string_view utf8) {
    std::size_t count = 0;
    for (char c : utf8) {
        count += isContinuationByte(c) ? 0u : 1u;
    }
    return count;
}

std::string DATEI_OHNE_PFAD(std::string_view path) {
    if (characterCount(path) <= 4) {
        return {};
    }
    const std::size_t separator = path.find_last_of("\\/");
    return std::string(separator == std::string_view::npos ? path : path.substr(separator + 1));
}

std::optional<std::string> dateiBasis(std::string_view path) {
    const std::size_t point = path.find('.', startOfLastCharacters(path, 5));
    if (point == std::string_view::npos) {
        return std::nullopt;
    }
    return std::string(path.substr(0, point));
}

bool sameFile(std::string_view a, std::string_view b) {
    const std::filesystem::path first = fileSystemPath(a);
    const std::filesystem::path second = fileSystemPath(b);
    std::error_code error;
    if (std::filesystem::equivalent(first, second, error) && !error) {
        return true;
    }
    const std::filesystem::path one = std::filesystem::weakly_canonical(first, error);
    if (error) {
        return false;
    }
    const std::filesystem::path other = std::filesystem::weakly_canonical(second, error);
    return !error && one == other;
}

}  // namespace zrv
