#pragma once

#include "base/host.h"
#include "store/figure_store.h"

namespace zrv {

// GRAFIC_BUENDIG: moves points and milling paths so that the smallest X and Y become 0, when
// the box is not 0. Rewrites every pair with "0000.000" and sets the extents anew.
void GRAFIC_BUENDIG(FigureStore& store, int checkBuendig, Host& host);

// GRAFIC_SPIEGELN: mirrors points and milling paths left to right inside the extents
// (x' = X_MAX + X_MIN - x), when the box is not 0.
void GRAFIC_SPIEGELN(FigureStore& store, int checkSpiegeln, Host& host);

}  // namespace zrv
