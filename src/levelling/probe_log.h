#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zrv {

// One "[PRB:x,y,z:1]" report of the controller (machine coordinates).
struct ProbeReport {
    double x = 0;
    double y = 0;
    double z = 0;
    bool contact = false;  // ":1"
};

struct ProbeLogRead {
    std::vector<ProbeReport> reports;  // at most `keep` of them
    std::size_t count = 0;             // every report found
    std::string problem;               // a report that is not three numbers and a flag
};

// The reports of a console log (UTF-8, Windows-1252 or UTF-16) in order; everything outside
// "[PRB:" ... "]" is passed over, and so is the report that answers "$#" (after "[TLO:...]").
// Every number is finite; a report has no more numbers than the controller's status reports
// name axes. Reading stops at the first report that cannot be read, that has more numbers or
// no contact flag; beyond `keep` reports are only counted.
ProbeLogRead readProbeLog(std::string_view log, std::size_t keep);

}  // namespace zrv
