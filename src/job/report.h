#pragma once

#include <string>
#include <vector>

#include "job/job_figures.h"
#include "job/program_state.h"

namespace zrv {

// The key=value lines of the command-line "info": version, the six counts, the extents, the
// travel sums, the time estimates and the planned job time in minutes (unknown without planning).
// Numbers have "." as decimal point and are the shortest text that reads back as the same double,
// never with an exponent; -0 is written 0.
std::vector<std::string> infoLines(const ProgramState& state, const JobFigures& figures);

}  // namespace zrv
