#pragma once

#include <string>

#include "preview/raster.h"

namespace zrv {

// The image (of the Rgb layout) as a PNG file (8-bit RGB, rows unfiltered, deflated by zlib),
// with its physical resolution so it prints at true size; none when pixelsPerMillimetre is not
// above 0. Empty when zlib fails (out of memory).
std::string pngBytes(const RgbImage& image, double pixelsPerMillimetre);

}  // namespace zrv
