#pragma once

#include <string>
#include <vector>

#include "fuzz_targets.h"
#include "job/load.h"
#include "job/program_state.h"
#include "settings/choices.h"

namespace zrv::fuzz {

// The five choice bytes of a drawing's targets (fuzz_targets.h) and the drawing after them.
struct Job {
    Choices choices;
    NumberLocale locale;
    bool safeParameters = true;
    bool dump = false;
    std::string drawing;
};
// The route pass belongs to the road's target: it would cost the others most of their speed.
enum class RoutePass { AsChosen, Off };
Job readJob(Bytes data, RoutePass routePass);

struct Analysed {
    ProgramState state;
    LoadResult result;
    std::vector<std::string> messages;
};
Analysed analyse(const std::string& drawing, const Choices& choices, NumberLocale locale);

}  // namespace zrv::fuzz
