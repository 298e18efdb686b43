#pragma once

#include <span>
#include <string>

#include "settings/choices.h"

namespace zrv {

// The time the written program takes on the chosen machine, in seconds.
struct JobTime {
    double drilling = 0;  // from the start to the milling section
    double milling = 0;   // from the milling section to the end
    double total = 0;
};

// Plans the lines of a program written with these choices on the chosen machine. A section with
// a parameter beyond any machine, which the export refuses, gets NaN (shown as "?"), and so does
// the total.
JobTime plannedTime(std::span<const std::string> lines, const Choices& choices);

// "3 min 31 s" (whole seconds).
std::string durationText(double seconds);

// "2:13" (minutes and whole seconds), as a running job's progress shows it; "?" for a time
// unknown or beyond any machine.
std::string minutesText(double seconds);

// "Laufzeit (Planer): Bohrungen 3 min 31 s, Fräsungen 30 min 2 s, gesamt 33 min 33 s"
std::string jobTimeLine(const JobTime& time);

}  // namespace zrv
