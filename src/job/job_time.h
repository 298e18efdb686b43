#pragma once

#include <string>

#include "job/program_state.h"
#include "settings/choices.h"
#include "text/number_locale.h"

namespace zrv {

// The time the written program takes on the chosen machine, in seconds.
struct JobTime {
    double drilling = 0;  // from the start to the milling section
    double milling = 0;   // from the milling section to the end
    double total = 0;
};

// Plans the program exactly as the export would write it with these choices (levelled by the
// state's height map when there is one). A section with a parameter beyond any machine, which
// the export refuses, gets NaN (shown as "?"), and so does the total.
JobTime jobTime(const ProgramState& state, const Choices& choices, NumberLocale locale);

// "3 min 31 s" (whole seconds).
std::string durationText(double seconds);

// "Laufzeit (Planer): Bohrungen 3 min 31 s, Fräsungen 30 min 2 s, gesamt 33 min 33 s"
std::string jobTimeLine(const JobTime& time);

}  // namespace zrv
