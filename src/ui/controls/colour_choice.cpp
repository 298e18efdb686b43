#include "ui/controls/colour_choice.h"

namespace zrv {

// The redraw only arms the timer, so the preview is drawn after the button has its colour.
Colour FARBE_WAEHLEN(Platform& platform, PreviewRedraw& redraw, Colour current) {
    const std::optional<Colour> chosen = platform.chooseColour(current);
    redraw.request();
    return chosen.value_or(current);
}

}  // namespace zrv
