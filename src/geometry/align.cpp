#include "geometry/align.h"

#include <functional>
#include <string_view>

#include "store/entry_format.h"
#include "store/entry_text.h"
#include "store/pair_text.h"

namespace zrv {
namespace {

using Transform = std::function<Point(Point)>;

// The common frame: rebuild every point and path from its read values, widening fresh extents
// by the computed values (not by the rounded texts).
void transformStore(FigureStore& store, const Transform& transform, NumberLocale locale) {
    Extents fresh;
    for (std::string& entry : store.PUNKTE) {
        const Point moved = transform(readPoint(entry));
        fresh.EXTREMWERTE(moved.x, moved.y);
        entry = pairsText(std::span(&moved, 1), kMovedPattern, locale);
    }
    for (std::string& entry : store.FRAESUNGEN) {
        std::vector<Point> pairs = readPairs(entry);
        for (Point& p : pairs) {
            p = transform(p);
            fresh.EXTREMWERTE(p.x, p.y);
        }
        entry = pairsText(pairs, kMovedPattern, locale);
    }
    store.extents = fresh;
}

}  // namespace

void GRAFIC_BUENDIG(FigureStore& store, int checkBuendig, Host& host) {
    if (checkBuendig == 0) {
        return;
    }
    host.progress.addLine("bündig...");
    host.progress.processEvents();
    const Extents old = store.extents;
    transformStore(
        store,
        [&old](Point p) {
            return Point{p.x - old.X_MIN, p.y - old.Y_MIN};
        },
        host.locale);
}

void GRAFIC_SPIEGELN(FigureStore& store, int checkSpiegeln, Host& host) {
    if (checkSpiegeln == 0) {
        return;
    }
    host.progress.addLine("spiegeln...");
    const Extents old = store.extents;
    transformStore(
        store,
        [&old](Point p) {
            return Point{old.X_MAX + old.X_MIN - p.x, p.y};
        },
        host.locale);
}

}  // namespace zrv
