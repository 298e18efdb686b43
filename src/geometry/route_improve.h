#pragma once

#include <span>
#include <vector>

#include "geometry/milling_order.h"

namespace zrv {

// The straight length of the round trip from (0, 0) through the stops as visited (each
// entered at one end and left at the other) and back to (0, 0); the way along a stop is not
// counted, it is the same in any order.
double roundTripJumps(std::span<const PathEnds> stops, std::span<const PathVisit> visits);

// The round trip through the stops in their given order and direction, shortened by 2-opt and
// Or-opt moves (a stop may be turned round) until none shortens it. Candidates come from the
// nearest ends of each end, so the work grows about linearly with the stops. The result visits
// every stop once and is never longer than the given order: when it is not shorter, it is the
// given order.
std::vector<PathVisit> improveRoute(std::span<const PathEnds> stops);

}  // namespace zrv
