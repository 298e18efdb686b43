#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "controller/machine_status.h"
#include "levelling/probe_log.h"

namespace zrv {

enum class ReplyKind { Ok, Error, Alarm, Welcome, Version, Status, Probe, Other };

// One line the controller sent (without its line end), as the GRBL 1.1 interface defines it.
struct Reply {
    ReplyKind kind = ReplyKind::Other;
    int code = 0;          // error:N, ALARM:N
    bool grbl11 = false;   // Welcome, Version: the controller is GRBL 1.1
    MachineStatus status;  // Status (positions as reported, WPos or MPos)
    std::optional<std::array<double, 3>> workOffset;  // Status: its WCO field
    ProbeReport probe;                                // Probe
};

Reply readReply(std::string_view line);

}  // namespace zrv
