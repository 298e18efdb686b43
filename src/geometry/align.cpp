#include "geometry/align.h"

namespace zrv {

// Placeholder until flush alignment and mirroring land.
void GRAFIC_BUENDIG(FigureStore&, int, Host&) {}
void GRAFIC_SPIEGELN(FigureStore&, int, Host&) {}

}  // namespace zrv
