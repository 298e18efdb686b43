#pragma once

#include <optional>

#include "gcode/gcode_words.h"

namespace zrv {

enum class Motion { Keep, Rapid, Linear, Other };

// What one program line asks of the machine, as far as its running time goes.
struct GcodeLine {
    Motion motion = Motion::Keep;  // G0, G1, another motion (arcs, probing, homing) or none
    std::optional<double> x, y, z;
    std::optional<double> feed;    // F, mm/min (or inch/min)
    std::optional<bool> absolute;  // G90 true, G91 false
    std::optional<bool> inches;    // G20 true, G21 false
    std::optional<double> dwell;   // G4: P in seconds
    bool standStill = false;       // M0 M1 M2 M30 M3 M4 M5
};

// A line's words as GRBL reads them (readGcodeWords). A line GRBL refuses has none and moves
// nothing; lines for the controller itself ("$$", "?", ...) and words the time does not depend
// on are left out.
GcodeLine gcodeLine(const GcodeWords& read);

}  // namespace zrv
