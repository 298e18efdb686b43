#include "preview/scene.h"

#include <optional>
#include <utility>

#include "reader/figure_filter.h"
#include "store/entry_text.h"
#include "text/number_format.h"

namespace zrv {

namespace {

constexpr double kGridStep = 10;
constexpr int kGridLines = 31;
constexpr double kGridLength = 1000;

void addDot(PreviewScene& scene, Point at, int penWidth, Colour colour) {
    scene.primitives.push_back({Shape::Dot, at, at, penWidth, colour});
}

void addLine(PreviewScene& scene, Point from, Point to, int penWidth, Colour colour) {
    // A travel line of no length marks nothing.
    if (from == to) {
        return;
    }
    scene.primitives.push_back({Shape::Line, from, to, penWidth, colour});
}

void addGrid(PreviewScene& scene) {
    for (int i = 0; i < kGridLines; ++i) {
        const double at = kGridStep * i;
        addLine(scene, {at, 0}, {at, kGridLength}, 1, kGrid);
        addLine(scene, {0, at}, {kGridLength, at}, 1, kGrid);
    }
}

// Where the travel to `to` starts: the point before it, or `to` itself for the first one.
Point travelFrom(std::optional<Point>& last, Point to) {
    const Point from = last.value_or(to);
    last = to;
    return from;
}

void addHoles(PreviewScene& scene, const std::vector<std::string>& punkte,
              const ViewChoices& view) {
    std::optional<Point> last;
    for (const std::string& entry : punkte) {
        const Point hole = readPoint(entry);
        const Point from = travelFrom(last, hole);
        scene.snapPoints.push_back({hole, SnapKind::Hole});
        if (ticked(view.Check_VIEW_BOHRUNGEN)) {
            addDot(scene, hole, 3, view.Command_FARBE_VIEW_BOHRUNGEN);
        }
        if (ticked(view.Check_WEG_BOHRUNGEN)) {
            addLine(scene, from, hole, 1, view.Command_FARBE_WEG_BOHRUNGEN);
        }
    }
}

// Every point of a path is drawn, however long the chaining made it.
void addPaths(PreviewScene& scene, const std::vector<std::string>& fraesungen,
              const ViewChoices& view) {
    const bool travelShown = ticked(view.Check_WEG_FRAESUNGEN);
    std::optional<Point> last;
    for (const std::string& entry : fraesungen) {
        const std::vector<Point> pairs = readPairs(entry);
        if (pairs.empty()) {
            continue;
        }
        for (std::size_t m = 0; m < pairs.size(); ++m) {
            const SnapKind kind = m == 0                  ? SnapKind::PathStart
                                  : m + 1 == pairs.size() ? SnapKind::PathEnd
                                                          : SnapKind::PathPoint;
            scene.snapPoints.push_back({pairs[m], kind});
        }
        if (ticked(view.Check_VIEW_FRAESUNGEN)) {
            for (std::size_t m = 0; m + 1 < pairs.size(); ++m) {
                addLine(scene, pairs[m], pairs[m + 1], 2, view.Command_FARBE_VIEW_FRAESUNGEN);
            }
        }
        if (travelShown) {
            addDot(scene, pairs.front(), 4, kPathStart);
        }
        for (const Point& point : pairs) {
            const Point from = travelFrom(last, point);
            if (travelShown) {
                addLine(scene, from, point, 1, view.Command_FARBE_WEG_FRAESUNGEN);
            }
        }
    }
}

}  // namespace

void clampExtents(Extents& extents) {
    for (double* maximum : {&extents.X_MAX, &extents.Y_MAX}) {
        if (!(*maximum >= 1)) {
            *maximum = 1;
        }
        if (*maximum > 10000) {
            *maximum = 10000;
        }
    }
    for (double* minimum : {&extents.X_MIN, &extents.Y_MIN}) {
        if (*minimum > 10000) {
            *minimum = 0;
        }
    }
}

PreviewScene ZEICHNEN_VORSCHAU(FigureStore& store, const ViewChoices& view,
                               const Calibration& calibration, NumberLocale locale) {
    Extents& extents = store.extents;
    clampExtents(extents);

    PreviewScene scene;
    scene.xMax = extents.X_MAX;
    scene.yMax = extents.Y_MAX;
    scene.xMin = extents.X_MIN;
    scene.yMin = extents.Y_MIN;
    scene.yUp = ticked(view.Check_Y_NACH_OBEN);
    // Appended: GCC 12 at -O3 warns falsely (-Wrestrict) on "(" joined to a number text.
    std::string caption = "(";
    caption += numberText(calibration.STRECKE_ZIRVA_WERT, locale);
    caption += ':';
    caption += numberText(calibration.STRECKE_ORIGINAL_WERT, locale);
    caption += ')';
    scene.scaleCaption = std::move(caption);

    if (ticked(view.Check_BEREICH)) {
        scene.primitives.push_back({Shape::Box,
                                    {extents.X_MIN, extents.Y_MIN},
                                    {extents.X_MAX, extents.Y_MAX},
                                    20,
                                    kBoardArea});
    }
    if (ticked(view.Check_VIEW_LINEAL)) {
        const double length = calibration.STRECKE_ORIGINAL_WERT * 10;
        scene.ruler = {true, length, numberText(length, locale) + "mm"};
    }
    if (ticked(view.Check_VIEW_RASTER)) {
        scene.showsGrid = true;
        addGrid(scene);
    }
    if (ticked(view.Check_NULL_PUNKT)) {
        addDot(scene, {0, 0}, 16, kZeroPoint);
    }

    addHoles(scene, store.PUNKTE, view);
    addPaths(scene, store.FRAESUNGEN, view);
    return scene;
}

}  // namespace zrv
