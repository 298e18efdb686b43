#include "job/time_estimate.h"

#include <cmath>

#include "text/number_scan.h"

namespace zrv {
namespace {

// An empty, foreign or zero feed counts as 0.1 mm/min: a large estimate instead of a failure.
double feedOrMinimum(std::string_view text) {
    const double feed = numberFromText(text);
    return feed == 0 ? 0.1 : feed;
}

}  // namespace

double ZEIT_FRAESUNGEN(double fahrwegFraesungen, std::string_view feedXyText) {
    return fahrwegFraesungen / feedOrMinimum(feedXyText);
}

double ZEIT_BOHRUNGEN(std::size_t anzahlPunkte, std::string_view depthText,
                      std::string_view plungeFeedText) {
    const double plunge = std::fabs(numberFromText(depthText)) * static_cast<double>(anzahlPunkte);
    return plunge / feedOrMinimum(plungeFeedText);
}

void estimateTimes(ProgramState& state, const Parameters& parameters) {
    state.ZEIT_BOHRUNGEN = ZEIT_BOHRUNGEN(state.store.PUNKTE.size(), parameters.Combo_BOHRUNG_TIEFE,
                                          parameters.Combo_BOHRUNG_VORSCHUB_Z_AB);
    state.ZEIT_FRAESUNGEN =
        ZEIT_FRAESUNGEN(state.FAHRWEG_FRAESUNGEN, parameters.Combo_FRAESUNG_VORSCHUB_XY);
}

}  // namespace zrv
