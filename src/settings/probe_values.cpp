#include "settings/probe_values.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "settings/plain_number.h"
#include "text/trimmed.h"

namespace zrv {
namespace {

constexpr double kLowestLift = 0.5;        // mm: less and the bit drags over a warped board
constexpr double kShallowestDepth = -0.1;  // mm: less and the program writes Z0 or rounds to it
constexpr double kSlowestProbe = 1;        // mm/min
constexpr double kFastestProbe = 200;      // mm/min: faster bends a V-bit before it stops

constexpr std::array<ProbeValueRow, 4> kRows{{
    {"antasten_raster", &ProbeChoices::antasten_raster, "Der Rasterabstand (mm)"},
    {"antasten_vorschub", &ProbeChoices::antasten_vorschub, "Der Vorschub beim Antasten (mm/min)"},
    {"antasten_tiefe", &ProbeChoices::antasten_tiefe, "Die Tiefe beim Antasten (mm)"},
    {"antasten_abheben", &ProbeChoices::antasten_abheben, "Das Abheben beim Antasten (mm)"},
}};

// Why the number is refused for the row ("" when it is taken).
std::string rangeProblem(const ProbeValueRow& row, double value, NumberLocale locale) {
    const std::string name(row.name);
    const std::string shown = plainNumberText(value, locale);
    if (row.value == &ProbeChoices::antasten_vorschub) {
        return value >= kSlowestProbe && value <= kFastestProbe
                   ? std::string{}
                   : name + " muss zwischen " + plainNumberText(kSlowestProbe, locale) + " und " +
                         plainNumberText(kFastestProbe, locale) + " liegen, nicht " + shown +
                         " (10 bis 30 schont die Spitze).";
    }
    if (row.value == &ProbeChoices::antasten_tiefe) {
        return value <= kShallowestDepth
                   ? std::string{}
                   : name + " muss " + plainNumberText(kShallowestDepth, locale) +
                         " oder tiefer sein, nicht " + shown + ".";
    }
    if (row.value == &ProbeChoices::antasten_abheben) {
        return value >= kLowestLift
                   ? std::string{}
                   : name + " muss mindestens " + plainNumberText(kLowestLift, locale) +
                         " sein, nicht " + shown + ".";
    }
    // The spacing is written in micrometres.
    return value >= 0.001 ? std::string{}
                          : name + " muss mindestens " + plainNumberText(0.001, locale) +
                                " sein, nicht " + shown + ".";
}

}  // namespace

std::span<const ProbeValueRow> probeValueRows() {
    return kRows;
}

ProbeValueRead readProbeValue(const ProbeValueRow& row, std::string_view text,
                              NumberLocale locale) {
    const std::optional<double> number = wholeNumber(text);
    if (!number) {
        constexpr std::size_t kShown = 40;
        const std::string_view typed = trimmed(text);
        return {std::nullopt, std::string(row.name) + " ist keine Zahl: „" +
                                  std::string(typed.substr(0, kShown)) +
                                  (typed.size() > kShown ? "…" : "") + "“."};
    }
    if (std::string problem = rangeProblem(row, *number, locale); !problem.empty()) {
        return {std::nullopt, std::move(problem)};
    }
    return {number, {}};
}

}  // namespace zrv
