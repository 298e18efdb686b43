#include "ui/machine/tool_change.h"

#include "settings/plain_number.h"
#include "text/number_format.h"

namespace zrv {

ToolChangeQuestion toolChangeQuestion(std::string_view note, bool heightMap) {
    ToolChangeQuestion question;
    question.text = (note.empty() ? std::string("Programmhalt (M0)") : std::string(note)) +
                    "\n\n„Z antasten und weiter“: Taster anlegen; die Maschine tastet bei X0 Y0 "
                    "an, setzt dort Z0 und fährt fort. „Weiter“: Z0 ist von Hand gesetzt.";
    question.buttons = {"Z antasten und weiter", "Weiter", "Abbrechen"};
    question.preset = heightMap ? kProbeZ : kGoOn;
    return question;
}

std::vector<std::string> reprobeCommands(const ProbeChoices& probe) {
    return {"G90 G0 X0 Y0",
            "G38.2 Z" + commandNumber(probe.antasten_tiefe) + " F" +
                commandNumber(probe.antasten_vorschub),
            "G10 L20 P1 Z0", "G0 Z" + commandNumber(probe.antasten_abheben)};
}

std::string probeFailureText(const ProbeGrid& grid, std::size_t reported, NumberLocale locale) {
    if (reported >= grid.probes.size()) {
        return {};
    }
    const Point& at = grid.probes[reported];
    return "Punkt " + std::to_string(reported + 1) + " von " + std::to_string(grid.probes.size()) +
           " bei X " + formatPattern(at.x, "0.00", locale) + " Y " +
           formatPattern(at.y, "0.00", locale) + ": keine Berührung";
}

std::string commandNumber(double value) {
    return plainNumberText(value, kCLocale);
}

}  // namespace zrv
