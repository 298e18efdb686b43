#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "base/status.h"
#include "settings/choices.h"
#include "settings/switches.h"

namespace zrv {

// The choices that the 54-line settings file has no line for live in a small file of their own
// beside it, so that file stays readable by every version that knows its 54 lines.

// What a key of the extra file holds.
enum class ExtraKind {
    Switch,  // 0 or 1, in `whole`
};

// One key of the extra file: its name, its kind and where its value lives in Choices. A file
// without the key leaves the value as it is; a new Choices holds its default.
struct ExtraRow {
    std::string_view key;
    ExtraKind kind;
    ChoiceRef<int> whole;
};

// The file's keys in their order: the check boxes it keeps (kSwitches), then the values without
// a box.
std::vector<ExtraRow> extraRows();

// board.ini -> board_extra.ini: the extra file that belongs to a settings file.
std::filesystem::path extraSettingsPath(const std::filesystem::path& settingsFile);

// key=value lines (extraRows), then the machine profile's "$n=value" lines as given.
std::vector<std::string> extraSettingsLines(const Choices& choices);

struct ExtraSettingsRead {
    Choices choices;                    // `current` with whatever the file changed
    std::vector<std::string> problems;  // German lines about values and lines that were not taken
    Status status;                      // why an existing file could not be read
    std::string fileName;               // as the problems name it
};

// Applies the file over `current`. A missing file changes nothing and is no problem; blank
// lines and "#" comments are skipped; a line that is no key=value or has an unknown key is
// named in `problems` with its number; a switch that is not 0 or 1 and a probe value that is no
// number or unsafe keep their values. Windows-1252, UTF-8 after a byte-order mark, or UTF-16.
ExtraSettingsRead readExtraSettings(const std::filesystem::path& path, const Choices& current);

// Writes the lines atomically (Windows-1252, CR LF, as the settings file).
Status writeExtraSettings(const std::filesystem::path& path, const Choices& choices);

}  // namespace zrv
