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
    bool anySetting = false;            // a "$N=number" line was there at all
};

// The controller's answer to "$$" as the user pasted it. Every other line ("ok", "[MSG:...]",
// other $ numbers, comments in brackets) is ignored; a value that is not a positive number, or
// too small for a normal double, keeps the default and is reported.
MachineProfileRead readMachineProfile(std::string_view text);

// The refusal of a file without any "$N=number" line (empty, binary, something else): taken, it
// would put the factory machine in place of the profile in force without a word.
std::string noSettingText(std::string_view file);

// The line of a profile taken from `file`: machineProfileText and the file.
std::string takenProfileText(const MachineProfile& profile, NumberLocale locale,
                             std::string_view file);

// One German line for the status list, e.g.
// "Maschine: max. 1000/1000/600 mm/min, Beschleunigung 30/30/30 mm/s², Abweichung 0,01 mm".
std::string machineProfileText(const MachineProfile& profile, NumberLocale locale);

}  // namespace zrv
