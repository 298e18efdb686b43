#include "controller/machine_status.h"

#include <utility>

namespace zrv {

namespace {

constexpr std::pair<std::string_view, MachineState> kStateNames[] = {
    {"Idle", MachineState::Idle},   {"Run", MachineState::Run},     {"Hold", MachineState::Hold},
    {"Jog", MachineState::Jog},     {"Alarm", MachineState::Alarm}, {"Door", MachineState::Door},
    {"Check", MachineState::Check}, {"Home", MachineState::Home},   {"Sleep", MachineState::Sleep}};

}  // namespace

std::string_view stateName(MachineState state) {
    for (const auto& [name, named] : kStateNames) {
        if (named == state) {
            return name;
        }
    }
    return "?";
}

MachineState stateNamed(std::string_view name) {
    for (const auto& [known, state] : kStateNames) {
        if (known == name) {
            return state;
        }
    }
    return MachineState::Unknown;
}

bool standsStill(const MachineStatus& status) {
    switch (status.state) {
        case MachineState::Idle:
        case MachineState::Alarm:
        case MachineState::Sleep:
            return true;
        case MachineState::Hold:
            return status.subState == 0;
        case MachineState::Door:
            return status.subState == 0 || status.subState == 1;
        default:
            return false;
    }
}

}  // namespace zrv
