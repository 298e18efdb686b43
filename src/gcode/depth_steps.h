#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "gcode/gcode_writer.h"
#include "settings/depth_step_choices.h"

namespace zrv {

// More passes or pecks than this are a typing slip (0.0001 for 0.1), never a program.
inline constexpr std::size_t kMostSteps = 1000;

// What a step text says: "0,5", "0.5" and "0,5 mm" are a step; empty or 0 is off.
struct StepReading {
    enum class Kind { Off, Step, NotANumber, NotPositive };
    Kind kind = Kind::Off;
    double step = 0;
};
StepReading readStep(std::string_view text);

// How many steps reach `depth` (below the surface when negative); 1 for a depth at or above
// the surface, none when more than kMostSteps would be needed.
std::optional<std::size_t> stepCount(double depth, double step);

// The depths a path or hole is cut to, one after another, each at most one step below the one
// before, the last `depthText` itself. A step text that is off, makes no sense or needs too many
// steps gives the one depth of a program without steps.
struct StepDepths {
    std::vector<double> values;
    std::vector<std::string> texts;  // as written after "Z"
};
StepDepths stepDepths(double depth, std::string_view depthText, std::string_view stepText);

// The passes of every milling path of `job` (1 without steps).
std::size_t millingPasses(const Parameters& parameters, const DepthStepChoices& steps);

// FAHRWEG_FRAESUNGEN when every path is cut `passes` times as the program does; `travel` (the
// figure for one pass) when 1.
double steppedMillingTravel(std::span<const std::string> fraesungen, std::size_t passes,
                            double travel);

// The header lines "(Zustellung: 0.5 mm, 4 Durchgänge)" and "(Bohren in Stufen: ...)" of the
// written sections whose choice is on.
std::optional<std::string> passSummaryLine(const GcodeJob& job);
std::optional<std::string> peckSummaryLine(const GcodeJob& job);

// "Export abgebrochen: ..." for a step of a written section that is no number, 0 or below
// without being off, or so small that it needs more than kMostSteps.
std::vector<std::string> stepRefusals(const GcodeJob& job);

}  // namespace zrv
