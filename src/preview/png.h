#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "preview/raster.h"

namespace zrv {

// CRC-32 of PNG chunks and Adler-32 of the zlib stream.
std::uint32_t crc32(std::span<const std::uint8_t> bytes);
std::uint32_t adler32(std::span<const std::uint8_t> bytes);

// The image as a PNG file (8-bit RGB). The deflate stream uses the fixed codes with matches
// only against the pixel to the left and the one above: plain previews shrink well that way.
std::string pngBytes(const RgbImage& image);

}  // namespace zrv
