#pragma once

#include <functional>
#include <string>

#include "base/host.h"
#include "ui/common/platform.h"
#include "ui/common/window_state.h"
#include "ui/controls/controls.h"
#include "ui/machine/controller_panel.h"

namespace zrv {

// What the panel "Maschine" needs of the window around it.
struct PanelSurroundings {
    WindowState& state;
    Controls& controls;
    Platform& platform;
    Host& host;
    std::string messageTitle;
    // Disables (true) or enables every control that would change the running job.
    std::function<void(bool)> lockJob;
    // The height map changed: redraw and plan the time again.
    std::function<void()> mapChanged;
};

// A line in the status list and on the panel.
void say(PanelControls& panel, PanelSurroundings& around, const std::string& line);
// The same, and in a message box: something was refused or stopped.
void refuse(PanelControls& panel, PanelSurroundings& around, const std::string& text);

}  // namespace zrv
