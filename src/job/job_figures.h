#pragma once

#include <optional>

#include "job/job_time.h"
#include "job/program_state.h"
#include "settings/choices.h"
#include "text/number_locale.h"

namespace zrv {

// What the window's labels, the command line's "info" and the program's header say of a job.
struct JobFigures {
    double FAHRWEG_BOHRUNGEN = 0;   // mm from hole to hole in list order
    double FAHRWEG_FRAESUNGEN = 0;  // mm along every path and between them, over every pass
    double ZEIT_BOHRUNGEN = 0;      // estimated minutes; NaN: none ("?")
    double ZEIT_FRAESUNGEN = 0;
    std::optional<JobTime> planned;  // the planner's time, when asked for
};

// Planning builds, levels and walks the whole program: for a load, a new machine or map, the
// command line's "info"; never for a status tick.
enum class Planning { Skip, Plan };

// The one place the travel sums, the two estimates and the planner's time of the loaded drawing
// are worked out for these choices: the figures of the program the export would write.
JobFigures jobFigures(const ProgramState& state, const Choices& choices, NumberLocale locale,
                      Planning planning);

}  // namespace zrv
