#include "levelling/probe_program.h"

#include <algorithm>
#include <cmath>

#include "gcode/comment_text.h"
#include "levelling/length_text.h"
#include "settings/probe_values.h"

namespace zrv {
namespace {

std::string moveLine(const Point& at, std::string_view name) {
    return "G0 X" + lengthText(at.x) + " Y" + lengthText(at.y) + " (" + std::string(name) + ")";
}

void writeProbe(std::vector<std::string>& lines, const Point& at, const ProbeChoices& choices,
                const std::string& name) {
    const std::string lift = lengthText(choices.antasten_abheben);
    lines.push_back(moveLine(at, name));
    lines.push_back("G38.2 Z" + lengthText(choices.antasten_tiefe) + " F" +
                    lengthText(choices.antasten_vorschub) + " (antasten)");
    lines.push_back("G0 Z" + lift + " (abheben)");
}

}  // namespace

std::vector<std::string> probeProgram(const ProbeGrid& grid, const ProbeChoices& choices,
                                      double safeHeight, std::string_view drawingName) {
    const std::string lift = lengthText(choices.antasten_abheben);
    const std::string points = std::to_string(grid.probes.size());
    std::vector<std::string> lines{
        "(zrvcam Tastprogramm: Höhenkarte der Platine)",
        "(" + commentSafe(drawingName) + ")",
        "(Raster: " + std::to_string(grid.grid.nx) + " x " + std::to_string(grid.grid.ny) +
            " Punkte, Abstand X " + lengthText(grid.grid.dx) + " mm, Y " +
            lengthText(grid.grid.dy) + " mm)",
        "(Vorher: Z0 am Nullpunkt X0 Y0 setzen, Tastklemme an den Fräser)",
        "(Danach: Ausgabe der Konsole als Textdatei speichern und laden)",
        "G21 (Metrische Eingabe)",
        "G90 (Absolutmasseingabe)",
        "G94 (Vorschub in mm/min)",
        "M5 (Spindel Stop)",
        "G0 Z" + lift + " (anheben)",
    };
    lines.reserve(lines.size() + grid.probes.size() * 3 + 4);
    for (std::size_t k = 0; k < grid.probes.size(); ++k) {
        const std::string name = k == 0 ? "Bezugspunkt 1 / " + points
                                        : "Punkt " + std::to_string(k + 1) + " / " + points;
        writeProbe(lines, grid.probes[k], choices, name);
    }
    // A damaged height parameter must not make a line longer than the controller takes.
    const double highest = probeValueRow(&ProbeChoices::antasten_abheben).highest;
    const double safe = std::isfinite(safeHeight) && safeHeight <= highest
                            ? std::max(safeHeight, choices.antasten_abheben)
                            : choices.antasten_abheben;
    lines.push_back("G0 Z" + lengthText(safe) + " (sichere Höhe)");
    lines.push_back("G0 X0 Y0 (GO NULL)");
    lines.push_back("M30 (Programm-Ende)");
    return lines;
}

}  // namespace zrv
