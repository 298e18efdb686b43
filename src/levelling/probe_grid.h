#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "preview/grid.h"
#include "settings/export_choices.h"
#include "settings/probe_choices.h"
#include "store/entry_text.h"
#include "text/number_locale.h"

namespace zrv {

// The rectangle a height map must cover, in millimetres.
struct ProbeArea {
    double xMin = 0;
    double xMax = 0;
    double yMin = 0;
    double yMax = 0;
};

// The extents of every hole and path point the export would cut, and the zero point.
ProbeArea cutArea(std::span<const std::string> punkte, std::span<const std::string> fraesungen,
                  const ExportChoices& exports);

// The probes of a probe program: first the reference at X0 Y0, then the nx x ny grid nodes from
// (x0, y0), row by row, every other row backwards.
struct ProbeGrid {
    Grid grid;
    std::vector<Point> probes;
};

// The grid node of probe k >= 1 as column and row.
struct GridNode {
    std::size_t i = 0;
    std::size_t j = 0;
};
GridNode gridNode(const Grid& grid, std::size_t probe);

inline constexpr std::size_t kMostProbes = 10000;

// Why these choices cannot make a probe program for the area ("" when they can): a choice beyond
// the bounds of its probeValueRows() row, an area beyond reason, or more than kMostProbes probes.
std::string probeRefusal(const ProbeArea& area, const ProbeChoices& choices, NumberLocale locale);

struct ProbeGridResult {
    ProbeGrid grid;
    std::string refusal;  // probeRefusal; the grid is empty when set
};
ProbeGridResult probeGrid(const ProbeArea& area, const ProbeChoices& choices, NumberLocale locale);

}  // namespace zrv
