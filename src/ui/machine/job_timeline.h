#pragma once

#include <cstddef>
#include <vector>

#include "controller/stream_program.h"
#include "store/entry_text.h"

namespace zrv {

// The planner's time and the tool's way through a program, line by line, for the progress of
// a running job and the preview's "done" part.
class JobTimeline {
  public:
    JobTimeline() = default;
    // `path`: the tool's way as prepareProgram found it.
    JobTimeline(const StreamProgram& program, std::vector<Point> path);

    double total() const { return total_; }
    // Seconds left once the program's line `fileLine` (1-based; 0: none) is done.
    double leftAfter(std::size_t fileLine) const;
    // The tool's XY position after each line of the file, in millimetres.
    const std::vector<Point>& path() const { return path_; }

  private:
    double total_ = 0;
    std::vector<double> done_;  // seconds at the end of each line
    std::vector<Point> path_;
};

}  // namespace zrv
