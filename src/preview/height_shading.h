#pragma once

#include <cstddef>
#include <vector>

#include "preview/scene.h"

namespace zrv {

// The heights of a probed board on its grid (row after row from y0, each from x0).
struct HeightGrid {
    double x0 = 0;
    double y0 = 0;
    double dx = 0;
    double dy = 0;
    std::size_t nx = 1;
    std::size_t ny = 1;
    std::vector<double> heights;
};

// From blue (lowest, 0) over green to red (highest, 1).
Colour heightColour(double fraction);

// Puts the board's shading under everything drawn so far: each cell filled with the colour of its
// mean height, the probe points as small dots, the lowest and the highest point as large dots in
// the colours of the scale's ends.
void addHeightShading(PreviewScene& scene, const HeightGrid& grid);

}  // namespace zrv
