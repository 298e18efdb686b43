#include "levelling/probe_grid.h"

#include <algorithm>
#include <cmath>

#include "settings/plain_number.h"
#include "settings/probe_values.h"

namespace zrv {
namespace {

// Boards of a router are a few hundred millimetres; beyond this a number is damage.
constexpr double kLargestCoordinate = 100000;

void include(ProbeArea& area, const Point& p) {
    area.xMin = std::min(area.xMin, p.x);
    area.xMax = std::max(area.xMax, p.x);
    area.yMin = std::min(area.yMin, p.y);
    area.yMax = std::max(area.yMax, p.y);
}

// The count of cells along one side: the fewest that keep every step within the spacing.
double cellCount(double length, double spacing) {
    return length <= 0 ? 0 : std::ceil(length / spacing - 1e-9);
}

}  // namespace

ProbeArea cutArea(std::span<const std::string> punkte, std::span<const std::string> fraesungen,
                  const ExportChoices& exports) {
    ProbeArea area;
    if (exports.Check_EXPORT_BOHRUNG != 0) {
        for (const std::string& entry : punkte) {
            include(area, readPoint(entry));
        }
    }
    if (exports.Check_EXPORT_FRAESUNG != 0) {
        for (const std::string& entry : fraesungen) {
            for (const Point& p : readPairs(entry)) {
                include(area, p);
            }
        }
    }
    return area;
}

GridNode gridNode(const Grid& grid, std::size_t probe) {
    const std::size_t j = (probe - 1) / grid.nx;
    const std::size_t r = (probe - 1) % grid.nx;
    return {j % 2 == 0 ? r : grid.nx - 1 - r, j};
}

std::string probeRefusal(const ProbeArea& area, const ProbeChoices& choices, NumberLocale locale) {
    for (const ProbeValueRow& row : probeValueRows()) {
        if (std::string problem = probeValueProblem(row, choices.*row.value, locale);
            !problem.empty()) {
            return problem;
        }
    }
    for (const double v : {area.xMin, area.xMax, area.yMin, area.yMax}) {
        if (!(std::abs(v) <= kLargestCoordinate)) {
            return "Die Zeichnung reicht weiter als " +
                   plainNumberText(kLargestCoordinate, locale) + " mm: kein Antasten.";
        }
    }
    const double probes = (cellCount(area.xMax - area.xMin, choices.antasten_raster) + 1) *
                              (cellCount(area.yMax - area.yMin, choices.antasten_raster) + 1) +
                          1;
    if (probes > static_cast<double>(kMostProbes)) {
        return "Das Antasten bräuchte mit " + plainNumberText(choices.antasten_raster, locale) +
               " mm Rasterabstand mehr als 10.000 Punkte: den Rasterabstand vergrößern.";
    }
    return {};
}

ProbeGridResult probeGrid(const ProbeArea& area, const ProbeChoices& choices, NumberLocale locale) {
    ProbeGridResult result;
    result.refusal = probeRefusal(area, choices, locale);
    if (!result.refusal.empty()) {
        return result;
    }
    Grid& grid = result.grid.grid;
    const double cellsX = cellCount(area.xMax - area.xMin, choices.antasten_raster);
    const double cellsY = cellCount(area.yMax - area.yMin, choices.antasten_raster);
    grid.x0 = area.xMin;
    grid.y0 = area.yMin;
    grid.nx = static_cast<std::size_t>(cellsX) + 1;
    grid.ny = static_cast<std::size_t>(cellsY) + 1;
    grid.dx = cellsX > 0 ? (area.xMax - area.xMin) / cellsX : 0;
    grid.dy = cellsY > 0 ? (area.yMax - area.yMin) / cellsY : 0;
    std::vector<Point>& probes = result.grid.probes;
    probes.reserve(grid.nx * grid.ny + 1);
    probes.push_back({0, 0});
    for (std::size_t k = 1; k <= grid.nx * grid.ny; ++k) {
        const GridNode node = gridNode(grid, k);
        probes.push_back(grid.node(node.i, node.j));
    }
    return result;
}

}  // namespace zrv
