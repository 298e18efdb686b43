#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "levelling/probe_grid.h"
#include "settings/probe_choices.h"
#include "text/number_locale.h"

namespace zrv {

// The question at a program's M0: its text, the buttons and the default one.
struct ToolChangeQuestion {
    std::string text;
    std::vector<std::string> buttons;  // "Z antasten und weiter", "Weiter", "Abbrechen"
    std::size_t preset = 1;
};
enum ToolChangeAnswer : std::size_t { kProbeZ = 0, kGoOn = 1, kCancel = 2 };

// With a height map the new tool is probed by default: the map's heights are relative to X0 Y0,
// so a Z0 set there again keeps the map valid.
ToolChangeQuestion toolChangeQuestion(std::string_view note, bool heightMap);

// Z probed again at X0 Y0: one probe with the probe choices, Z0 set there, lifted.
std::vector<std::string> reprobeCommands(const ProbeChoices& probe);

// ALARM:5 in a probe run names the probe after the last one reported:
// "Punkt 17 von 37 bei X 24,38 Y 16,26: keine Berührung".
std::string probeFailureText(const ProbeGrid& grid, std::size_t reported, NumberLocale locale);

// A number for a command to the controller: a point, no needless digits.
std::string commandNumber(double value);

}  // namespace zrv
