#include "levelling/height_map.h"

#include <algorithm>
#include <cmath>

#include "levelling/probe_log.h"
#include "settings/plain_number.h"
#include "text/number_format.h"

namespace zrv {
namespace {

constexpr double kStepTolerance = 0.05;  // mm between a report's step and the grid's

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
    const double stroke = choices.antasten_abheben - choices.antasten_tiefe;
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
        if (!(std::abs(r.z - first.z) <= stroke)) {
            return reportRefusal(k, "hat eine Höhe außerhalb des Tastwegs.");
        }
    }
    return {};
}

}  // namespace

double heightAt(const HeightMap& map, double x, double y) {
    const Along ax = along(x, map.x0, map.dx, map.nx);
    const Along ay = along(y, map.y0, map.dy, map.ny);
    const std::size_t i1 = std::min(ax.index + 1, map.nx - 1);
    const std::size_t j1 = std::min(ay.index + 1, map.ny - 1);
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
    return "Höhenkarte: " + std::to_string(map.nx) + " × " + std::to_string(map.ny) + " Punkte, " +
           plainNumberText(std::round(std::max(map.dx, map.dy) * 100) / 100, locale) +
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
    HeightMap map{{grid.x0, grid.y0, grid.dx, grid.dy, grid.nx, grid.ny, {}}, std::string(name)};
    map.heights.assign(grid.nx * grid.ny, 0);
    for (std::size_t k = 1; k < read.reports.size(); ++k) {
        const GridNode node = gridNode(grid, k);
        map.heights[node.j * grid.nx + node.i] = read.reports[k].z - read.reports[0].z;
    }
    result.map = std::move(map);
    return result;
}

}  // namespace zrv
