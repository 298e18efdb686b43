#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "preview/scene.h"
#include "preview/view_transform.h"

namespace zrv {

// Rows of 8-bit RGB pixels, top row first.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;  // width * height * 3

    Colour at(int x, int y) const;
};

// Paints the scene's primitives as the window does (round dots and line ends of the pen's width
// in pixels, box outlines with square corners), without smoothing, over the picture background.
// A screen with a pixel ratio paints at device pixels: the view by devicePixels, the pens grown
// by penScale, the ratio.
RgbImage rasterise(const PreviewScene& scene, const ViewTransform& view, int width, int height,
                   double penScale = 1);

// A zoomed frame: only the listed primitives.
RgbImage rasterise(const PreviewScene& scene, std::span<const std::uint32_t> only,
                   const ViewTransform& view, double penScale, int width, int height);

// The same view on a screen with `ratio` device pixels to each pixel.
ViewTransform devicePixels(const ViewTransform& view, double ratio);

}  // namespace zrv
