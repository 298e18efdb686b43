#include "ui/machine/job_timeline.h"

#include <algorithm>
#include <cmath>

#include "gcode/gcode_words.h"
#include "planner/gcode_line.h"

namespace zrv {

JobTimeline::JobTimeline(const StreamProgram& program) : total_(program.seconds) {
    Point at;
    bool absolute = true;
    double sum = 0;
    GcodeWords words;  // kept along the program, as the word reader allows
    for (const StreamLine& text : program.lines) {
        readGcodeWords(text.send, words);
        const GcodeLine line = gcodeLine(words);
        absolute = line.absolute.value_or(absolute);
        if (line.x) {
            at.x = absolute ? *line.x : at.x + *line.x;
        }
        if (line.y) {
            at.y = absolute ? *line.y : at.y + *line.y;
        }
        path_.push_back(at);
        sum += std::isfinite(text.seconds) ? text.seconds : 0;
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
