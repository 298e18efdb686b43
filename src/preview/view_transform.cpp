#include "preview/view_transform.h"

#include <algorithm>
#include <cmath>

namespace zrv {

Point ViewTransform::toPixels(Point board) const {
    return {offsetX + scale * board.x, offsetY + scale * (yUp ? -board.y : board.y)};
}

Point ViewTransform::toBoard(Point pixel) const {
    const double y = (pixel.y - offsetY) / scale;
    return {(pixel.x - offsetX) / scale, yUp ? -y : y};
}

BoardRect ViewTransform::visibleBoard(double pictureWidth, double pictureHeight) const {
    const Point a = toBoard({0, 0});
    const Point b = toBoard({pictureWidth, pictureHeight});
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

VisibleArea visibleArea(double xMax, double yMax, double pictureWidth, double pictureHeight) {
    if (!(pictureWidth > 0) || !(pictureHeight > 0)) {
        return {1.05 * xMax, 1.05 * yMax};
    }
    const double a = pictureWidth * yMax / pictureHeight;
    const double width = 1.05 * (a > xMax ? a : xMax);
    return {width, pictureHeight * width / pictureWidth};
}

ViewTransform fitWholeBoard(double xMax, double yMax, double pictureWidth, double pictureHeight,
                            bool yUp) {
    const VisibleArea area = visibleArea(xMax, yMax, pictureWidth, pictureHeight);
    ViewTransform view;
    view.scale = area.width > 0 && pictureWidth > 0 ? pictureWidth / area.width : 1;
    view.yUp = yUp;
    view.offsetY = yUp ? area.height * view.scale : 0;
    return view;
}

ViewTransform zoomAbout(const ViewTransform& view, Point pixel, double factor,
                        const ViewTransform& fit) {
    const double most = std::max(fit.scale, kMostPixelsPerMillimetre);
    const double scale = std::clamp(view.scale * factor, fit.scale, most);
    if (!std::isfinite(scale) || scale <= fit.scale) {
        return fit;
    }
    const double ratio = scale / view.scale;
    ViewTransform zoomed = view;
    zoomed.scale = scale;
    zoomed.offsetX = pixel.x - (pixel.x - view.offsetX) * ratio;
    zoomed.offsetY = pixel.y - (pixel.y - view.offsetY) * ratio;
    return zoomed;
}

ViewTransform pan(const ViewTransform& view, double dx, double dy) {
    ViewTransform moved = view;
    moved.offsetX += dx;
    moved.offsetY += dy;
    return moved;
}

}  // namespace zrv
