#include "job/export_refusal.h"

#include <string_view>

#include "output/plain_number.h"

namespace zrv {
namespace {

constexpr std::string_view kRefused = "Export abgebrochen: ";

void joinTo(std::string& list, std::string_view name) {
    if (!list.empty()) {
        list += ", ";
    }
    list += name;
}

// LinuxCNC rejects M3 with a negative S and GRBL answers with an error: the section would run
// with the spindle standing. S0 is accepted by both.
std::string spindleRefusal(const GcodeJob& job) {
    const Parameters& p = job.parameters;
    std::string sections;
    if (drillingWritten(job) && parameterNumber(p.Combo_BOHRUNG_SPINDLE_SPEED) < 0) {
        joinTo(sections, "Bohrungen");
    }
    if (millingWritten(job) && parameterNumber(p.Combo_FRAESUNG_SPINDLE_SPEED) < 0) {
        joinTo(sections, "Fräsungen");
    }
    if (sections.empty()) {
        return {};
    }
    return std::string(kRefused) + "Spindle Speed darf nicht negativ sein: " + sections;
}

// Z0 is the board surface: a safe height at or below it drags the tool through the board on
// every move between holes or paths.
void addHeightRefusal(std::vector<std::string>& refusals, bool written, std::string_view height,
                      std::string_view caption) {
    if (written && !(parameterNumber(height) > 0)) {
        refusals.push_back(std::string(kRefused) + std::string(caption) +
                           " muss größer als 0 sein");
    }
}

}  // namespace

std::vector<std::string> gcodeRefusals(const ProgramState& state, const GcodeJob& job) {
    if (!state.loadRefusal.empty()) {
        return {state.loadRefusal};
    }
    std::vector<std::string> refusals;
    for (std::string refusal : {feedRefusal(job), spindleRefusal(job)}) {
        if (!refusal.empty()) {
            refusals.push_back(std::move(refusal));
        }
    }
    addHeightRefusal(refusals, drillingWritten(job), job.parameters.Combo_BOHRUNG_HOEHE,
                     "Bohrhöhe");
    addHeightRefusal(refusals, millingWritten(job), job.parameters.Combo_FRAESUNG_HOEHE,
                     "Fräshöhe");
    return refusals;
}

}  // namespace zrv
