#pragma once

namespace zrv {

// How the board's surface is probed for a height map; kept in the extra settings file.
struct ProbeChoices {
    double antasten_raster = 10;    // mm, the largest distance between two probes of a row
    double antasten_vorschub = 20;  // mm/min, the feed of every probe
    double antasten_tiefe = -2;     // mm below Z0 where a probe gives up
    double antasten_abheben = 2;    // mm above Z0 where each probe starts

    friend bool operator==(const ProbeChoices&, const ProbeChoices&) = default;
};

}  // namespace zrv
