#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "text/number_locale.h"

namespace zrv {

// What the job time needs to know of the controller, in its own units. The defaults are a
// CNC-3018-pro as commonly shipped.
struct MachineProfile {
    std::array<double, 3> maxRate{1000, 1000, 600};  // $110 $111 $112, mm/min for X Y Z
    std::array<double, 3> acceleration{30, 30, 30};  // $120 $121 $122, mm/s² for X Y Z
    double junctionDeviation = 0.010;                // $11, mm
};

struct MachineProfileRead {
    MachineProfile profile;
    std::vector<std::string> problems;  // German lines about values that were not taken
};

// The controller's answer to "$$" as the user pasted it. Every other line ("ok", "[MSG:...]",
// other $ numbers, comments in brackets) is ignored; a value that is not a positive number, or
// too small for a normal double, keeps the default and is reported.
MachineProfileRead readMachineProfile(std::string_view text);

// One German line for the status list, e.g.
// "Maschine: max. 1000/1000/600 mm/min, Beschleunigung 30/30/30 mm/s², Abweichung 0,01 mm".
std::string machineProfileText(const MachineProfile& profile, NumberLocale locale);

}  // namespace zrv
