#pragma once

#include <string>
#include <vector>

#include "job/job_time.h"
#include "job/program_state.h"
#include "settings/depth_step_choices.h"
#include "settings/parameters.h"

namespace zrv {

// What the preview and the status display compute for the loaded store: the two travel sums (the
// milling travel over every pass the steps ask for) and, from them and the parameter texts, the
// two time estimates.
void computeTravelAndTime(ProgramState& state, const Parameters& parameters,
                          const DepthStepChoices& steps = {});

// The key=value lines of the command-line "info": version, the six counts, the extents, the
// travel sums, the time estimates and the planned job time in minutes. Numbers have "." as decimal
// point and are the shortest text that reads back as the same double, never with an exponent; -0 is
// written 0.
std::vector<std::string> infoLines(const ProgramState& state, const JobTime& time);

}  // namespace zrv
