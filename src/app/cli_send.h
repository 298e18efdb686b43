#pragma once

#include <ostream>

#include "app/cli_arguments.h"
#include "planner/machine_profile.h"

namespace zrv {

// zrvcam-cli --port DEVICE [--baud N] [--log FILE] send PROGRAM: streams the program to a GRBL
// 1.1 controller. Progress and messages go to `err`, the key=value lines to `out`; the pauses
// at M0 wait for a line on standard input. Returns 0 when every line was answered "ok" and the
// controller is idle again, 1 otherwise.
int runSend(const CliRequest& request, const MachineProfile& profile, std::ostream& out,
            std::ostream& err);

}  // namespace zrv
