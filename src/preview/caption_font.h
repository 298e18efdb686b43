#pragma once

#include <string_view>

#include "preview/raster.h"

namespace zrv {

// A 5 x 7 pixel font for the ruler's caption in written pictures: digits, the decimal signs,
// "+", "-", "E" and "m"; a blank or another character leaves a gap. Each glyph is `size` pixels
// per font pixel, one font pixel apart.
inline constexpr int kCaptionGlyphHeight = 7;

// Paints the text with its top-left corner at (left, top), clipped to the image.
void paintCaption(RgbImage& image, int left, int top, std::string_view text, int size,
                  Colour colour);

}  // namespace zrv
