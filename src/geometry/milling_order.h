#pragma once

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

#include "geometry/weighted_distance.h"
#include "store/entry_text.h"

namespace zrv {

// The two ends of a path text as the optimiser reads them: the start from the first "X" and
// "Y", the end from the last pair (the start again when the text holds no pair).
struct PathEnds {
    Point start;
    Point end;
};
PathEnds pathEnds(std::string_view text);

// A path of the tour and whether it is entered at its end (and so reversed).
struct PathVisit {
    std::size_t path = 0;
    bool reversed = false;
};

// The greedy milling tour from (0, 0) over both ends of every path. On equal distances an
// entry at the start beats every entry at an end; among starts the higher list position wins,
// among ends the lower, with positions moved by the exchanges as in the plain tour.
std::vector<PathVisit> millingOrder(std::span<const PathEnds> paths, Exponents exponents);

}  // namespace zrv
