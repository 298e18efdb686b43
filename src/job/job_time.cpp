#include "job/job_time.h"

#include <cmath>

#include "job/export.h"
#include "levelling/level_program.h"
#include "planner/program_time.h"

namespace zrv {

JobTime jobTime(const ProgramState& state, const Choices& choices, NumberLocale locale) {
    const std::array<std::string, 2> starts = sectionStartLines();
    const GcodeJob job = gcodeJob(state, choices, locale);
    LevelledProgram program = writtenProgram(job, state.heightMap ? &*state.heightMap : nullptr);
    // A program the export would refuse is timed as it would be without the map.
    if (!program.refusal.empty()) {
        program = writtenProgram(job, nullptr);
    }
    const ProgramTime time =
        programTime(program.lines, readMachineProfile(choices.machine).profile, starts);
    return {time.sections[0], time.sections[1], time.total};
}

std::string durationText(double seconds) {
    const double whole = std::round(seconds);
    const auto minutes = static_cast<long long>(whole / 60);
    const auto rest = static_cast<long long>(whole - static_cast<double>(minutes) * 60);
    return std::to_string(minutes) + " min " + std::to_string(rest) + " s";
}

std::string jobTimeLine(const JobTime& time) {
    return "Laufzeit (Planer): Bohrungen " + durationText(time.drilling) + ", Fräsungen " +
           durationText(time.milling) + ", gesamt " + durationText(time.total);
}

}  // namespace zrv
