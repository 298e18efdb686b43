#pragma once

#include <string>
#include <vector>

#include "gcode/gcode_writer.h"
#include "job/program_state.h"

namespace zrv {

// Why the G-code program must not be written, one line each, empty when it may be: a drawing
// that was not read whole, a feed of 0 or below, a negative spindle speed, a safe height at or
// below the board surface. Only the boxes of a section that is written count.
std::vector<std::string> gcodeRefusals(const ProgramState& state, const GcodeJob& job);

}  // namespace zrv
