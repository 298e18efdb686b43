#include "ui/machine/job_timeline.h"

#include <algorithm>
#include <cmath>

#include "planner/gcode_line.h"
#include "planner/program_time.h"

namespace zrv {

namespace {

// The planner times a program by sections that start at comment lines: a marker before every
// stretch gives the time of each with one pass over the program.
constexpr std::size_t kStretches = 100;

std::vector<Point> toolPath(const std::vector<std::string>& program) {
    std::vector<Point> path;
    path.reserve(program.size());
    Point at;
    bool absolute = true;
    for (const std::string& text : program) {
        const GcodeLine line = readGcodeLine(text);
        absolute = line.absolute.value_or(absolute);
        if (line.x) {
            at.x = absolute ? *line.x : at.x + *line.x;
        }
        if (line.y) {
            at.y = absolute ? *line.y : at.y + *line.y;
        }
        path.push_back(at);
    }
    return path;
}

}  // namespace

JobTimeline::JobTimeline(const std::vector<std::string>& program, const MachineProfile& profile)
    : path_(toolPath(program)) {
    const std::size_t step = std::max<std::size_t>(1, (program.size() + kStretches - 1) / kStretches);
    std::vector<std::string> marked;
    std::vector<std::string> markers;
    marked.reserve(program.size() + kStretches + 1);
    for (std::size_t i = 0; i < program.size(); ++i) {
        if (i % step == 0) {
            starts_.push_back(i);
            markers.push_back("(#zrvcam " + std::to_string(i) + ")");
            marked.push_back(markers.back());
        }
        marked.push_back(program[i]);
    }
    const ProgramTime time = programTime(marked, profile, markers);
    double sum = 0;
    for (const double seconds : time.sections) {
        sum += std::isfinite(seconds) ? seconds : 0;
        cumulative_.push_back(sum);
    }
}

double JobTimeline::leftAfter(std::size_t fileLine) const {
    if (starts_.empty()) {
        return 0;
    }
    const std::size_t done = fileLine;  // lines 0 .. done-1 are done
    const auto after = std::upper_bound(starts_.begin(), starts_.end(), done);
    const std::size_t k = static_cast<std::size_t>(after - starts_.begin()) - 1;
    const std::size_t begin = starts_[k];
    const std::size_t end = k + 1 < starts_.size() ? starts_[k + 1] : path_.size();
    const double before = k == 0 ? 0 : cumulative_[k - 1];
    const double share = end > begin ? double(done - begin) / double(end - begin) : 1;
    return std::max(0.0, total() - (before + share * (cumulative_[k] - before)));
}

std::string minutesText(double seconds) {
    const long whole = std::lround(std::max(0.0, seconds));
    const long rest = whole % 60;
    return std::to_string(whole / 60) + (rest < 10 ? ":0" : ":") + std::to_string(rest);
}

}  // namespace zrv
