#include "job/report.h"

#include <charconv>
#include <cmath>

#include "gcode/depth_steps.h"
#include "job/time_estimate.h"
#include "preview/travel.h"

namespace zrv {

namespace {

std::string plainNumber(double value) {
    if (!std::isfinite(value)) {
        return "?";  // as the window shows a value it cannot know
    }
    if (value == 0) {
        return "0";
    }
    // Fixed notation of the largest double needs 309 digits before the point.
    char text[400];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
    return std::string(text, result.ptr);
}

}  // namespace

void computeTravelAndTime(ProgramState& state, const Parameters& parameters,
                          const DepthStepChoices& steps) {
    const FigureStore& store = state.store;
    state.FAHRWEG_BOHRUNGEN = FAHRWEG_BOHRUNGEN(store.PUNKTE);
    state.FAHRWEG_FRAESUNGEN = steppedMillingTravel(
        store.FRAESUNGEN, millingPasses(parameters, steps), FAHRWEG_FRAESUNGEN(store.FRAESUNGEN));
    estimateTimes(state, parameters);
}

std::vector<std::string> infoLines(const ProgramState& state, const JobTime& time) {
    const FigureStore& store = state.store;
    const Extents& extents = store.extents;
    const auto count = [](const std::vector<std::string>& list) {
        return std::to_string(list.size());
    };
    return {
        "version=" + state.file.DATEI_VERSION,
        "punkte=" + count(store.PUNKTE),
        "linien=" + count(store.LINIEN),
        "rechtecke=" + count(store.RECHTECKE),
        "polygone=" + count(store.POLYGONE),
        "kreise=" + count(store.KREISE),
        "fraesungen=" + count(store.FRAESUNGEN),
        "x_min=" + plainNumber(extents.X_MIN),
        "x_max=" + plainNumber(extents.X_MAX),
        "y_min=" + plainNumber(extents.Y_MIN),
        "y_max=" + plainNumber(extents.Y_MAX),
        "fahrweg_bohrungen=" + plainNumber(state.FAHRWEG_BOHRUNGEN),
        "fahrweg_fraesungen=" + plainNumber(state.FAHRWEG_FRAESUNGEN),
        "zeit_bohrungen=" + plainNumber(state.ZEIT_BOHRUNGEN),
        "zeit_fraesungen=" + plainNumber(state.ZEIT_FRAESUNGEN),
        "laufzeit_bohrungen=" + plainNumber(time.drilling / 60),
        "laufzeit_fraesungen=" + plainNumber(time.milling / 60),
        "laufzeit_gesamt=" + plainNumber(time.total / 60),
    };
}

}  // namespace zrv
