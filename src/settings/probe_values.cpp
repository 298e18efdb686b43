#include "settings/probe_values.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "settings/plain_number.h"
#include "text/shortened.h"
#include "text/trimmed.h"

namespace zrv {
namespace {

constexpr double kLowestLift = 0.5;        // mm: less and the bit drags over a warped board
constexpr double kHighestLift = 100;       // mm, also the deepest probe: beyond, a slip
constexpr double kShallowestDepth = -0.1;  // mm: less and the program writes Z0 or rounds to it
constexpr double kSlowestProbe = 1;        // mm/min
constexpr double kFastestProbe = 200;      // mm/min: faster bends a V-bit before it stops
constexpr double kFinestSpacing = 0.001;   // mm: the spacing is written in micrometres
constexpr double kLargestSpacing = 10000;  // mm: beyond, a slip

constexpr std::array<ProbeValueRow, 4> kRows{{
    {"antasten_raster", &ProbeChoices::antasten_raster, "Der Rasterabstand (mm)",
     "Rasterabstand (mm), höchstens so weit liegen die Punkte:", kFinestSpacing, kLargestSpacing,
     ""},
    {"antasten_vorschub", &ProbeChoices::antasten_vorschub, "Der Vorschub beim Antasten (mm/min)",
     "Vorschub beim Antasten (mm/min):", kSlowestProbe, kFastestProbe,
     " (10 bis 30 schont die Spitze)"},
    {"antasten_tiefe", &ProbeChoices::antasten_tiefe, "Die Tiefe beim Antasten (mm)",
     "Tiefe beim Antasten (mm), unter Z0 (negativ):", -kHighestLift, kShallowestDepth, ""},
    {"antasten_abheben", &ProbeChoices::antasten_abheben, "Das Abheben beim Antasten (mm)",
     "Abheben beim Antasten (mm), über Z0:", kLowestLift, kHighestLift, ""},
}};

}  // namespace

std::span<const ProbeValueRow> probeValueRows() {
    return kRows;
}

const ProbeValueRow& probeValueRow(double ProbeChoices::*value) {
    const auto* row = std::find_if(kRows.begin(), kRows.end(),
                                   [&](const ProbeValueRow& r) { return r.value == value; });
    return row == kRows.end() ? kRows.front() : *row;
}

std::string probeValueProblem(const ProbeValueRow& row, double value, NumberLocale locale) {
    if (value >= row.lowest && value <= row.highest) {
        return {};
    }
    return std::string(row.name) + " muss zwischen " + plainNumberText(row.lowest, locale) +
           " und " + plainNumberText(row.highest, locale) + " liegen, nicht " +
           plainNumberText(value, locale) + std::string(row.hint) + ".";
}

ProbeValueRead readProbeValue(const ProbeValueRow& row, std::string_view text,
                              NumberLocale locale) {
    const std::optional<double> number = wholeNumber(text);
    if (!number) {
        return {std::nullopt,
                std::string(row.name) + " ist keine Zahl: „" + shortened(trimmed(text)) + "“."};
    }
    if (std::string problem = probeValueProblem(row, *number, locale); !problem.empty()) {
        return {std::nullopt, std::move(problem)};
    }
    return {number, {}};
}

}  // namespace zrv
