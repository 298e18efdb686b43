#include "ui/flows/settings_flow.h"

#include "planner/machine_profile.h"
#include "settings/extra_settings.h"
#include "settings/factory_values.h"
#include "settings/program_folder.h"
#include "settings/settings_file.h"
#include "ui/common/file_facts.h"
#include "ui/controls/control_values.h"

namespace zrv {

SettingsFlow::SettingsFlow(WindowState& state, Controls& controls, const WindowSetup& setup,
                           Progress& progress, std::function<void(std::string)> load)
    : state_(state),
      controls_(controls),
      setup_(setup),
      progress_(progress),
      load_(std::move(load)) {}

void SettingsFlow::START_WERTE() {
    createFilesFolder(setup_.folder);
    state_.DATEI_ORDNER = textOf(setup_.folder.filesFolder);
    state_.calibration = {};
    state_.paths = factoryProgramPaths();
    fillChoiceLists(controls_, choiceLists(setup_.locale));
    setComboText(controls_.Combo_BOHRUNGEN_OPTIMIEREN, "1-Standard");
    setComboText(controls_.Combo_FRAESUNGEN_OPTIMIEREN, "1-Standard");
    writeParameters(controls_, factoryParameters(setup_.locale));
}

// Read before the 54 lines, so that their own outcome decides nothing about these choices.
void SettingsFlow::loadExtraSettings() {
    const ExtraSettingsRead extra = readExtraSettings(extraSettingsPath(setup_.folder.settingsFile),
                                                      readChoices(controls_, state_));
    if (!extra.status.ok()) {
        progress_.addLine(extra.status.error);
    }
    for (const std::string& line : extra.problems) {
        progress_.addLine(line);
    }
    for (const std::string& line : readMachineProfile(extra.choices.machine).problems) {
        progress_.addLine(line);
    }
    applyChoices(controls_, state_, extra.choices);
}

void SettingsFlow::PARAMETER_LADEN() {
    loadExtraSettings();
    const Settings current{state_.program.file.DATEI_NAME, readChoices(controls_, state_)};
    const SettingsStart start = loadSettingsAtStart(setup_.folder.settingsFile, current);
    for (const std::string& line : start.lines) {
        progress_.addLine(line);
    }
    state_.program.file.DATEI_NAME = start.settings.DATEI_NAME;
    if (start.outcome != SettingsOutcome::Werkseinstellung &&
        start.outcome != SettingsOutcome::RevisionMismatch) {
        apply(start);
    }
    openAtStart(start);
}

void SettingsFlow::apply(const SettingsStart& start) {
    applyChoices(controls_, state_, start.settings.choices);
    if (!start.message.empty()) {
        progress_.showMessage(start.message);
    }
    if (start.DATEI_ORDNER) {
        state_.DATEI_ORDNER = *start.DATEI_ORDNER;
    }
}

// A drawing handed over on the command line takes the place of the remembered one, with the
// settings applied all the same.
void SettingsFlow::openAtStart(const SettingsStart& start) {
    if (!setup_.drawingToOpen.empty()) {
        state_.DATEI_ORDNER = folderOfPath(setup_.drawingToOpen).value_or(state_.DATEI_ORDNER);
        load_(setup_.drawingToOpen);
    } else if (start.openDrawing) {
        load_(state_.program.file.DATEI_NAME);
    }
}

Status SettingsFlow::PARAMETER_SPEICHERN() const {
    const Settings settings{state_.program.file.DATEI_NAME, readChoices(controls_, state_)};
    const Status saved =
        zrv::PARAMETER_SPEICHERN(setup_.folder.settingsFile, settings, setup_.locale);
    if (!saved.ok()) {
        return saved;
    }
    return writeExtraSettings(extraSettingsPath(setup_.folder.settingsFile), settings.choices);
}

}  // namespace zrv
