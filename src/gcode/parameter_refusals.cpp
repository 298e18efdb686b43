#include "gcode/parameter_refusals.h"

#include <cmath>
#include <string_view>

#include "gcode/depth_steps.h"

namespace zrv {
namespace {

constexpr std::string_view kRefused = "Export abgebrochen: ";

struct WrittenGroup {
    const ParameterGroup& rows;
    const ToolNumbers& numbers;
    std::string_view section;  // as the refusal names it

    double number(ParameterRole role) const { return numbers[role].number; }
};

// The boxes of the sections the program writes; the others may hold anything.
std::vector<WrittenGroup> writtenGroups(const GcodeJob& job) {
    std::vector<WrittenGroup> groups;
    if (drillingWritten(job)) {
        groups.push_back({kDrillingParameters, job.values.drill, "Bohrungen"});
    }
    if (millingWritten(job)) {
        groups.push_back({kMillingParameters, job.values.mill, "Fräsungen"});
    }
    return groups;
}

void joinTo(std::string& list, std::string_view name) {
    if (!list.empty()) {
        list += ", ";
    }
    list += name;
}

std::string refusal(std::string_view reason, const std::string& names) {
    return names.empty() ? std::string() : std::string(kRefused) + std::string(reason) + names;
}

// A text without any number would be read as 0: S0 drills with the spindle standing, Z0 drills
// nothing. A feed or a height of 0 is refused by its own check.
std::string nonNumbers(const std::vector<WrittenGroup>& groups) {
    std::string names;
    for (const WrittenGroup& group : groups) {
        for (std::size_t k = 0; k < kParameterRoles; ++k) {
            const auto role = static_cast<ParameterRole>(k);
            if (refusedAsNoNumber(role) && !group.numbers[role].isNumber) {
                joinTo(names, std::string(parameterRow(group.rows, role).caption) + " (" +
                                  std::string(group.section) + ")");
            }
        }
    }
    return refusal("Eingabe ist keine Zahl: ", names);
}

// A feed of 0 or below stops the controller midway with the spindle running; named by caption,
// in the order of the program's summary.
std::string feeds(const std::vector<WrittenGroup>& groups) {
    std::string captions;
    for (const WrittenGroup& group : groups) {
        for (std::size_t role = 0; role < kParameterRoles; ++role) {
            const ParameterRow& row = parameterRow(group.rows, static_cast<ParameterRole>(role));
            if (row.feed && !(group.number(row.role) > 0)) {
                joinTo(captions, row.caption);
            }
        }
    }
    return refusal("Vorschub muss größer als 0 sein: ", captions);
}

// LinuxCNC rejects M3 with a negative S and GRBL answers with an error: the section would run
// with the spindle standing. S0 is accepted by both.
std::string spindles(const std::vector<WrittenGroup>& groups) {
    std::string sections;
    for (const WrittenGroup& group : groups) {
        if (group.number(ParameterRole::Spindle) < 0) {
            joinTo(sections, group.section);
        }
    }
    return refusal("Spindle Speed darf nicht negativ sein: ", sections);
}

// Z0 is the board surface: a safe height at or below it drags the tool through the board on
// every move between holes or paths.
void addHeights(std::vector<std::string>& refusals, const std::vector<WrittenGroup>& groups) {
    for (const WrittenGroup& group : groups) {
        const ParameterRow& row = parameterRow(group.rows, ParameterRole::Height);
        if (!(group.number(row.role) > 0)) {
            refusals.push_back(std::string(kRefused) + std::string(row.caption) +
                               " muss größer als 0 sein");
        }
    }
}

// A depth above the safe height turns the plunge into a climb (a depth of 1000 drives the spindle
// into the end of its travel). Between the surface and the safe height it stays: running a program
// in the air is how users try it out.
void addDepths(std::vector<std::string>& refusals, const std::vector<WrittenGroup>& groups) {
    for (const WrittenGroup& group : groups) {
        const double height = group.number(ParameterRole::Height);
        if (height > 0 && group.number(ParameterRole::Depth) > height) {
            refusals.push_back(
                std::string(kRefused) +
                std::string(parameterRow(group.rows, ParameterRole::Depth).caption) +
                " darf nicht höher als " +
                std::string(parameterRow(group.rows, ParameterRole::Height).caption) + " sein");
        }
    }
}

// A size beyond any machine: named as the unreadable texts are.
std::string sizes(const std::vector<WrittenGroup>& groups) {
    std::string names;
    for (const WrittenGroup& group : groups) {
        for (const ParameterRow& row : group.rows) {
            if (std::fabs(group.number(row.role)) > kLargestParameter) {
                joinTo(names, std::string(row.caption) + " (" + std::string(group.section) + ")");
            }
        }
    }
    return refusal("Betrag darf höchstens 100000 sein: ", names);
}

}  // namespace

bool refusedAsNoNumber(ParameterRole role) {
    return role == ParameterRole::Spindle || role == ParameterRole::Depth;
}

std::string feedRefusal(const GcodeJob& job) {
    return feeds(writtenGroups(job));
}

std::vector<std::string> parameterRefusals(const GcodeJob& job) {
    const std::vector<WrittenGroup> groups = writtenGroups(job);
    std::vector<std::string> refusals;
    for (std::string line : {nonNumbers(groups), feeds(groups), spindles(groups), sizes(groups)}) {
        if (!line.empty()) {
            refusals.push_back(std::move(line));
        }
    }
    addHeights(refusals, groups);
    addDepths(refusals, groups);
    for (std::string& line : stepRefusals(job)) {
        refusals.push_back(std::move(line));
    }
    return refusals;
}

}  // namespace zrv
