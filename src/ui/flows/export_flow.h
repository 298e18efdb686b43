#pragma once

#include <functional>
#include <string>

#include "base/host.h"
#include "base/status.h"
#include "job/job_time.h"
#include "ui/common/operation_queue.h"
#include "ui/common/platform.h"
#include "ui/common/window_state.h"
#include "ui/controls/controls.h"
#include "ui/controls/preview_redraw.h"

namespace zrv {

// The export button: parameters cleaned, settings saved, a redraw requested, the G-code
// program written and, when asked for, shown in the text editor.
class ExportFlow {
  public:
    ExportFlow(WindowState& state, Controls& controls, Platform& platform, Host& host,
               OperationQueue& queue, PreviewRedraw& redraw, std::function<Status()> saveSettings,
               std::function<void(const JobTime&)> written, std::string messageTitle);

    void Command_EXPORT_GERBER_Click();

  private:
    void exportProgram();

    WindowState& state_;
    Controls& controls_;
    Platform& platform_;
    Host& host_;
    OperationQueue& queue_;
    PreviewRedraw& redraw_;
    std::function<Status()> saveSettings_;
    std::function<void(const JobTime&)> written_;  // after every program written, its time
    std::string messageTitle_;
};

}  // namespace zrv
