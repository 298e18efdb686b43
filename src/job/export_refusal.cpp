#include "job/export_refusal.h"

#include <span>
#include <string_view>

#include "settings/plain_number.h"

namespace zrv {
namespace {

constexpr std::string_view kRefused = "Export abgebrochen: ";

void joinTo(std::string& list, std::string_view name) {
    if (!list.empty()) {
        list += ", ";
    }
    list += name;
}

struct WrittenGroup {
    const ParameterGroup& rows;
    std::string_view section;  // as the refusal names it
};

// The boxes of the sections the program writes; the others may hold anything.
std::vector<WrittenGroup> writtenGroups(const GcodeJob& job) {
    std::vector<WrittenGroup> groups;
    if (drillingWritten(job)) {
        groups.push_back({kDrillingParameters, "Bohrungen"});
    }
    if (millingWritten(job)) {
        groups.push_back({kMillingParameters, "Fräsungen"});
    }
    return groups;
}

double roleNumber(const WrittenGroup& group, const Parameters& parameters, ParameterRole role) {
    return parameterNumber(parameters.*parameterRow(group.rows, role).text);
}

// LinuxCNC rejects M3 with a negative S and GRBL answers with an error: the section would run
// with the spindle standing. S0 is accepted by both.
std::string spindleRefusal(std::span<const WrittenGroup> groups, const Parameters& parameters) {
    std::string sections;
    for (const WrittenGroup& group : groups) {
        if (roleNumber(group, parameters, ParameterRole::Spindle) < 0) {
            joinTo(sections, group.section);
        }
    }
    if (sections.empty()) {
        return {};
    }
    return std::string(kRefused) + "Spindle Speed darf nicht negativ sein: " + sections;
}

// Z0 is the board surface: a safe height at or below it drags the tool through the board on
// every move between holes or paths.
void addHeightRefusals(std::vector<std::string>& refusals, std::span<const WrittenGroup> groups,
                       const Parameters& parameters) {
    for (const WrittenGroup& group : groups) {
        if (!(roleNumber(group, parameters, ParameterRole::Height) > 0)) {
            const ParameterRow& row = parameterRow(group.rows, ParameterRole::Height);
            refusals.push_back(std::string(kRefused) + std::string(row.caption) +
                               " muss größer als 0 sein");
        }
    }
}

}  // namespace

std::vector<std::string> gcodeRefusals(const ProgramState& state, const GcodeJob& job) {
    if (!state.loadRefusal.empty()) {
        return {state.loadRefusal};
    }
    std::vector<std::string> refusals;
    const std::vector<WrittenGroup> groups = writtenGroups(job);
    for (std::string refusal : {feedRefusal(job), spindleRefusal(groups, job.parameters)}) {
        if (!refusal.empty()) {
            refusals.push_back(std::move(refusal));
        }
    }
    addHeightRefusals(refusals, groups, job.parameters);
    return refusals;
}

}  // namespace zrv
