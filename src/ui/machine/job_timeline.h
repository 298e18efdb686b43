#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "planner/machine_profile.h"
#include "store/entry_text.h"

namespace zrv {

// The planner's time and the tool's way through a program, line by line, for the progress of
// a running job and the preview's "done" part.
class JobTimeline {
  public:
    JobTimeline() = default;
    JobTimeline(const std::vector<std::string>& program, const MachineProfile& profile);

    double total() const { return cumulative_.empty() ? 0 : cumulative_.back(); }
    // Seconds left once the program's line `fileLine` (1-based; 0: none) is done.
    double leftAfter(std::size_t fileLine) const;
    // The tool's XY position after each line, in millimetres.
    const std::vector<Point>& path() const { return path_; }

  private:
    std::vector<std::size_t> starts_;  // first line index of each stretch
    std::vector<double> cumulative_;   // seconds at the end of each stretch
    std::vector<Point> path_;
};

// "2:13" (minutes and seconds).
std::string minutesText(double seconds);

}  // namespace zrv
