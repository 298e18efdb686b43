#pragma once

#include <cstddef>

#include "store/entry_text.h"

namespace zrv {

// The nodes of a probed board: nx columns dx apart from x0, ny rows dy apart from y0 (a step is 0
// when there is one column or row). The probe grid, the height map and its shading stand on it.
struct Grid {
    double x0 = 0;
    double y0 = 0;
    double dx = 0;
    double dy = 0;
    std::size_t nx = 1;
    std::size_t ny = 1;

    double xEnd() const { return x0 + static_cast<double>(nx - 1) * dx; }
    double yEnd() const { return y0 + static_cast<double>(ny - 1) * dy; }
    Point node(std::size_t i, std::size_t j) const {
        return {x0 + static_cast<double>(i) * dx, y0 + static_cast<double>(j) * dy};
    }
};

}  // namespace zrv
