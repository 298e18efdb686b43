#include "ui/settings_flow.h"

#include <filesystem>
#include <fstream>

#include "output/factory_values.h"
#include "output/settings_file.h"
#include "ui/control_values.h"
#include "ui/file_facts.h"

namespace zrv {

namespace {

std::string folderOf(const std::string& path) {
    const std::size_t separator = path.find_last_of("\\/");
    return separator == std::string::npos ? path : path.substr(0, separator);
}

}  // namespace

SettingsFlow::SettingsFlow(WindowState& state, Controls& controls, const WindowSetup& setup,
                           Progress& progress, std::function<void(std::string)> load)
    : state_(state),
      controls_(controls),
      setup_(setup),
      progress_(progress),
      load_(std::move(load)) {}

void SettingsFlow::START_WERTE() {
    std::error_code ignored;
    std::filesystem::create_directories(setup_.dataFolder, ignored);
    state_.DATEI_ORDNER = textOf(setup_.dataFolder);
    state_.calibration = {};
    state_.paths = factoryProgramPaths();
    fillChoiceLists(controls_, choiceLists(setup_.locale));
    setComboText(controls_.Combo_BOHRUNGEN_OPTIMIEREN, "1-Standard");
    setComboText(controls_.Combo_FRAESUNGEN_OPTIMIEREN, "1-Standard");
    writeParameters(controls_, factoryParameters(setup_.locale));
}

void SettingsFlow::PARAMETER_LADEN() {
    // A missing file exists afterwards, empty.
    { std::ofstream touch(setup_.settingsFile, std::ios::app); }

    const Settings current{state_.program.file.DATEI_NAME, readChoices(controls_, state_)};
    const SettingsRead read = readSettings(setup_.settingsFile, current, setup_.locale);
    if (read.outcome == SettingsOutcome::Werkseinstellung) {
        progress_.addLine("Werkseinstellung");
        return;
    }
    state_.program.file.DATEI_NAME = read.settings.DATEI_NAME;
    if (read.outcome == SettingsOutcome::RevisionMismatch) {
        progress_.addLine("Werkseinstellung");
        return;
    }
    applyChoices(controls_, state_, read.settings.choices);
    if (read.outcome == SettingsOutcome::Incomplete) {
        progress_.showMessage("ini ?");
    }
    std::string& name = state_.program.file.DATEI_NAME;
    if (!holdsBytes(name)) {
        name.clear();
        return;
    }
    state_.DATEI_ORDNER = folderOf(name);
    load_(name);
}

Status SettingsFlow::PARAMETER_SPEICHERN() const {
    const Settings settings{state_.program.file.DATEI_NAME, readChoices(controls_, state_)};
    return zrv::PARAMETER_SPEICHERN(setup_.settingsFile, settings, setup_.locale);
}

}  // namespace zrv
