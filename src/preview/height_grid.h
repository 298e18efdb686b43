#pragma once

#include <cstddef>
#include <vector>

namespace zrv {

// The heights of a probed board on its grid (row after row from y0, each from x0): what the
// preview shades and the levelling interpolates.
struct HeightGrid {
    double x0 = 0;
    double y0 = 0;
    double dx = 0;
    double dy = 0;
    std::size_t nx = 1;
    std::size_t ny = 1;
    std::vector<double> heights;  // heights[j * nx + i]
};

}  // namespace zrv
