#pragma once

#include <functional>

#include "ui/common/platform.h"
#include "ui/common/window_state.h"
#include "ui/controls/controls.h"

namespace zrv {

// The calibration entries of "Optionen", the two "Standard" buttons and "Entwickler on".
class OptionActions {
  public:
    OptionActions(WindowState& state, Controls& controls, Menus& menus, Platform& platform,
                  NumberLocale locale, std::function<void()> reload);

    void STRECKE_ZIRVA_Click();
    void STRECKE_ORIGINAL_Click();
    void MENUE_MASSSTAB_1_1_Click();
    void MENUE_MASSSTAB_STANDARD_Click();
    void Command_BOHRUNG_STANDARD_Click();
    void Command_FRAESUNG_STANDARD_Click();
    void MENUE_ENTWICKLER_ON_Click();

  private:
    // Asks for a distance; a usable answer replaces `value` and reloads the drawing.
    void askDistance(double& value, const char* prompt, const char* title);

    WindowState& state_;
    Controls& controls_;
    Menus& menus_;
    Platform& platform_;
    NumberLocale locale_;
    std::function<void()> reload_;
};

}  // namespace zrv
