#pragma once

#include <cstdio>
#include <functional>
#include <string>

#include "levelling/probe_grid.h"

namespace zrv::test {

// A console log of a probe run over a known surface: every probe reported in machine
// coordinates (the work zero at machine 100, 50, -20), between the chatter a sender shows.
inline std::string probeLogText(const ProbeGrid& grid,
                                const std::function<double(double, double)>& surface) {
    std::string log = "Grbl 1.1h ['$' for help]\r\nok\r\n";
    for (const Point& p : grid.probes) {
        char line[160];
        std::snprintf(
            line, sizeof line,
            "G38.2 Z-2 F20\r\n<Run|MPos:1.0,2.0,3.0|FS:20,0>\r\n[PRB:%.3f,%.3f,%.3f:1]\r\nok\r\n",
            p.x + 100, p.y + 50, surface(p.x, p.y) - 20);
        log += line;
    }
    return log + "[MSG:Pgm End]\r\n";
}

}  // namespace zrv::test
