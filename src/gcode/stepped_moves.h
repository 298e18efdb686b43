#pragma once

#include <span>

#include "gcode/depth_steps.h"
#include "gcode/gcode_writer.h"
#include "store/entry_text.h"

namespace zrv {

// One milling path cut at each of `depths`, from FRAESUNG_ANFAHREN to FRAESER_AUF. A closed
// path goes straight down at its start for the next pass; an open one is cut back the other
// way from where the pass ended, so the tool never leaves the groove between passes. With one
// depth: the lines of a program without steps.
void millPath(GcodeLines& out, std::span<const Point> pairs, const ToolValues& mill,
              const StepDepths& depths);

// One hole from above it, drilled in a peck per depth: after each peck the drill lifts to the
// safe height to clear the chips, comes back with a rapid to 0.2 mm above what is drilled and
// feeds on; ends lifted. With one depth: BOHRER_AB, BOHRER_AUF.
void drillHole(GcodeLines& out, const ToolValues& drill, const StepDepths& depths);

}  // namespace zrv
