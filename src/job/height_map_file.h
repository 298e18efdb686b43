#pragma once

#include <string>
#include <string_view>

#include "base/host.h"
#include "base/status.h"
#include "job/export.h"
#include "job/program_state.h"
#include "levelling/probe_grid.h"
#include "settings/choices.h"

namespace zrv {

// The probe grid of the loaded drawing: over everything the export would cut, and X0 Y0.
ProbeGridResult drawingProbeGrid(const ProgramState& state, const Choices& choices,
                                 NumberLocale locale);

// DATEI_BASIS + "_ANTASTEN.nc".
std::string probeProgramPath(const DrawingFile& file);

// The probe program of the loaded drawing to probeProgramPath (or `outputPath`), written
// atomically like the export; refused with nothing written for a drawing not read whole, choices
// that make no grid, or an output that is the drawing itself.
WriteResult writeProbeProgram(const ProgramState& state, const Choices& choices, Host& host,
                              std::string_view outputPath = {});

// Reads a probe log for the loaded drawing and these choices into the state's height map, and
// puts the map's line into the status list; the map remembers the log's path and the choices
// that shaped its program. A log that does not fit is shown and put into the status list, and
// the map loaded before stays ("Höhenkarte bleibt: ...").
Status loadHeightMap(ProgramState& state, const Choices& choices, std::string_view logPath,
                     Host& host);

}  // namespace zrv
