#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "preview/scene.h"
#include "preview/view_transform.h"

namespace zrv {

// How a pixel lies in memory: three bytes R, G, B (pictures), or one 32-bit word 0xFFRRGGBB in
// the machine's byte order, as screens keep their pixels (the window's frames, not converted).
enum class PixelLayout { Rgb, Word };

// Rows of 8-bit RGB pixels, top row first.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;  // width * height * 3, or * 4 as words
    PixelLayout layout = PixelLayout::Rgb;

    Colour at(int x, int y) const;
};

// Paints the pixels from <= x < to of row y in the image's layout, clipped to the image.
void fillSpan(RgbImage& image, int y, int from, int to, Colour colour);

// Paints the scene's primitives as the window does (round dots and line ends of the pen's width
// in pixels, box outlines with square corners), without smoothing, over the picture background.
// A screen with a pixel ratio paints at device pixels: the view by devicePixels, the pens grown
// by penScale, the ratio.
RgbImage rasterise(const PreviewScene& scene, const ViewTransform& view, int width, int height,
                   double penScale = 1, PixelLayout layout = PixelLayout::Rgb);

// A zoomed frame: only the listed primitives.
RgbImage rasterise(const PreviewScene& scene, std::span<const std::uint32_t> only,
                   const ViewTransform& view, double penScale, int width, int height,
                   PixelLayout layout = PixelLayout::Rgb);

// The same view on a screen with `ratio` device pixels to each pixel.
ViewTransform devicePixels(const ViewTransform& view, double ratio);

}  // namespace zrv
