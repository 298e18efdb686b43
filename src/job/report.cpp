#include "job/report.h"

#include <charconv>
#include <cmath>

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

std::vector<std::string> infoLines(const ProgramState& state, const JobFigures& figures) {
    const JobTime time =
        figures.planned.value_or(JobTime{std::nan(""), std::nan(""), std::nan("")});
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
        "fahrweg_bohrungen=" + plainNumber(figures.FAHRWEG_BOHRUNGEN),
        "fahrweg_fraesungen=" + plainNumber(figures.FAHRWEG_FRAESUNGEN),
        "zeit_bohrungen=" + plainNumber(figures.ZEIT_BOHRUNGEN),
        "zeit_fraesungen=" + plainNumber(figures.ZEIT_FRAESUNGEN),
        "laufzeit_bohrungen=" + plainNumber(time.drilling / 60),
        "laufzeit_fraesungen=" + plainNumber(time.milling / 60),
        "laufzeit_gesamt=" + plainNumber(time.total / 60),
    };
}

}  // namespace zrv
