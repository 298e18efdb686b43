#pragma once

#include <functional>
#include <string>

#include "base/host.h"
#include "ui/common/operation_queue.h"
#include "ui/common/platform.h"
#include "ui/common/window_state.h"
#include "ui/controls/controls.h"

namespace zrv {

// Opening a drawing through the dialog and reloading the current one.
class LoadFlow {
  public:
    // `loaded` runs after every load that read a drawing.
    LoadFlow(WindowState& state, Controls& controls, Platform& platform, Host& host,
             OperationQueue& queue, std::function<void()> loaded);

    void MENUE_ZIRVA_OEFFNEN_Click();
    void MENUE_REFRESH_DATEI_Click();

    // DATEI_LADEN with a snapshot of the current choices; the caller runs it as an operation.
    void load(std::string path);

  private:
    WindowState& state_;
    Controls& controls_;
    Platform& platform_;
    Host& host_;
    OperationQueue& queue_;
    std::function<void()> loaded_;
};

}  // namespace zrv
