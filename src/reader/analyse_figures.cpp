#include <cmath>

#include "reader/analysis.h"
#include "text/number_format.h"

namespace zrv {

Status analyseFigures(const AnalysisInput& input, FigureStore& store, Host& host) {
    if (!usableCalibration(input.calibration)) {
        const Calibration& c = input.calibration;
        return Status::failure(analysisFailureText(
            input.drawingName,
            "der Maßstab ist ungültig (Strecke-ZIRVA: " +
                numberText(c.STRECKE_ZIRVA_WERT, host.locale) +
                ", Strecke-ORIGINAL: " + numberText(c.STRECKE_ORIGINAL_WERT, host.locale) + ")"));
    }
    for (auto* parser : {&ANALYSE_PUNKTE, &ANALYSE_LINIEN, &ANALYSE_RECHTECKE, &ANALYSE_POLYGONE,
                         &ANALYSE_KREISE}) {
        Status status = parser(input, store, host);
        if (!status.ok()) {
            return status;
        }
    }
    return Status::success();
}

bool usableCalibration(const Calibration& calibration) {
    return std::isfinite(calibration.STRECKE_ZIRVA_WERT) &&
           std::isfinite(calibration.STRECKE_ORIGINAL_WERT) && calibration.STRECKE_ZIRVA_WERT > 0 &&
           calibration.STRECKE_ORIGINAL_WERT > 0;
}

}  // namespace zrv
