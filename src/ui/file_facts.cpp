#include "ui/file_facts.h"

#include "reader/file_names.h"

namespace zrv {

std::string textOf(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
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

}  // namespace zrv
