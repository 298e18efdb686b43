#include "reader/record_values.h"

#include <cmath>

#include "reader/colour_filter.h"
#include "reader/decode.h"

namespace zrv {

std::string analysisFailureText(std::string_view drawingName, std::string_view cause) {
    return "Die Zeichnung \"" + std::string(drawingName) +
           "\" wurde nicht vollständig gelesen: " + std::string(cause) + ".";
}

void RecordValues::fail(std::string_view what) const {
    const std::string cause = std::string(kind_.name) + " an Position " +
                              std::to_string(record_.position()) + ": " + std::string(what);
    throw AnalysisFailure(analysisFailureText(input_.drawingName, cause));
}

bool RecordValues::colourAccepted() const {
    const std::optional<bool> accepted =
        FARBE_AKTIV(record_.bytes(), kind_.colourOffset, input_.filter);
    if (!accepted) {
        fail("der Datensatz endet vor seiner Farbe");
    }
    return *accepted;
}

std::uint8_t RecordValues::count(std::size_t offset) const {
    const std::optional<std::uint8_t> n = record_.byte(offset);
    if (!n) {
        fail("der Datensatz endet vor seiner Punktanzahl");
    }
    return *n;
}

double RecordValues::coordinate(std::size_t offset) const {
    const std::optional<double> value = KOORDINATE(record_.field(offset), input_.calibration);
    if (!value) {
        throw AnalysisFailure(std::string(kCalcKoordinatenError));
    }
    return finite(*value);
}

double RecordValues::angle(std::size_t offset) const {
    const std::optional<double> value = CALC_KOORDINATEN(record_.field(offset));
    if (!value) {
        throw AnalysisFailure(std::string(kCalcKoordinatenError));
    }
    return *value;
}

double RecordValues::finite(double value) const {
    if (!std::isfinite(value)) {
        fail("eine Koordinate ist für den Maßstab zu groß");
    }
    return value;
}

void requireRoom(const AnalysisInput& input, const std::vector<std::string>& list,
                 std::string_view listName) {
    if (list.size() >= kListCapacity) {
        throw AnalysisFailure(analysisFailureText(
            input.drawingName, "die Liste " + std::string(listName) + " ist voll (höchstens " +
                                   std::to_string(kListCapacity) + " Einträge)"));
    }
}

void storeWithMilling(const AnalysisInput& input, FigureStore& store, std::vector<std::string>& own,
                      std::string_view ownName, std::string entry) {
    requireRoom(input, own, ownName);
    requireRoom(input, store.FRAESUNGEN, "FRÄSUNGEN");
    own.push_back(entry);
    store.FRAESUNGEN.push_back(std::move(entry));
}

}  // namespace zrv
