#pragma once

#include <optional>
#include <string_view>

#include "reader/calibration.h"

namespace zrv {

// The answer of the dialogs "Strecke-ORIGINAL" and "Strecke-ZIRVA": "," becomes "." and the
// leading number is taken ("2,54 mm" gives 2.54). Only a finite number above 0 is a value;
// anything else (cancelled, 0, negative, letters) leaves the calibration as it is.
std::optional<double> distanceAnswer(std::string_view answer);

// "Maßstab 1:1": one drawing unit is 0.1 mm.
void setScaleOneToOne(Calibration& calibration);

// "Maßstab Standard (5:2,54)": the start-up calibration, one drawing unit is 0.0508 mm.
void setScaleStandard(Calibration& calibration);

}  // namespace zrv
