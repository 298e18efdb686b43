#include "gcode/parameter_refusals.h"

#include <string_view>

#include "gcode/depth_steps.h"
#include "settings/plain_number.h"

namespace zrv {
namespace {

constexpr std::string_view kRefused = "Export abgebrochen: ";

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

void joinTo(std::string& list, std::string_view name) {
    if (!list.empty()) {
        list += ", ";
    }
    list += name;
}

std::string refusal(std::string_view reason, const std::string& names) {
    return names.empty() ? std::string() : std::string(kRefused) + std::string(reason) + names;
}

double number(const ParameterRow& row, const Parameters& parameters) {
    return parameterNumber(parameters.*row.text);
}

// A feed of 0 or below stops the controller midway with the spindle running; named by caption,
// in the order of the program's summary.
std::string feeds(const std::vector<WrittenGroup>& groups, const Parameters& parameters) {
    std::string captions;
    for (const WrittenGroup& group : groups) {
        for (std::size_t role = 0; role < kParameterRoles; ++role) {
            const ParameterRow& row = parameterRow(group.rows, static_cast<ParameterRole>(role));
            if (row.feed && !(number(row, parameters) > 0)) {
                joinTo(captions, row.caption);
            }
        }
    }
    return refusal("Vorschub muss größer als 0 sein: ", captions);
}

// LinuxCNC rejects M3 with a negative S and GRBL answers with an error: the section would run
// with the spindle standing. S0 is accepted by both.
std::string spindles(const std::vector<WrittenGroup>& groups, const Parameters& parameters) {
    std::string sections;
    for (const WrittenGroup& group : groups) {
        if (number(parameterRow(group.rows, ParameterRole::Spindle), parameters) < 0) {
            joinTo(sections, group.section);
        }
    }
    return refusal("Spindle Speed darf nicht negativ sein: ", sections);
}

// Z0 is the board surface: a safe height at or below it drags the tool through the board on
// every move between holes or paths.
void addHeights(std::vector<std::string>& refusals, const std::vector<WrittenGroup>& groups,
                const Parameters& parameters) {
    for (const WrittenGroup& group : groups) {
        const ParameterRow& row = parameterRow(group.rows, ParameterRole::Height);
        if (!(number(row, parameters) > 0)) {
            refusals.push_back(std::string(kRefused) + std::string(row.caption) +
                               " muss größer als 0 sein");
        }
    }
}

}  // namespace

std::string feedRefusal(const GcodeJob& job) {
    return feeds(writtenGroups(job), job.parameters);
}

std::vector<std::string> parameterRefusals(const GcodeJob& job) {
    const std::vector<WrittenGroup> groups = writtenGroups(job);
    std::vector<std::string> refusals;
    for (std::string line : {feeds(groups, job.parameters), spindles(groups, job.parameters)}) {
        if (!line.empty()) {
            refusals.push_back(std::move(line));
        }
    }
    addHeights(refusals, groups, job.parameters);
    for (std::string& line : stepRefusals(job)) {
        refusals.push_back(std::move(line));
    }
    return refusals;
}

}  // namespace zrv
