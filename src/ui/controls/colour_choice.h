#pragma once

#include "preview/view_choices.h"
#include "ui/common/platform.h"
#include "ui/controls/preview_redraw.h"

namespace zrv {

// FARBE_WAEHLEN: the colour dialog, opened on the button's colour, then a redraw request. A
// cancelled dialog answers the colour the button had.
Colour FARBE_WAEHLEN(Platform& platform, PreviewRedraw& redraw, Colour current);

}  // namespace zrv
