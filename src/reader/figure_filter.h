#pragma once

namespace zrv {

// The check boxes that decide at parse time which figures enter the store (0 unticked,
// 1 ticked, 2 greyed). A kind is parsed unless its box is 0; a colour box counts only when 1.
struct FigureFilter {
    int Check_ENABLED_BOHRUNGEN = 1;
    int Check_ENABLED_LINIEN = 1;
    int Check_ENABLED_RECHTECKE = 1;
    int Check_ENABLED_POLYGONE = 1;
    int Check_ENABLED_KREISE = 1;

    int Check_FARBE_ROT = 1;
    int Check_FARBE_GRUEN = 1;
    int Check_FARBE_BLAU = 1;
    int Check_FARBE_GRAU = 1;
    int Check_FARBE_SCHWARZ = 1;
    int Check_FARBE_ALLE = 1;
};

// A box counts as ticked only when its value is exactly 1.
inline bool ticked(int checkValue) {
    return checkValue == 1;
}

}  // namespace zrv
