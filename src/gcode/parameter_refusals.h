#pragma once

#include <string>
#include <vector>

#include "gcode/gcode_writer.h"

namespace zrv {

// No machine travels 100 m, feeds 100 m/min or turns 100,000 rpm: a parameter of a larger size
// is a slip of the keyboard, and the times and positions it leads to overflow.
inline constexpr double kLargestParameter = 100000;

// Why the parameters must not reach a machine, one "Export abgebrochen: ..." line each, empty
// when they may: a feed of 0 or below, a negative spindle speed, a safe height at or below the
// board surface, a value whose size exceeds 100000. Only the boxes of a section the program writes
// count.
std::vector<std::string> parameterRefusals(const GcodeJob& job);

}  // namespace zrv
