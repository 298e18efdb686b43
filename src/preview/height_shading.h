#pragma once

#include "preview/height_grid.h"
#include "preview/scene.h"

namespace zrv {

// From blue (lowest, 0) over green to red (highest, 1).
Colour heightColour(double fraction);

// Puts the board's shading under everything drawn so far: each cell filled with the colour of its
// mean height, the probe points as small dots, the lowest and the highest point as large dots in
// the colours of the scale's ends.
void addHeightShading(PreviewScene& scene, const HeightGrid& map);

}  // namespace zrv
