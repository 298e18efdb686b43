#pragma once

#include <span>
#include <string>

namespace zrv {

// FAHRWEG_BOHRUNGEN: the straight distances between consecutive holes in list order (the way
// from (0, 0) to the first hole is not included).
double FAHRWEG_BOHRUNGEN(std::span<const std::string> punkte);

// FAHRWEG_FRAESUNGEN: the length of every path plus the jumps from the end of each path to the
// start of the next, in list order.
double FAHRWEG_FRAESUNGEN(std::span<const std::string> fraesungen);

}  // namespace zrv
