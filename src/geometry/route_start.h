#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "geometry/milling_order.h"

namespace zrv {

// Stops whose two ends are one and the same place, merged per place: copies visited one after
// the other cost no jump, so the search sees each place once and copies never crowd out the
// next real neighbour.
struct MergedStops {
    std::vector<PathEnds> stops;                   // in the order each first appears
    std::vector<std::vector<std::size_t>> copies;  // merged stop -> given stops, ascending
};
MergedStops mergeEqualPlaces(std::span<const PathEnds> stops);

// The visits of the given stops: every merged stop's copies in a row, in the merged visit's
// direction.
std::vector<PathVisit> expandVisits(const MergedStops& merged, std::span<const PathVisit> visits);

// Where the search starts: the stops in their given order or, when that trip is longer, along
// a space-filling curve, so that a search from an unordered list needs few and short moves.
std::vector<PathVisit> startOrder(std::span<const PathEnds> stops);

}  // namespace zrv
