#pragma once

#include <string>
#include <vector>

#include "gcode/gcode_writer.h"

namespace zrv {

// Why the parameters must not reach a machine, one "Export abgebrochen: ..." line each, empty
// when they may: a feed of 0 or below, a negative spindle speed, a safe height at or below the
// board surface, a pass or peck depth that makes no sense. Only the boxes of a section the program
// writes count.
std::vector<std::string> parameterRefusals(const GcodeJob& job);

}  // namespace zrv
