#include "job/job_time.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <utility>

#include "gcode/gcode_writer.h"
#include "gcode/parameter_refusals.h"
#include "planner/program_time.h"
#include "settings/plain_number.h"

namespace zrv {

namespace {

// The export refuses such a section; a time planned for it would be a number without meaning.
bool beyondAnyMachine(const ParameterGroup& group, const Parameters& parameters) {
    return std::any_of(group.begin(), group.end(), [&parameters](const ParameterRow& row) {
        return std::fabs(parameterNumber(parameters.*row.text)) > kLargestParameter;
    });
}

}  // namespace

JobTime plannedTime(std::span<const std::string> lines, const Choices& choices) {
    const std::array<std::string, 2> starts = sectionStartLines();
    const ProgramTime time =
        programTime(lines, readMachineProfile(choices.machine).profile, starts);
    JobTime job{time.sections[0], time.sections[1], time.total};
    for (auto [group, section] : {std::pair{&kDrillingParameters, &JobTime::drilling},
                                  std::pair{&kMillingParameters, &JobTime::milling}}) {
        if (beyondAnyMachine(*group, choices.parameters)) {
            job.*section = job.total = std::nan("");
        }
    }
    return job;
}

namespace {

// Whole numbers of any size; a cast to an integer type would overflow beyond 2^63.
std::string wholeText(double value) {
    char text[400];
    const auto result =
        std::to_chars(text, text + sizeof text, value + 0.0, std::chars_format::fixed, 0);
    return std::string(text, result.ptr);
}

}  // namespace

std::string durationText(double seconds) {
    if (!std::isfinite(seconds)) {
        return "?";
    }
    const double whole = std::round(seconds);
    const double minutes = std::trunc(whole / 60);
    return wholeText(minutes) + " min " + wholeText(whole - minutes * 60) + " s";
}

std::string minutesText(double seconds) {
    if (!std::isfinite(seconds) || seconds > 1e9) {
        return "?";
    }
    const long long whole = std::llround(std::max(seconds, 0.0));
    const long long rest = whole % 60;
    return std::to_string(whole / 60) + (rest < 10 ? ":0" : ":") + std::to_string(rest);
}

std::string jobTimeLine(const JobTime& time) {
    return "Laufzeit (Planer): Bohrungen " + durationText(time.drilling) + ", Fräsungen " +
           durationText(time.milling) + ", gesamt " + durationText(time.total);
}

}  // namespace zrv
