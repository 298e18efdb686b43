#include "reader/record_values.h"
#include "store/entry_format.h"
#include "text/number_scan.h"

namespace zrv {

Status ANALYSE_PUNKTE(const AnalysisInput& input, FigureStore& store, Host& host) {
    return parseRecords(
        input, kPunktRecord, store.PUNKTE, input.filter.Check_ENABLED_BOHRUNGEN, "Analyse Punkte",
        host, [&](const RecordValues& values) {
            const double x = values.coordinate(24);
            const double y = values.coordinate(28);
            store.extents.EXTREMWERTE(x, y);
            std::string entry;
            appendPair(entry, x, y, kPunktPattern, host.locale);
            // The last slot ends the point scan: it is written but never counted.
            const std::size_t index = store.PUNKTE.size();
            if (index == kListCapacity - 1) {
                host.progress.showMessage("maximal " + std::to_string(index) + " möglich");
                return false;
            }
            store.PUNKTE.push_back(KOMMA_PUNKT(std::move(entry)));
            return true;
        });
}

}  // namespace zrv
