#include <array>

#include "reader/record_values.h"
#include "store/entry_format.h"
#include "store/entry_text.h"
#include "text/number_scan.h"

namespace zrv {

namespace {

using Corners = std::array<Point, 4>;

// The layout for "ZIRVA70": four corners at offsets 24 to 52, the outline in stored order.
Corners fourCorners(const RecordValues& values, Extents& extents) {
    Corners corners;
    for (std::size_t k = 0; k < corners.size(); ++k) {
        corners[k] = {values.coordinate(24 + 8 * k), values.coordinate(28 + 8 * k)};
        extents.EXTREMWERTE(corners[k].x, corners[k].y);
    }
    return corners;
}

// The older layout: opposite corners (X1, Y1) and (X2, Y2) of an axis-parallel rectangle.
Corners oppositeCorners(const RecordValues& values, Extents& extents) {
    const double x1 = values.coordinate(24);
    const double y1 = values.coordinate(28);
    const double x2 = values.coordinate(32);
    const double y2 = values.coordinate(36);
    extents.EXTREMWERTE(x1, y1);
    extents.EXTREMWERTE(x2, y2);
    return {Point{x1, y1}, Point{x2, y1}, Point{x2, y2}, Point{x1, y2}};
}

}  // namespace

Status ANALYSE_RECHTECKE(const AnalysisInput& input, FigureStore& store, Host& host) {
    const bool zirva70 = input.DATEI_VERSION == "ZIRVA70";
    return parseRecords(
        input, kRechteckRecord, store.RECHTECKE, input.filter.Check_ENABLED_RECHTECKE,
        "Analyse Rechtecke", host, [&](const RecordValues& values) {
            const Corners corners = zirva70 ? fourCorners(values, store.extents)
                                            : oppositeCorners(values, store.extents);
            // Four segments, each written as its start and its end.
            std::string entry;
            for (std::size_t k = 0; k < corners.size(); ++k) {
                const Point& end = corners[(k + 1) % corners.size()];
                appendPair(entry, corners[k].x, corners[k].y, kPfadPattern, host.locale);
                appendPair(entry, end.x, end.y, kPfadPattern, host.locale);
            }
            storeWithMilling(input, store, store.RECHTECKE, "RECHTECKE",
                             KOMMA_PUNKT(std::move(entry)));
            return true;
        });
}

}  // namespace zrv
