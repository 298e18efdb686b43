#pragma once

#include <string>
#include <string_view>

#include "base/host.h"
#include "job/program_state.h"
#include "settings/choices.h"

namespace zrv {

// Drops the map, if there is one, and says so in the status list: "Höhenkarte verworfen" and
// the reason after ": " when there is one.
void dropHeightMap(ProgramState& state, Progress& progress, std::string_view reason = {});

// Why the map no longer fits these choices ("" when it does or there is none): a choice that
// shaped its probe program changed since.
std::string heightMapMismatch(const ProgramState& state, const Choices& choices);

// Drops the map with a status line when it no longer fits these choices; whether it did.
bool dropMismatchedHeightMap(ProgramState& state, const Choices& choices, Progress& progress);

}  // namespace zrv
