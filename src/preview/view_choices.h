#pragma once

#include <cstdint>

namespace zrv {

// A colour as the settings file keeps it: 0x00BBGGRR.
using Colour = std::uint32_t;

constexpr Colour rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return static_cast<Colour>(r) | (static_cast<Colour>(g) << 8) | (static_cast<Colour>(b) << 16);
}
constexpr std::uint8_t red(Colour c) {
    return static_cast<std::uint8_t>(c & 0xFF);
}
constexpr std::uint8_t green(Colour c) {
    return static_cast<std::uint8_t>((c >> 8) & 0xFF);
}
constexpr std::uint8_t blue(Colour c) {
    return static_cast<std::uint8_t>((c >> 16) & 0xFF);
}

// The display-only choices of the preview; a box counts as ticked when its value is 1.
struct ViewChoices {
    int Check_VIEW_RASTER = 0;
    int Check_VIEW_LINEAL = 0;
    int Check_BEREICH = 0;
    int Check_NULL_PUNKT = 0;
    int Check_VIEW_BOHRUNGEN = 1;
    int Check_WEG_BOHRUNGEN = 1;
    int Check_VIEW_FRAESUNGEN = 1;
    int Check_WEG_FRAESUNGEN = 1;
    // "Y nach oben (wie auf der Maschine)": the view turned so +Y points up.
    int Check_Y_NACH_OBEN = 0;

    Colour Command_FARBE_VIEW_BOHRUNGEN = rgb(255, 0, 0);
    Colour Command_FARBE_WEG_BOHRUNGEN = rgb(192, 192, 192);
    Colour Command_FARBE_VIEW_FRAESUNGEN = rgb(0, 0, 255);
    Colour Command_FARBE_WEG_FRAESUNGEN = rgb(192, 192, 192);
};

}  // namespace zrv
