#pragma once

#include "store/entry_text.h"

namespace zrv {

// A rectangle in board millimetres, left <= right and top <= bottom in board Y.
struct BoardRect {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

// Board millimetres to picture pixels and back: pixel = offset + scale * (x, +-y). The Y sign is
// + as the preview draws (Y downwards) and - when the view shows +Y upwards as on the machine.
struct ViewTransform {
    double scale = 1;  // pixels per millimetre
    double offsetX = 0;
    double offsetY = 0;
    bool yUp = false;

    Point toPixels(Point board) const;
    Point toBoard(Point pixel) const;
    // The part of the board a picture of that size shows.
    BoardRect visibleBoard(double pictureWidth, double pictureHeight) const;

    bool operator==(const ViewTransform&) const = default;
};

// The visible area in millimetres: (0, 0) to (xMax, yMax) with a 5 % margin, at equal scale
// in both directions for a picture of the given size (any unit, only the ratio counts).
struct VisibleArea {
    double width = 0;
    double height = 0;
};
VisibleArea visibleArea(double xMax, double yMax, double pictureWidth, double pictureHeight);

// The finest view: about 0.05 mm per pixel.
inline constexpr double kMostPixelsPerMillimetre = 20;

// The whole board as the preview shows it: (0, 0) to (xMax, yMax) with the 5 % margin. With
// yUp the picture is that one turned upside down, so Y = 0 lies on the bottom edge.
ViewTransform fitWholeBoard(double xMax, double yMax, double pictureWidth, double pictureHeight,
                            bool yUp);

// Zooms by `factor` about a pixel, which keeps showing the same board point; the scale stays
// between the whole board (`fit`) and kMostPixelsPerMillimetre, and reaching the whole board
// gives the whole-board view itself.
ViewTransform zoomAbout(const ViewTransform& view, Point pixel, double factor,
                        const ViewTransform& fit);

// Moves the picture by a number of pixels.
ViewTransform pan(const ViewTransform& view, double dx, double dy);

}  // namespace zrv
