#pragma once

#include <string>
#include <vector>

#include "preview/snap.h"
#include "preview/view_choices.h"
#include "reader/calibration.h"
#include "store/entry_text.h"
#include "store/figure_store.h"
#include "text/number_locale.h"

namespace zrv {

// What the preview draws, in millimetres from the top-left corner of the picture (Y grows
// downwards); pen widths are in pixels, so they do not grow with the scale.
enum class Shape {
    Dot,   // a round dot of the pen's width at `from`
    Line,  // from `from` to `to`
    Box,   // the outline of the rectangle with the corners `from` and `to`
    Fill,  // the rectangle with the corners `from` and `to`, filled, without outline
};

struct Primitive {
    Shape shape = Shape::Dot;
    Point from;
    Point to;
    int penWidth = 1;
    Colour colour = 0;

    friend bool operator==(const Primitive&, const Primitive&) = default;
};

// The ruler and its caption, which live beside the drawn primitives: they survive a clear.
struct Ruler {
    bool visible = false;
    double lengthMm = 0;  // from x = 0
    std::string caption;  // "25,4mm"
};

struct PreviewScene {
    double xMax = 1;  // the clamped extents the view is fitted to
    double yMax = 1;
    double xMin = 0;  // the drawing's lowest coordinates: the picture frames parts below zero
    double yMin = 0;
    std::vector<Primitive> primitives;  // in drawing order: later ones cover earlier ones
    Ruler ruler;
    bool showsGrid = false;    // Label_Raster then reads "10mm"
    std::string scaleCaption;  // Menue_MAßSTAB, e.g. "(5:2,54)"
    bool yUp = false;          // shown with +Y upwards, as the board lies on the machine
    // Every hole and path point, shown or not: what measuring snaps to.
    std::vector<SnapPoint> snapPoints;
};

// The colours the preview uses besides the four of the colour buttons.
inline constexpr Colour kPictureBackground = rgb(254, 249, 222);
inline constexpr Colour kBoardArea = rgb(255, 224, 192);
inline constexpr Colour kGrid = rgb(128, 128, 128);
inline constexpr Colour kZeroPoint = rgb(0, 255, 0);
inline constexpr Colour kPathStart = rgb(0, 0, 0);

// Keeps an empty or absurd drawing drawable: maxima below 1 become 1, maxima above 10000
// become 10000, minima above 10000 become 0. The change stays in the store.
void clampExtents(Extents& extents);

// ZEICHNEN_VORSCHAU: clamps the store's extents, then lists board area, grid, zero point,
// holes with their travel and paths with their travel, and sums both travel lengths.
PreviewScene ZEICHNEN_VORSCHAU(FigureStore& store, const ViewChoices& view,
                               const Calibration& calibration, NumberLocale locale);

}  // namespace zrv
