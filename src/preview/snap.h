#pragma once

#include <optional>
#include <span>
#include <string>

#include "preview/view_transform.h"
#include "store/entry_text.h"
#include "text/number_locale.h"

namespace zrv {

// The places a measurement snaps to and the pointer names: holes and the points of paths.
enum class SnapKind { Hole, PathStart, PathPoint, PathEnd };

struct SnapPoint {
    Point at;
    SnapKind kind = SnapKind::Hole;
};

// How near, in pixels, the pointer must come to a place to take it.
inline constexpr double kSnapPixels = 6;

// The place nearest to `pixel` within `radius` pixels in that view; the first of equals.
std::optional<SnapPoint> nearestSnap(std::span<const SnapPoint> points, const ViewTransform& view,
                                     Point pixel, double radius = kSnapPixels);

// "X 12,70 mm Y 5,08 mm": a board position to 0.01 mm.
std::string positionText(Point at, NumberLocale locale);

// "Bohrung X 12,70 mm Y 5,08 mm", "Fräsung Anfang ...", "Fräsung Ende ...", "Fräsung ...".
std::string snapText(const SnapPoint& point, NumberLocale locale);

// "Messen: erster Punkt X 12,70 mm Y 5,08 mm; Shift+Klick auf den zweiten".
std::string firstPointText(Point at, NumberLocale locale);

// "Abstand: 2,54 mm (X 2,54 mm, Y 0,00 mm)": the distance and its two parts to 0.01 mm.
std::string distanceText(Point from, Point to, NumberLocale locale);

}  // namespace zrv
