#include "ui/common/file_facts.h"

namespace zrv {

std::string textOf(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

bool drawingInMemory(const DrawingFile& file, Platform& platform, std::string_view messageTitle) {
    if (!file.DATEI_INHALT.empty()) {
        return true;
    }
    platform.message("no Datei", messageTitle);
    return false;
}

}  // namespace zrv
