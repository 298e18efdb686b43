#include "geometry/calibration_input.h"

#include <cmath>
#include <string>

#include "text/number_scan.h"

namespace zrv {

std::optional<double> distanceAnswer(std::string_view answer) {
    const double value = leadingNumber(KOMMA_PUNKT(std::string(answer)));
    // A distance of infinity would turn every coordinate into 0 or NaN.
    if (value > 0 && std::isfinite(value)) {
        return value;
    }
    return std::nullopt;
}

void setScaleOneToOne(Calibration& calibration) {
    calibration.STRECKE_ZIRVA_WERT = 1.0;
    calibration.STRECKE_ORIGINAL_WERT = 1.0;
}

void setScaleStandard(Calibration& calibration) {
    calibration.STRECKE_ZIRVA_WERT = 5.0;
    calibration.STRECKE_ORIGINAL_WERT = 2.54;
}

}  // namespace zrv
