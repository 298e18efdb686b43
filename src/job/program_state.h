#pragma once

#include "reader/drawing_file.h"
#include "store/figure_store.h"

namespace zrv {

// The program-wide state of the core: the drawing file, the figure store, the travel sums of
// the last preview pass and the time estimates of the last status tick.
struct ProgramState {
    DrawingFile file;
    FigureStore store;
    double FAHRWEG_BOHRUNGEN = 0;
    double FAHRWEG_FRAESUNGEN = 0;
    double ZEIT_BOHRUNGEN = 0;
    double ZEIT_FRAESUNGEN = 0;
};

}  // namespace zrv
