#include "reader/colour_filter.h"

#include <array>
#include <cstdint>

namespace zrv {

namespace {

using Rgb = std::array<std::uint8_t, 3>;

bool isColour(const Rgb& colour, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return colour == Rgb{r, g, b};
}

}  // namespace

std::optional<bool> FARBE_AKTIV(std::string_view record, std::size_t position,
                                const FigureFilter& filter) {
    if (position + 3 > record.size()) {
        return std::nullopt;
    }
    const Rgb colour{static_cast<std::uint8_t>(record[position]),
                     static_cast<std::uint8_t>(record[position + 1]),
                     static_cast<std::uint8_t>(record[position + 2])};
    return ticked(filter.Check_FARBE_ALLE) ||
           (ticked(filter.Check_FARBE_ROT) && isColour(colour, 0xFF, 0x00, 0x00)) ||
           (ticked(filter.Check_FARBE_GRUEN) && isColour(colour, 0x00, 0xFF, 0x00)) ||
           (ticked(filter.Check_FARBE_BLAU) && isColour(colour, 0x00, 0x00, 0xFF)) ||
           (ticked(filter.Check_FARBE_GRAU) && isColour(colour, 0xC0, 0xC0, 0xC0)) ||
           (ticked(filter.Check_FARBE_SCHWARZ) && isColour(colour, 0x00, 0x00, 0x00));
}

}  // namespace zrv
