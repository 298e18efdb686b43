#pragma once

#include <string>

#include "base/host.h"
#include "job/job_time.h"
#include "ui/common/platform.h"
#include "ui/common/window_state.h"
#include "ui/controls/controls.h"

namespace zrv {

// The machine of the job time: its profile read from the controller's "$$" answer, and the
// planned time shown as the tooltip of both time labels and as a line in the status list.
class MachineFlow {
  public:
    MachineFlow(WindowState& state, Controls& controls, Platform& platform, Host& host,
                std::string messageTitle);

    // "Maschine ($$) laden...": a text file becomes the machine profile.
    void MENUE_MASCHINE_LADEN_Click();

    // Plans the program the export would write with the current choices and shows its time.
    void showJobTime();
    // Shows a time already planned (that of the program just written).
    void showJobTime(const JobTime& time);

  private:
    WindowState& state_;
    Controls& controls_;
    Platform& platform_;
    Host& host_;
    std::string messageTitle_;
};

}  // namespace zrv
