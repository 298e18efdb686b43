#pragma once

#include <string>

#include "reader/calibration.h"
#include "settings/choices.h"

namespace zrv {

// The choices that shape a probe program: which sections are cut (the grid covers them), where
// the figures lie (flush, mirrored: a mirrored board was turned over), their scale and the
// grid's spacing. A height map holds only for the choices its program was written with.
struct ProbeShape {
    int Check_EXPORT_BOHRUNG = 1;
    int Check_EXPORT_FRAESUNG = 1;
    int Check_BUENDIG = 0;
    int Check_SPIEGELN_HORIZONTAL = 0;
    Calibration calibration;
    double antasten_raster = 10;
};

ProbeShape probeShape(const Choices& choices);

// The caption of the first choice that differs ("spiegeln-horizontal"), empty when none does.
std::string changedShapeChoice(const ProbeShape& was, const ProbeShape& now);

}  // namespace zrv
