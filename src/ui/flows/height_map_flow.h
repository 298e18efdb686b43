#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "base/host.h"
#include "ui/common/platform.h"
#include "ui/common/window_state.h"
#include "ui/controls/controls.h"

namespace zrv {

// The menu "Höhenkarte": writes the probe program, loads a probe log into the map the export
// levels by, drops the map, and edits the probe choices. Whatever changes the map redraws the
// preview and plans the job time again (`changed`).
class HeightMapFlow {
  public:
    HeightMapFlow(WindowState& state, Controls& controls, Platform& platform, Host& host,
                  std::string messageTitle, std::function<void()> changed);

    void MENUE_TASTPROGRAMM_Click();
    void MENUE_TASTPROTOKOLL_LADEN_Click();
    void MENUE_HOEHENKARTE_VERWERFEN_Click();
    // A choice of the window changed: the map is dropped, with a status line, when its probe
    // program was written with another.
    void choicesChanged();
    // One of the four probe choices (spacing, feed, depth, lift) through an input box.
    void chooseProbeValue(std::size_t which);

  private:
    WindowState& state_;
    Controls& controls_;
    Platform& platform_;
    Host& host_;
    std::string messageTitle_;
    std::function<void()> changed_;
};

}  // namespace zrv
