#include "job/time_estimate.h"

#include <cmath>
#include <initializer_list>

#include "gcode/parameter_refusals.h"
#include "text/number_scan.h"

namespace zrv {
namespace {

// An empty, foreign or zero feed counts as 0.1 mm/min: a large estimate instead of a failure.
double feedOrMinimum(std::string_view text) {
    const double feed = numberFromText(text);
    return feed == 0 ? 0.1 : feed;
}

// A value the export refuses as beyond any machine, or a quotient too large for a double,
// gives no estimate at all: NaN, which every display shows as "?".
double estimate(double minutes, std::initializer_list<double> values) {
    for (double value : values) {
        if (std::fabs(value) > kLargestParameter) {
            return std::nan("");
        }
    }
    return std::isfinite(minutes) ? minutes : std::nan("");
}

}  // namespace

double ZEIT_FRAESUNGEN(double fahrwegFraesungen, std::string_view feedXyText) {
    const double feed = feedOrMinimum(feedXyText);
    return estimate(fahrwegFraesungen / feed, {feed});
}

double ZEIT_BOHRUNGEN(std::size_t anzahlPunkte, std::string_view depthText,
                      std::string_view plungeFeedText) {
    const double depth = numberFromText(depthText);
    const double feed = feedOrMinimum(plungeFeedText);
    return estimate(std::fabs(depth) * static_cast<double>(anzahlPunkte) / feed, {depth, feed});
}

}  // namespace zrv
