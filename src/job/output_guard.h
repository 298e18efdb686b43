#pragma once

#include <string>
#include <string_view>

#include "job/program_state.h"

namespace zrv {

// Why `output` must not be written ("" when it may): it is the drawing itself or the probe log
// of the map, also by another name (a link, "./", "..").
std::string overwriteRefusal(std::string_view output, const ProgramState& state);

}  // namespace zrv
