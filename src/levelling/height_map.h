#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "levelling/probe_grid.h"
#include "preview/height_grid.h"
#include "settings/probe_choices.h"
#include "text/number_locale.h"

namespace zrv {

// The board's surface, relative to the reference at X0 Y0, on the nodes of a probe grid.
struct HeightMap : HeightGrid {
    std::string name;  // the probe log it came from (its file name)

    double height(std::size_t i, std::size_t j) const { return heights[j * grid.nx + i]; }
};

// Bilinear between the four nodes around (x, y); outside the grid the nearest edge counts.
double heightAt(const HeightMap& map, double x, double y);

double lowestHeight(const HeightMap& map);
double highestHeight(const HeightMap& map);

// "Höhenkarte: 6 × 5 Punkte, 10 mm, Höhen −0,12 … +0,31 mm" (the largest step of the grid).
std::string heightMapLine(const HeightMap& map, NumberLocale locale);

struct HeightMapRead {
    std::optional<HeightMap> map;
    std::string refusal;  // German, when there is no map
};

// The map from a console log of the probe program of `grid`: the n-th report is the n-th probe,
// heights are taken relative to the first. Refused when the reports are not exactly the probes
// (count, contact, XY steps off by more than 0.05 mm) or a height lies beyond the probe's stroke.
HeightMapRead readHeightMap(std::string_view log, const ProbeGrid& grid,
                            const ProbeChoices& choices, std::string_view name,
                            NumberLocale locale);

}  // namespace zrv
