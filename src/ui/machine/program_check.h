#pragma once

#include <string>

#include "job/program_state.h"
#include "settings/choices.h"
#include "text/number_locale.h"

namespace zrv {

// The program a job may stream, or why it may not (German; empty refusal: fit).
struct CheckedProgram {
    std::string bytes;  // the file as read and checked: what is streamed
    std::string refusal;
};

// Reads the drawing's program (`path`) and checks that it is the one the export writes now: the
// same drawing, unchanged on disk since, the same choices and the same height map. Only the
// date and time of its header may differ. A stale program would cut the old board. The bytes
// checked are the ones returned: a file replaced after the check is not streamed unchecked.
CheckedProgram checkedProgram(const ProgramState& state, const Choices& choices,
                              const std::string& path, NumberLocale locale);

}  // namespace zrv
