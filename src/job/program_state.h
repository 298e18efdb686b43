#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "levelling/height_map.h"
#include "reader/drawing_file.h"
#include "settings/probe_shape.h"
#include "store/figure_store.h"

namespace zrv {

// What the outputs named after the drawing say while no drawing has been read.
inline constexpr std::string_view kNoDrawing = "no Datei";

// The program-wide state of the core: the drawing file, the figure store, what became of the last
// load and the height map. Its travel and times are worked out on demand (jobFigures).
struct ProgramState {
    DrawingFile file;
    FigureStore store;
    // Counts the loads that changed the store, at their start and at their end: figures worked
    // out from the store stay valid while it stands (the same counts may hold another order).
    unsigned storeGeneration = 0;
    // Set by every load: why the store must not become a program or a milling table (the last
    // load did not read the drawing whole), empty after a whole read. A half-read store would
    // hand the machine part of a board as if it were all of it.
    std::string loadRefusal;
    // The surface of the board as probed for this drawing: the export levels by it. Loaded only
    // on request, dropped when another drawing is opened.
    std::optional<HeightMap> heightMap;
    // Where the map was read from and the choices its probe program was written with: a
    // change of them drops it.
    std::string heightMapLog;
    ProbeShape heightMapShape;
};

// The state before the first load: no output may be made from it.
inline ProgramState nothingRead() {
    ProgramState state;
    state.loadRefusal = std::string(kNoDrawing);
    return state;
}

}  // namespace zrv
