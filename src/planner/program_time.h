#pragma once

#include <span>
#include <string>
#include <vector>

#include "gcode/gcode_words.h"
#include "planner/gcode_line.h"
#include "planner/machine_profile.h"
#include "planner/motion_plan.h"

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

// The controller's modal state as far as positions and speeds go.
struct PlannedMachine {
    Vector3 position{};  // mm
    Motion motion = Motion::Rapid;
    double feed = 0;  // mm/min
    bool absolute = true;
    bool inches = false;
};

// The same planning fed one line at a time, for a pass over a program that reads each line's
// words anyway: the machine starts standing at X0 Y0 Z0.
class LinePlanner {
  public:
    LinePlanner(const MachineProfile& profile, std::size_t sections);

    // A line as readGcodeWords read it; what it adds (moves, dwells, stops) counts for
    // `section`.
    void add(const GcodeWords& words, std::size_t section);
    // Where the tool stands after the lines so far.
    const Vector3& position() const { return machine_.position; }
    // Seconds per section, once the moves still queued are planned to a stand-still.
    const std::vector<double>& finish();

  private:
    MotionPlan plan_;
    PlannedMachine machine_;
};

}  // namespace zrv
