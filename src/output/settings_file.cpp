#include "output/settings_file.h"

namespace zrv {

// Placeholders until the settings file lands.
std::vector<std::string> settingsLines(const Settings&, NumberLocale) { return {}; }
Status PARAMETER_SPEICHERN(const std::filesystem::path&, const Settings&, NumberLocale) {
    return Status::failure("Einstellungen noch nicht verfügbar");
}
SettingsRead readSettings(const std::filesystem::path&, const Settings& current, NumberLocale) {
    return {SettingsOutcome::Werkseinstellung, current};
}

}  // namespace zrv
