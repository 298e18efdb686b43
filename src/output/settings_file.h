#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "output/choices.h"
#include "text/number_locale.h"
#include "text/status.h"

namespace zrv {

// The revision number of this program; a settings file of another revision is ignored.
inline constexpr int kRevision = 2;

// What the settings file keeps: the last drawing and every choice.
struct Settings {
    std::string DATEI_NAME;
    Choices choices;
};

// The 54 lines of the settings file (UTF-8; the file itself is Windows-1252 with CR LF).
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
};

// The reading half of PARAMETER_LADEN: applies the file's lines positionally over `current`;
// a value that cannot be applied keeps the current one. Never creates or changes the file.
SettingsRead readSettings(const std::filesystem::path& path, const Settings& current,
                          NumberLocale locale);

}  // namespace zrv
