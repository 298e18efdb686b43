#pragma once

#include <cstddef>
#include <functional>
#include <span>
#include <vector>

#include "geometry/weighted_distance.h"
#include "store/entry_text.h"

namespace zrv {

// The greedy drill tour from (0, 0): at step i the nearest remaining hole (by the weighted
// distance; on a tie the one at the higher list position) is exchanged with position i. Gives
// the hole (index into holes) that ends at each position; beforeStep runs before each step.
std::vector<std::size_t> drillOrder(std::span<const Point> holes, Exponents exponents,
                                    const std::function<void(std::size_t)>& beforeStep);

}  // namespace zrv
