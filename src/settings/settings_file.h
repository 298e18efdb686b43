#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/status.h"
#include "settings/choices.h"
#include "text/number_locale.h"
#include "version.h"

namespace zrv {

// The revision number of this program; a settings file of another revision is ignored.
inline constexpr int kRevision = kVersionMajor;

// What the settings file keeps: the last drawing and every choice.
struct Settings {
    std::string DATEI_NAME;
    Choices choices;
};

// The 54 lines of the settings file (UTF-8; the file itself is Windows-1252 with CR LF).
// A line break inside a text is written as a blank, so no text can shift the later lines.
std::vector<std::string> settingsLines(const Settings& settings, NumberLocale locale);

// PARAMETER_SPEICHERN: writes the 54 lines atomically.
Status PARAMETER_SPEICHERN(const std::filesystem::path& path, const Settings& settings,
                           NumberLocale locale);

enum class SettingsOutcome {
    Applied,           // 54 lines ending with "ENDE": every value applied
    Werkseinstellung,  // missing, empty or not ending with "ENDE": factory values stay
    RevisionMismatch,  // another revision: factory values stay, DATEI_NAME takes line 1
    Incomplete,        // last line "ENDE" but line 54 is not: applied as far as read, "ini ?"
};

struct SettingsRead {
    SettingsOutcome outcome = SettingsOutcome::Werkseinstellung;
    Settings settings;  // `current` with whatever the file changed
    Status status;      // why the file could not be read (missing, a folder, unreadable)
};

// The reading half of PARAMETER_LADEN: applies the file's lines positionally over `current`;
// a value that cannot be applied keeps the current one: a check box value that is not 0, 1 or
// 2, a colour outside 0 to 0xFFFFFF, a distance that is not a number greater than 0. The end
// mark is never taken as a value. Never creates or changes the file.
SettingsRead readSettings(const std::filesystem::path& path, const Settings& current);

// What the start-up has to do after the settings file was read.
struct SettingsStart {
    SettingsOutcome outcome = SettingsOutcome::Werkseinstellung;
    Settings settings;                        // to apply; DATEI_NAME emptied when it is gone
    std::vector<std::string> lines;           // for List1, in order
    std::string message;                      // "ini ?" for a message box, else empty
    std::optional<std::string> DATEI_ORDNER;  // the last drawing's folder, when it changes
    bool openDrawing = false;                 // then load settings.DATEI_NAME
};

// PARAMETER_LADEN without the final load of the drawing: creates a missing settings file
// empty (silently skipped when that fails), reads it over `current`, forgets a last drawing
// that is missing or empty and takes the dialog folder from it.
SettingsStart loadSettingsAtStart(const std::filesystem::path& path, const Settings& current);

// The folder part of a path: the text before its last "\" or "/" (a path in the root keeps
// that separator); nothing when the path has neither.
std::optional<std::string> folderOfPath(std::string_view path);

}  // namespace zrv
