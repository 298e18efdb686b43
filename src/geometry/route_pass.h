#pragma once

#include <span>
#include <string>
#include <vector>

#include "text/number_locale.h"

namespace zrv {

// The way the program travels through the holes in list order: from (0, 0) to each hole and
// back to (0, 0), straight, in mm.
double drillRoundTrip(std::span<const std::string> punkte);

// The same through the milling paths: from (0, 0) along every pair of every path, across the
// jumps between paths, and back to (0, 0).
double millingRoundTrip(std::span<const std::string> fraesungen);

// A round trip before and after the improvement pass, in mm.
struct RouteChange {
    double before = 0;
    double after = 0;
};

// "Weg verbessert: 1.384 mm → 1.190 mm", whole mm grouped as the locale writes them.
std::string routeChangeLine(RouteChange change, NumberLocale locale);

// The holes reordered along a shorter round trip; the texts are kept byte for byte.
RouteChange improveDrillRoute(std::vector<std::string>& punkte);

// The paths reordered along a shorter round trip, some entered at their other end and then
// written as PFAD_UMKEHREN writes them; the rest kept byte for byte. Touching paths were
// joined before, so nothing is joined here.
RouteChange improveMillingRoute(std::vector<std::string>& fraesungen);

}  // namespace zrv
