#include "reader/calibration.h"

namespace zrv {

double toMillimetres(double drawingValue, const Calibration& calibration) {
    return drawingValue * calibration.STRECKE_ORIGINAL_WERT / calibration.STRECKE_ZIRVA_WERT / 10;
}

}  // namespace zrv
