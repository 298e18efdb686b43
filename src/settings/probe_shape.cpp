#include "settings/probe_shape.h"

namespace zrv {

ProbeShape probeShape(const Choices& choices) {
    return {choices.exports.Check_EXPORT_BOHRUNG,
            choices.exports.Check_EXPORT_FRAESUNG,
            choices.prepare.Check_BUENDIG,
            choices.prepare.Check_SPIEGELN_HORIZONTAL,
            choices.calibration,
            choices.probe.antasten_raster};
}

std::string changedShapeChoice(const ProbeShape& was, const ProbeShape& now) {
    if (was.Check_EXPORT_BOHRUNG != now.Check_EXPORT_BOHRUNG) {
        return "Export Bohrung";
    }
    if (was.Check_EXPORT_FRAESUNG != now.Check_EXPORT_FRAESUNG) {
        return "Export Fräsung";
    }
    if (was.Check_BUENDIG != now.Check_BUENDIG) {
        return "bündig";
    }
    if (was.Check_SPIEGELN_HORIZONTAL != now.Check_SPIEGELN_HORIZONTAL) {
        return "spiegeln-horizontal";
    }
    if (was.calibration.STRECKE_ZIRVA_WERT != now.calibration.STRECKE_ZIRVA_WERT ||
        was.calibration.STRECKE_ORIGINAL_WERT != now.calibration.STRECKE_ORIGINAL_WERT) {
        return "Kalibrierung";
    }
    if (was.antasten_raster != now.antasten_raster) {
        return "Rasterabstand";
    }
    return {};
}

}  // namespace zrv
