#include "planner/program_time.h"

#include <algorithm>
#include <limits>
#include <numeric>

namespace zrv {
namespace {

constexpr double kMmPerInch = 25.4;
// Positions beyond this, far past any machine, are held here: lengths and times of farther
// moves could overflow.
constexpr double kReach = 1e100;  // mm

// Where the line's axis words send the machine.
Vector3 target(const GcodeLine& line, const PlannedMachine& machine) {
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

void updateModes(const GcodeLine& line, PlannedMachine& machine) {
    machine.inches = line.inches.value_or(machine.inches);
    machine.absolute = line.absolute.value_or(machine.absolute);
    if (line.feed) {
        machine.feed = *line.feed * (machine.inches ? kMmPerInch : 1);
    }
    if (line.motion != Motion::Keep) {
        machine.motion = line.motion;
    }
}

void runLine(const GcodeLine& line, PlannedMachine& machine, MotionPlan& plan,
             std::size_t section) {
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

LinePlanner::LinePlanner(const MachineProfile& profile, std::size_t sections)
    : plan_(profile, sections) {}

void LinePlanner::add(const GcodeWords& words, std::size_t section) {
    runLine(gcodeLine(words), machine_, plan_, section);
}

const std::vector<double>& LinePlanner::finish() {
    plan_.standStill();
    return plan_.sectionSeconds();
}

ProgramTime programTime(std::span<const std::string> lines, const MachineProfile& profile,
                        std::span<const std::string> sectionStarts) {
    // One extra slot collects what runs before the first section.
    const std::size_t before = sectionStarts.size();
    LinePlanner planner(profile, before + 1);
    std::size_t section = before;
    std::size_t first = before;
    GcodeWords words;
    for (const std::string& line : lines) {
        section = sectionAt(line, sectionStarts, section);
        if (first == before) {
            first = section;
        }
        readGcodeWords(line, words);
        planner.add(words, section);
    }
    std::vector<double> seconds = planner.finish();
    ProgramTime time;
    time.total = std::accumulate(seconds.begin(), seconds.end(), 0.0);
    if (first != before) {
        seconds[first] += seconds[before];
    }
    seconds.pop_back();
    time.sections = std::move(seconds);
    return time;
}

}  // namespace zrv
