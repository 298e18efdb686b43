#include "ui/machine/job_timeline.h"

#include <algorithm>
#include <cmath>

#include <utility>

namespace zrv {

JobTimeline::JobTimeline(const StreamProgram& program, std::vector<Point> path)
    : total_(program.seconds), path_(std::move(path)) {
    double sum = 0;
    for (const StreamLine& line : program.lines) {
        sum += std::isfinite(line.seconds) ? line.seconds : 0;
        done_.push_back(sum);
    }
}

double JobTimeline::leftAfter(std::size_t fileLine) const {
    if (fileLine == 0 || done_.empty()) {
        return total_;
    }
    return std::max(0.0, total_ - done_[std::min(fileLine, done_.size()) - 1]);
}

}  // namespace zrv
