#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "levelling/probe_grid.h"
#include "settings/probe_choices.h"

namespace zrv {

// The probe program for the controller (lines without ends, UTF-8): the reference at X0 Y0, then
// every node of the grid in its order, each a G38.2 down from the lift and back up; at the end
// up to `safeHeight` (at least the lift) and back to X0 Y0. Only words GRBL 1.1 knows; every
// outside text passes the one comment step of the G-code layer.
std::vector<std::string> probeProgram(const ProbeGrid& grid, const ProbeChoices& choices,
                                      double safeHeight, std::string_view drawingName);

}  // namespace zrv
