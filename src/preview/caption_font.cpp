#include "preview/caption_font.h"

#include <array>
#include <cstdint>

namespace zrv {

namespace {

constexpr int kGlyphWidth = 5;

// Seven rows per glyph, the leftmost pixel in the highest of five bits.
struct Glyph {
    char c;
    std::array<std::uint8_t, kCaptionGlyphHeight> rows;
};

// clang-format off
constexpr std::array<Glyph, 16> kGlyphs{{
    {'0', {0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E}},
    {'1', {0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E}},
    {'2', {0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F}},
    {'3', {0x1F, 0x02, 0x04, 0x02, 0x01, 0x11, 0x0E}},
    {'4', {0x02, 0x06, 0x0A, 0x12, 0x1F, 0x02, 0x02}},
    {'5', {0x1F, 0x10, 0x1E, 0x01, 0x01, 0x11, 0x0E}},
    {'6', {0x06, 0x08, 0x10, 0x1E, 0x11, 0x11, 0x0E}},
    {'7', {0x1F, 0x01, 0x02, 0x04, 0x08, 0x08, 0x08}},
    {'8', {0x0E, 0x11, 0x11, 0x0E, 0x11, 0x11, 0x0E}},
    {'9', {0x0E, 0x11, 0x11, 0x0F, 0x01, 0x02, 0x0C}},
    {',', {0x00, 0x00, 0x00, 0x00, 0x0C, 0x04, 0x08}},
    {'.', {0x00, 0x00, 0x00, 0x00, 0x00, 0x0C, 0x0C}},
    {'-', {0x00, 0x00, 0x00, 0x1F, 0x00, 0x00, 0x00}},
    {'+', {0x00, 0x04, 0x04, 0x1F, 0x04, 0x04, 0x00}},
    {'E', {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x1F}},
    {'m', {0x00, 0x00, 0x1A, 0x15, 0x15, 0x15, 0x15}},
}};
// clang-format on

const Glyph* glyphOf(char c) {
    for (const Glyph& glyph : kGlyphs) {
        if (glyph.c == c) {
            return &glyph;
        }
    }
    return nullptr;
}

// Each run of set font pixels in a row is one span of `size` rows.
void paintGlyph(RgbImage& image, int left, int top, const Glyph& glyph, int size, Colour colour) {
    for (int row = 0; row < kCaptionGlyphHeight; ++row) {
        const unsigned bits = glyph.rows[static_cast<std::size_t>(row)];
        int column = 0;
        while (column < kGlyphWidth) {
            if (((bits >> (kGlyphWidth - 1 - column)) & 1u) == 0) {
                ++column;
                continue;
            }
            const int first = column;
            while (column < kGlyphWidth && ((bits >> (kGlyphWidth - 1 - column)) & 1u) != 0) {
                ++column;
            }
            for (int dy = 0; dy < size; ++dy) {
                fillSpan(image, top + row * size + dy, left + first * size, left + column * size,
                         colour);
            }
        }
    }
}

}  // namespace

void paintCaption(RgbImage& image, int left, int top, std::string_view text, int size,
                  Colour colour) {
    for (const char c : text) {
        if (left >= image.width) {
            return;
        }
        if (const Glyph* glyph = glyphOf(c)) {
            paintGlyph(image, left, top, *glyph, size, colour);
        }
        left += (kGlyphWidth + 1) * size;
    }
}

}  // namespace zrv
