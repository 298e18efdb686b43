#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "geometry/milling_order.h"

namespace zrv {

// The ordered paths after joining every path to its predecessor when the predecessor's end,
// as read back from its text, equals the path's start exactly. ends[k] are the ends of
// ordered[k] as pathEnds reads them.
struct ChainResult {
    std::vector<std::string> paths;
    std::size_t joins = 0;
};
ChainResult chainTouching(std::vector<std::string> ordered, std::span<const PathEnds> ends);

// True when the text reads the same inside any concatenation of such texts: its first
// non-blank character is an "X", "X" and "Y" alternate, ending with a "Y", and each is
// followed by "=" and at least one more character.
bool readsPiecewise(std::string_view text);

}  // namespace zrv
