#pragma once

#include <string>
#include <vector>

#include "gcode/gcode_writer.h"

namespace zrv {

// No machine travels 100 m, feeds 100 m/min or turns 100,000 rpm: a parameter of a larger size
// is a slip of the keyboard, and the times and positions it leads to overflow.
inline constexpr double kLargestParameter = 100000;

// Why the parameters must not reach a machine, one "Export abgebrochen: ..." line each, empty
// when they may: a spindle speed or depth that is no number, a feed of 0 or below, a negative
// spindle speed, a safe height at or below the board surface, a depth above the safe height,
// a size over 100000, a pass or peck depth that makes no sense. Only the boxes of a section the
// program writes count.
std::vector<std::string> parameterRefusals(const GcodeJob& job);

// The refusal of a program that would move with a feed of 0 or below: "Export abgebrochen: ..."
// naming every such box by its caption; empty when every feed the program uses is positive.
// One of parameterRefusals.
std::string feedRefusal(const GcodeJob& job);

// Whether the export refuses a box of a written section for holding no number (its own check
// does not catch the 0 it would be read as).
bool refusedAsNoNumber(ParameterRole role);

}  // namespace zrv
