#include "ui/file_facts.h"

namespace zrv {

std::filesystem::path pathOf(std::string_view utf8Text) {
    return std::filesystem::path(std::u8string(utf8Text.begin(), utf8Text.end()));
}

std::string textOf(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

bool holdsBytes(std::string_view path) {
    std::error_code error;
    const std::filesystem::path file = pathOf(path);
    if (!std::filesystem::is_regular_file(file, error)) {
        return false;
    }
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    return !error && size > 0;
}

}  // namespace zrv
