#include "preview/snap.h"

#include <cmath>

#include "text/number_format.h"

namespace zrv {

namespace {

std::string millimetres(double value, NumberLocale locale) {
    return formatPattern(value, "0.00", locale) + " mm";
}

}  // namespace

std::optional<SnapPoint> nearestSnap(std::span<const SnapPoint> points, const ViewTransform& view,
                                     Point pixel, double radius) {
    std::optional<SnapPoint> nearest;
    double best = radius * radius;
    for (const SnapPoint& point : points) {
        const Point at = view.toPixels(point.at);
        const double dx = at.x - pixel.x;
        const double dy = at.y - pixel.y;
        const double squared = dx * dx + dy * dy;
        if (squared < best || (!nearest && squared <= best)) {
            best = squared;
            nearest = point;
        }
    }
    return nearest;
}

std::string positionText(Point at, NumberLocale locale) {
    return "X " + millimetres(at.x, locale) + " Y " + millimetres(at.y, locale);
}

std::string snapText(const SnapPoint& point, NumberLocale locale) {
    const char* kind = "Bohrung ";
    switch (point.kind) {
        case SnapKind::Hole:
            break;
        case SnapKind::PathStart:
            kind = "Fräsung Anfang ";
            break;
        case SnapKind::PathEnd:
            kind = "Fräsung Ende ";
            break;
        case SnapKind::PathPoint:
            kind = "Fräsung ";
            break;
    }
    return kind + positionText(point.at, locale);
}

std::string firstPointText(Point at, NumberLocale locale) {
    return "Messen: erster Punkt " + positionText(at, locale) + "; Shift+Klick auf den zweiten";
}

std::string distanceText(Point from, Point to, NumberLocale locale) {
    const double dx = std::fabs(to.x - from.x);
    const double dy = std::fabs(to.y - from.y);
    return "Abstand: " + millimetres(std::hypot(dx, dy), locale) + " (X " +
           millimetres(dx, locale) + ", Y " + millimetres(dy, locale) + ")";
}

}  // namespace zrv
