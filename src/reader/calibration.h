#pragma once

namespace zrv {

// A distance as it measures in the drawing and the same distance on the board in mm.
struct Calibration {
    double STRECKE_ZIRVA_WERT = 5.0;
    double STRECKE_ORIGINAL_WERT = 2.54;
};

// millimetres = value x STRECKE_ORIGINAL_WERT / STRECKE_ZIRVA_WERT / 10, in this order.
double toMillimetres(double drawingValue, const Calibration& calibration);

}  // namespace zrv
