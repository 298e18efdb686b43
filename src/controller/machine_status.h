#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace zrv {

enum class MachineState { Unknown, Idle, Run, Hold, Jog, Alarm, Door, Check, Home, Sleep };

// One status report "<Idle|MPos:0.000,0.000,0.000|FS:0,0|WCO:...>" as far as a sender needs it.
struct MachineStatus {
    MachineState state = MachineState::Unknown;
    int subState = -1;  // "Hold:0" gives 0; -1 when the report has none
    // Work position in mm: WPos as reported, or MPos less the last work offset (WCO) seen.
    std::optional<std::array<double, 3>> workPosition;
    std::optional<std::array<double, 3>> machinePosition;
};

// The controller's word for the state, as the report spells it ("Idle", "Hold", ...).
std::string_view stateName(MachineState state);
// The state a report's word names; Unknown for a word GRBL 1.1 does not use.
MachineState stateNamed(std::string_view name);

// Whether the machine stands still in this state: Idle, Hold:0, Alarm, Door:0, Door:1, Sleep.
bool standsStill(const MachineStatus& status);

}  // namespace zrv
