#include "levelling/height_map.h"

#include <algorithm>
#include <cmath>

#include "levelling/probe_log.h"
#include "settings/plain_number.h"
#include "text/number_format.h"

namespace zrv {
namespace {

constexpr double kStepTolerance = 0.05;  // mm between a report's step and the grid's
// mm between the two touches of X0 Y0: more is a chip under the bit or a loose clip.
constexpr double kReferenceTolerance = 0.05;

// The cell index and the fraction inside it along one axis.
struct Along {
    std::size_t index = 0;
    double fraction = 0;
};

Along along(double value, double origin, double step, std::size_t count) {
    if (count < 2 || step <= 0) {
        return {};
    }
    const double u = std::clamp((value - origin) / step, 0.0, static_cast<double>(count - 1));
    const auto index = std::min(static_cast<std::size_t>(u), count - 2);
    return {index, u - static_cast<double>(index)};
}

std::string reportRefusal(std::size_t k, std::string_view what) {
    return "Tastprotokoll nicht übernommen: Die Tastmeldung Nr. " + std::to_string(k + 1) + " " +
           std::string(what);
}

std::string signedText(double value, NumberLocale locale) {
    const std::string text = formatPattern(value, "0.00", locale);
    if (text.starts_with('-')) {
        return "−" + text.substr(1);
    }
    return (value > 0 && text != formatPattern(0, "0.00", locale) ? "+" : "") + text;
}

// The probe of the grid's own node at X0 Y0 (0 when no node lies there).
std::size_t zeroNodeProbe(const ProbeGrid& grid) {
    for (std::size_t k = 1; k < grid.probes.size(); ++k) {
        if (std::abs(grid.probes[k].x) < 1e-9 && std::abs(grid.probes[k].y) < 1e-9) {
            return k;
        }
    }
    return 0;
}

std::string referenceRefusal(const ProbeLogRead& read, const ProbeGrid& grid, NumberLocale locale) {
    const std::size_t k = zeroNodeProbe(grid);
    const double apart = k == 0 ? 0 : std::abs(read.reports[k].z - read.reports[0].z);
    if (apart <= kReferenceTolerance) {
        return {};
    }
    return "Tastprotokoll nicht übernommen: Bezugspunkt und Rasterpunkt X0 Y0 weichen um " +
           formatPattern(apart, "0.00", locale) + " mm ab – neu antasten";
}

// Why the reports are not those of this grid's probes ("" when they are).
std::string reportsRefusal(const ProbeLogRead& read, const ProbeGrid& grid,
                           const ProbeChoices& choices, NumberLocale locale) {
    if (!read.problem.empty()) {
        return "Tastprotokoll nicht übernommen: " + read.problem;
    }
    if (read.count != grid.probes.size()) {
        return "Tastprotokoll nicht übernommen: Es enthält " + std::to_string(read.count) +
               " Tastmeldungen, das Tastprogramm dieser Zeichnung hat " +
               std::to_string(grid.probes.size()) + " Punkte.";
    }
    const ProbeReport& first = read.reports.front();
    for (std::size_t k = 0; k < read.reports.size(); ++k) {
        const ProbeReport& r = read.reports[k];
        if (!r.contact) {
            return reportRefusal(k, "meldet keine Berührung (:0).");
        }
        const double offX = (r.x - first.x) - (grid.probes[k].x - grid.probes[0].x);
        const double offY = (r.y - first.y) - (grid.probes[k].y - grid.probes[0].y);
        if (!(std::abs(offX) <= kStepTolerance && std::abs(offY) <= kStepTolerance)) {
            return reportRefusal(k, "liegt nicht am Punkt X" +
                                        plainNumberText(grid.probes[k].x, locale) + " Y" +
                                        plainNumberText(grid.probes[k].y, locale) +
                                        " des Rasters: ein Protokoll einer anderen Platine oder "
                                        "eines anderen Rasters?");
        }
    }
    if (std::string refusal = referenceRefusal(read, grid, locale); !refusal.empty()) {
        return refusal;
    }
    // Z0 was set at the reference: a touch below the probe's depth or above its start cannot
    // have happened.
    for (std::size_t k = 0; k < read.reports.size(); ++k) {
        const double height = read.reports[k].z - first.z;
        if (!(height >= choices.antasten_tiefe && height <= choices.antasten_abheben)) {
            return reportRefusal(k, "hat eine Höhe außerhalb des Tastwegs.");
        }
    }
    return {};
}

}  // namespace

double heightAt(const HeightMap& map, double x, double y) {
    const Grid& grid = map.grid;
    const Along ax = along(x, grid.x0, grid.dx, grid.nx);
    const Along ay = along(y, grid.y0, grid.dy, grid.ny);
    const std::size_t i1 = std::min(ax.index + 1, grid.nx - 1);
    const std::size_t j1 = std::min(ay.index + 1, grid.ny - 1);
    const double low =
        map.height(ax.index, ay.index) * (1 - ax.fraction) + map.height(i1, ay.index) * ax.fraction;
    const double high =
        map.height(ax.index, j1) * (1 - ax.fraction) + map.height(i1, j1) * ax.fraction;
    return low * (1 - ay.fraction) + high * ay.fraction;
}

double lowestHeight(const HeightMap& map) {
    return map.heights.empty() ? 0 : *std::min_element(map.heights.begin(), map.heights.end());
}

double highestHeight(const HeightMap& map) {
    return map.heights.empty() ? 0 : *std::max_element(map.heights.begin(), map.heights.end());
}

std::string heightMapLine(const HeightMap& map, NumberLocale locale) {
    const Grid& grid = map.grid;
    return "Höhenkarte: " + std::to_string(grid.nx) + " × " + std::to_string(grid.ny) +
           " Punkte, " +
           plainNumberText(std::round(std::max(grid.dx, grid.dy) * 100) / 100, locale) +
           " mm, Höhen " + signedText(lowestHeight(map), locale) + " … " +
           signedText(highestHeight(map), locale) + " mm";
}

HeightMapRead readHeightMap(std::string_view log, const ProbeGrid& grid,
                            const ProbeChoices& choices, std::string_view name,
                            NumberLocale locale) {
    const ProbeLogRead read = readProbeLog(log, grid.probes.size());
    HeightMapRead result;
    result.refusal = reportsRefusal(read, grid, choices, locale);
    if (!result.refusal.empty()) {
        return result;
    }
    HeightMap map{{grid.grid, {}}, std::string(name)};
    map.heights.assign(grid.grid.nx * grid.grid.ny, 0);
    for (std::size_t k = 1; k < read.reports.size(); ++k) {
        const GridNode node = gridNode(grid.grid, k);
        map.heights[node.j * grid.grid.nx + node.i] = read.reports[k].z - read.reports[0].z;
    }
    result.map = std::move(map);
    return result;
}

}  // namespace zrv
