#pragma once

#include <functional>
#include <string>

#include "base/host.h"
#include "base/status.h"
#include "settings/settings_file.h"
#include "ui/common/platform.h"
#include "ui/common/window_state.h"
#include "ui/controls/controls.h"

namespace zrv {

// The start-up values, the settings file at the start and its writing.
class SettingsFlow {
  public:
    SettingsFlow(WindowState& state, Controls& controls, const WindowSetup& setup,
                 Progress& progress, std::function<void(std::string)> load);

    // START_WERTE: choice lists and factory values.
    void START_WERTE();
    // PARAMETER_LADEN: the settings file applied to the controls, then the last drawing.
    void PARAMETER_LADEN();
    // PARAMETER_SPEICHERN: every choice written to the settings file.
    Status PARAMETER_SPEICHERN() const;

  private:
    // The choices the 54 lines have no room for, from the file beside the settings file.
    void loadExtraSettings();
    void apply(const SettingsStart& start);
    void openAtStart(const SettingsStart& start);

    WindowState& state_;
    Controls& controls_;
    const WindowSetup& setup_;
    Progress& progress_;
    std::function<void(std::string)> load_;
};

}  // namespace zrv
