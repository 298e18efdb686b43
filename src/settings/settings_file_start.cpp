#include <fstream>

#include "base/file_names.h"
#include "settings/settings_file.h"

namespace zrv {
namespace {

// Opening for appending leaves an existing file as it is; a failure is no error here.
void createIfMissing(const std::filesystem::path& path) {
    const std::ofstream file(path, std::ios::app);
}

}  // namespace

std::optional<std::string> folderOfPath(std::string_view path) {
    const std::size_t separator = path.find_last_of("\\/");
    if (separator == std::string_view::npos) {
        return std::nullopt;
    }
    return std::string(path.substr(0, separator == 0 ? 1 : separator));
}

SettingsStart loadSettingsAtStart(const std::filesystem::path& path, const Settings& current) {
    createIfMissing(path);
    SettingsRead read = readSettings(path, current);
    SettingsStart start;
    start.outcome = read.outcome;
    start.settings = std::move(read.settings);
    if (read.outcome == SettingsOutcome::Werkseinstellung ||
        read.outcome == SettingsOutcome::RevisionMismatch) {
        if (!read.status.ok()) {
            start.lines.push_back(read.status.error);
        }
        start.lines.emplace_back("Werkseinstellung");
        return start;
    }
    if (read.outcome == SettingsOutcome::Incomplete) {
        start.message = "ini ?";
    }
    if (!holdsBytes(start.settings.DATEI_NAME)) {
        start.settings.DATEI_NAME.clear();
        return start;
    }
    start.DATEI_ORDNER = folderOfPath(start.settings.DATEI_NAME);
    start.openDrawing = true;
    return start;
}

}  // namespace zrv
