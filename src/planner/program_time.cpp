#include "planner/program_time.h"

#include <algorithm>
#include <limits>
#include <numeric>

#include "planner/gcode_line.h"
#include "planner/motion_plan.h"

namespace zrv {
namespace {

constexpr double kMmPerInch = 25.4;
// Positions beyond this, far past any machine, are held here: lengths and times of farther
// moves could overflow.
constexpr double kReach = 1e100;  // mm

// The controller's modal state as far as positions and speeds go.
struct Machine {
    Vector3 position{};
    Motion motion = Motion::Rapid;
    double feed = 0;  // mm/min
    bool absolute = true;
    bool inches = false;
};

// Where the line's axis words send the machine.
Vector3 target(const GcodeLine& line, const Machine& machine) {
    const double scale = machine.inches ? kMmPerInch : 1;
    Vector3 next = machine.position;
    const std::optional<double>* words[] = {&line.x, &line.y, &line.z};
    for (std::size_t axis = 0; axis < 3; ++axis) {
        if (*words[axis]) {
            const double value = **words[axis] * scale;
            next[axis] = std::clamp(machine.absolute ? value : next[axis] + value, -kReach, kReach);
        }
    }
    return next;
}

void updateModes(const GcodeLine& line, Machine& machine) {
    machine.inches = line.inches.value_or(machine.inches);
    machine.absolute = line.absolute.value_or(machine.absolute);
    if (line.feed) {
        machine.feed = *line.feed * (machine.inches ? kMmPerInch : 1);
    }
    if (line.motion != Motion::Keep) {
        machine.motion = line.motion;
    }
}

void runLine(const GcodeLine& line, Machine& machine, MotionPlan& plan, std::size_t section) {
    updateModes(line, machine);
    if (line.standStill || line.dwell) {
        plan.standStill();
        plan.wait(line.dwell.value_or(0), section);
    }
    if (!line.x && !line.y && !line.z) {
        return;
    }
    const Vector3 next = target(line, machine);
    const Vector3 delta{next[0] - machine.position[0], next[1] - machine.position[1],
                        next[2] - machine.position[2]};
    if (machine.motion == Motion::Rapid) {
        plan.move(delta, std::numeric_limits<double>::infinity(), section);
    } else if (machine.motion == Motion::Linear) {
        // A feed of 0 is refused by the controller; such a move adds no time.
        plan.move(delta, machine.feed, section);
    }
    machine.position = next;
}

// The section a line starts, or `current` when it starts none.
std::size_t sectionAt(const std::string& line, std::span<const std::string> starts,
                      std::size_t current) {
    if (line.empty() || line.front() != '(') {
        return current;
    }
    for (std::size_t k = 0; k < starts.size(); ++k) {
        if (line == starts[k]) {
            return k;
        }
    }
    return current;
}

}  // namespace

ProgramTime programTime(std::span<const std::string> lines, const MachineProfile& profile,
                        std::span<const std::string> sectionStarts) {
    // One extra slot collects what runs before the first section.
    const std::size_t before = sectionStarts.size();
    MotionPlan plan(profile, before + 1);
    Machine machine;
    std::size_t section = before;
    std::size_t first = before;
    GcodeWords words;
    for (const std::string& line : lines) {
        section = sectionAt(line, sectionStarts, section);
        if (first == before) {
            first = section;
        }
        readGcodeWords(line, words);
        runLine(gcodeLine(words), machine, plan, section);
    }
    plan.standStill();
    std::vector<double> seconds = plan.sectionSeconds();
    ProgramTime time;
    time.total = std::accumulate(seconds.begin(), seconds.end(), 0.0);
    if (first != before) {
        seconds[first] += seconds[before];
    }
    seconds.pop_back();
    time.sections = std::move(seconds);
    return time;
}

std::vector<double> lineSeconds(std::span<const std::string> lines, const MachineProfile& profile) {
    MotionPlan plan(profile, lines.size() + 1);
    Machine machine;
    GcodeWords words;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        readGcodeWords(lines[k], words);
        runLine(gcodeLine(words), machine, plan, k);
    }
    plan.standStill();
    std::vector<double> seconds = plan.sectionSeconds();
    seconds.pop_back();
    return seconds;
}

}  // namespace zrv
