#pragma once

#include <string>
#include <vector>

#include "gcode/gcode_writer.h"
#include "levelling/height_map.h"

namespace zrv {

// The farthest a program may go beyond the map's nodes, in mm.
inline constexpr double kMapMargin = 0.5;

struct LevelledProgram {
    std::vector<std::string> lines;
    std::string refusal;  // "Export abgebrochen: ..." when the program leaves the map; no lines
};

// The program with every move following the surface: a move that changes XY is cut at the map's
// grid lines and wherever the surface bends away from a straight line by more than a few microns,
// and every point's Z is raised by the height there. A move above the board (Z >= 0 at both ends)
// is raised by a little more where the surface bends, so it never comes closer to the surface
// than the program says. Lines without an axis word stay as they are; after the first
// `headerLines` lines two comments name the map.
LevelledProgram levelProgram(std::vector<std::string> lines, const HeightMap& map,
                             std::size_t headerLines, NumberLocale locale);

// The program the export writes: gcodeProgram(job), levelled by `map` when there is one.
LevelledProgram writtenProgram(const GcodeJob& job, const HeightMap* map);

}  // namespace zrv
