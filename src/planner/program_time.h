#pragma once

#include <span>
#include <string>
#include <vector>

#include "planner/machine_profile.h"

namespace zrv {

struct ProgramTime {
    std::vector<double> sections;  // seconds, one per section start given
    double total = 0;              // seconds of the whole program
};

// The time the controller takes for the program: the machine starts standing at X0 Y0 Z0, G0
// moves at the axes' rates, G1 at the modal feed. A section runs from the line equal to its
// start to the next section's start; what comes before the first section is counted with the
// first section that appears.
ProgramTime programTime(std::span<const std::string> lines, const MachineProfile& profile,
                        std::span<const std::string> sectionStarts);

// The same time line by line: element k is what line k adds (its moves, dwells and stops).
std::vector<double> lineSeconds(std::span<const std::string> lines, const MachineProfile& profile);

}  // namespace zrv
