#include "gcode/depth_steps.h"

#include <algorithm>
#include <cmath>

#include "settings/plain_number.h"
#include "store/entry_text.h"
#include "text/shortened.h"
#include "text/trimmed.h"

namespace zrv {
namespace {

using Kind = StepReading::Kind;

constexpr std::string_view kRefused = "Export abgebrochen: ";
// Floating-point slack, so 1.6 / 0.4 stays 4 passes and not 5.
constexpr double kSlack = 1e-9;

std::string stepText(double value) {
    return plainNumberText(value, kCLocale);
}

struct StepChoice {
    std::string_view name;  // the caption, also in the header
    std::string_view text;  // as typed
    double depth = 0;       // the section's depth
    std::string_view unit;  // "Durchgänge" or "Stufen"
    std::string_view depthCaption;
};

std::optional<std::string> refusal(const StepChoice& choice) {
    const StepReading reading = readStep(choice.text);
    const std::string name(choice.name);
    switch (reading.kind) {
        case Kind::Off:
            return std::nullopt;
        case Kind::NotANumber:
            return std::string(kRefused) + name + " ist keine Zahl: \"" +
                   shortened(trimmed(choice.text)) + "\"";
        case Kind::NotPositive:
            return std::string(kRefused) + name + " muss größer als 0 sein (leer oder 0: aus)";
        case Kind::Step:
            break;
    }
    if (stepCount(choice.depth, reading.step)) {
        return std::nullopt;
    }
    return std::string(kRefused) + name + " ist zu klein (" + shortened(trimmed(choice.text)) +
           "): mehr als " + std::to_string(kMostSteps) + " " + std::string(choice.unit) +
           " bis zur " + std::string(choice.depthCaption);
}

// "(Zustellung: 0.5 mm, 4 Durchgänge)"; the count is the same for every path (hole).
std::optional<std::string> summaryLine(const StepChoice& choice, std::string_view one) {
    const StepReading reading = readStep(choice.text);
    if (reading.kind != Kind::Step) {
        return std::nullopt;
    }
    const std::optional<std::size_t> count = stepCount(choice.depth, reading.step);
    if (!count) {
        return std::nullopt;
    }
    return "(" + std::string(choice.name) + ": " + stepText(reading.step) + " mm, " +
           std::to_string(*count) + " " + std::string(*count == 1 ? one : choice.unit) + ")";
}

StepChoice passChoice(const GcodeJob& job) {
    return {"Zustellung", job.steps.Combo_ZUSTELLUNG, job.values.mill[ParameterRole::Depth].number,
            "Durchgänge", "Frästiefe"};
}

StepChoice peckChoice(const GcodeJob& job) {
    return {"Bohren in Stufen", job.steps.Combo_BOHREN_IN_STUFEN,
            job.values.drill[ParameterRole::Depth].number, "Stufen", "Bohrtiefe"};
}

double distance(Point a, Point b) {
    return std::hypot(b.x - a.x, b.y - a.y);
}

}  // namespace

StepReading readStep(std::string_view text) {
    std::string_view number = trimmed(text);
    if (number.ends_with("mm")) {
        number = trimmed(number.substr(0, number.size() - 2));
    }
    if (number.empty()) {
        return {};
    }
    const std::optional<double> value = wholeNumber(number);
    if (!value) {
        return {Kind::NotANumber, 0};
    }
    if (*value == 0) {
        return {};
    }
    return *value < 0 ? StepReading{Kind::NotPositive, *value} : StepReading{Kind::Step, *value};
}

std::optional<std::size_t> stepCount(double depth, double step) {
    if (!(depth < 0)) {
        return 1;
    }
    const double steps = -depth / step - kSlack;
    if (!(steps <= static_cast<double>(kMostSteps))) {
        return std::nullopt;
    }
    return std::max<std::size_t>(1, static_cast<std::size_t>(std::ceil(steps)));
}

StepDepths stepDepths(double depth, std::string_view depthText, std::string_view stepText) {
    StepDepths depths;
    const StepReading reading = readStep(stepText);
    const std::optional<std::size_t> count =
        reading.kind == Kind::Step ? stepCount(depth, reading.step) : std::nullopt;
    for (std::size_t k = 1; count && k < *count; ++k) {
        const double value = -static_cast<double>(k) * reading.step;
        depths.values.push_back(value);
        depths.texts.push_back(plainNumberText(value, kCLocale));
    }
    depths.values.push_back(depth);
    depths.texts.emplace_back(depthText);
    return depths;
}

std::size_t millingPasses(const Parameters& parameters, const DepthStepChoices& steps) {
    return stepDepths(parameterValues(parameters).mill[ParameterRole::Depth].number, "",
                      steps.Combo_ZUSTELLUNG)
        .values.size();
}

double steppedMillingTravel(std::span<const std::string> fraesungen, std::size_t passes,
                            double travel) {
    if (passes <= 1) {
        return travel;
    }
    double sum = 0;
    std::optional<Point> last;
    for (const std::string& entry : fraesungen) {
        const std::vector<Point> pairs = readPairs(entry);
        if (pairs.empty()) {
            continue;
        }
        double length = 0;
        for (std::size_t i = 1; i < pairs.size(); ++i) {
            length += distance(pairs[i - 1], pairs[i]);
        }
        sum += (last ? distance(*last, pairs.front()) : 0) + static_cast<double>(passes) * length;
        // An open path is cut back and forth: after an even number of passes the tool is at
        // its start again.
        const bool closed = pairs.front() == pairs.back();
        last = (closed || passes % 2 == 1) ? pairs.back() : pairs.front();
    }
    return sum;
}

std::optional<std::string> passSummaryLine(const GcodeJob& job) {
    return millingWritten(job) ? summaryLine(passChoice(job), "Durchgang") : std::nullopt;
}

std::optional<std::string> peckSummaryLine(const GcodeJob& job) {
    return drillingWritten(job) ? summaryLine(peckChoice(job), "Stufe") : std::nullopt;
}

std::vector<std::string> stepRefusals(const GcodeJob& job) {
    std::vector<std::string> refusals;
    for (const auto& [written, choice] : {std::pair{drillingWritten(job), peckChoice(job)},
                                          std::pair{millingWritten(job), passChoice(job)}}) {
        if (written) {
            if (std::optional<std::string> line = refusal(choice)) {
                refusals.push_back(std::move(*line));
            }
        }
    }
    return refusals;
}

}  // namespace zrv
