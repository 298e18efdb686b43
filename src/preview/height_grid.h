#pragma once

#include <vector>

#include "preview/grid.h"

namespace zrv {

// The heights of a probed board on its grid (row after row from y0, each from x0): what the
// preview shades and the levelling interpolates.
struct HeightGrid {
    Grid grid;
    std::vector<double> heights;  // heights[j * grid.nx + i]
};

}  // namespace zrv
