#include "reader/record_values.h"
#include "store/entry_format.h"
#include "store/entry_text.h"
#include "text/number_scan.h"

namespace zrv {

namespace {

// The vertices of a line or polygon record: N at offset 24, vertex i at 28 + 8i and 32 + 8i,
// i = 0 to N. Every vertex widens the extents; the first one is returned for closing a polygon.
Point appendVertices(const RecordValues& values, std::string& entry, FigureStore& store,
                     NumberLocale locale) {
    const std::size_t n = values.count(24);
    constexpr std::size_t kPairLength = 20;  // " X=12.345 Y=67.890" and a little room
    entry.reserve(entry.size() + (n + 2) * kPairLength);
    Point first;
    for (std::size_t i = 0; i <= n; ++i) {
        const double x = values.coordinate(28 + 8 * i);
        const double y = values.coordinate(32 + 8 * i);
        if (i == 0) {
            first = {x, y};
        }
        store.extents.EXTREMWERTE(x, y);
        appendPair(entry, x, y, kPfadPattern, locale);
    }
    return first;
}

}  // namespace

Status ANALYSE_LINIEN(const AnalysisInput& input, FigureStore& store, Host& host) {
    return parseRecords(input, kLinieRecord, store.LINIEN, input.filter.Check_ENABLED_LINIEN,
                        "Analyse Linien", host, [&](const RecordValues& values) {
                            std::string entry;
                            appendVertices(values, entry, store, host.locale);
                            storeWithMilling(input, store, store.LINIEN, "LINIEN",
                                             KOMMA_PUNKT(std::move(entry)));
                            return true;
                        });
}

Status ANALYSE_POLYGONE(const AnalysisInput& input, FigureStore& store, Host& host) {
    return parseRecords(input, kPolygonRecord, store.POLYGONE, input.filter.Check_ENABLED_POLYGONE,
                        "Analyse Polygone", host, [&](const RecordValues& values) {
                            std::string entry;
                            const Point first = appendVertices(values, entry, store, host.locale);
                            appendPair(entry, first.x, first.y, kPfadPattern, host.locale);
                            storeWithMilling(input, store, store.POLYGONE, "POLYGONE",
                                             KOMMA_PUNKT(std::move(entry)));
                            return true;
                        });
}

}  // namespace zrv
