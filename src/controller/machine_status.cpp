#include "controller/machine_status.h"

namespace zrv {

std::string_view stateName(MachineState state) {
    switch (state) {
        case MachineState::Idle:
            return "Idle";
        case MachineState::Run:
            return "Run";
        case MachineState::Hold:
            return "Hold";
        case MachineState::Jog:
            return "Jog";
        case MachineState::Alarm:
            return "Alarm";
        case MachineState::Door:
            return "Door";
        case MachineState::Check:
            return "Check";
        case MachineState::Home:
            return "Home";
        case MachineState::Sleep:
            return "Sleep";
        case MachineState::Unknown:
            break;
    }
    return "?";
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
