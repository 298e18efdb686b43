#include "ui/flows/option_actions.h"

#include "geometry/calibration_input.h"
#include "settings/factory_values.h"
#include "text/number_format.h"
#include "ui/controls/control_values.h"

namespace zrv {

OptionActions::OptionActions(WindowState& state, Controls& controls, Menus& menus,
                             Platform& platform, NumberLocale locale, std::function<void()> reload)
    : state_(state),
      controls_(controls),
      menus_(menus),
      platform_(platform),
      locale_(locale),
      reload_(std::move(reload)) {}

void OptionActions::askDistance(double& value, const char* prompt, const char* title) {
    const std::optional<std::string> answer =
        platform_.inputText(prompt, title, numberText(value, locale_));
    if (!answer) {
        return;
    }
    const std::optional<double> distance = distanceAnswer(*answer);
    if (!distance) {
        return;
    }
    value = *distance;
    reload_();
}

void OptionActions::STRECKE_ZIRVA_Click() {
    askDistance(state_.calibration.STRECKE_ZIRVA_WERT, "z.B. 5,0 mm", "Strecke-ZIRVA");
}

void OptionActions::STRECKE_ORIGINAL_Click() {
    askDistance(state_.calibration.STRECKE_ORIGINAL_WERT, "z.B. 2,54 mm", "Strecke-ORIGINAL");
}

void OptionActions::MENUE_MASSSTAB_1_1_Click() {
    setScaleOneToOne(state_.calibration);
    reload_();
}

void OptionActions::MENUE_MASSSTAB_STANDARD_Click() {
    setScaleStandard(state_.calibration);
    reload_();
}

void OptionActions::Command_BOHRUNG_STANDARD_Click() {
    Parameters parameters = readParameters(controls_);
    Command_BOHRUNG_STANDARD(parameters, locale_);
    writeParameters(controls_, parameters);
}

void OptionActions::Command_FRAESUNG_STANDARD_Click() {
    Parameters parameters = readParameters(controls_);
    Command_FRAESUNG_STANDARD(parameters, locale_);
    writeParameters(controls_, parameters);
}

// There is no way back within a run: a click on the ticked entry keeps it ticked.
void OptionActions::MENUE_ENTWICKLER_ON_Click() {
    menus_.MENUE_ENTWICKLER_ON->setChecked(true);
    QAction* developer = menus_.MENUE_ENTWICKLER->menuAction();
    developer->setEnabled(true);
    developer->setVisible(true);
}

}  // namespace zrv
