#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "fuzz_checks.h"
#include "fuzz_targets.h"
#include "levelling/level_program.h"
#include "levelling/probe_program.h"
#include "settings/extra_settings.h"
#include "support/file_bytes.h"

namespace zrv::fuzz {
namespace {

constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
// Sound values first, then the absurd ones a hand-edited file or a slip can bring.
constexpr double kValues[8] = {10, 2, -2, 0.5, 0, kNan, kInf, 1e-300};

// Whether every number word of the lines is finite (no "nan", "inf" or exponent leaks out).
std::string checkNumbers(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        const std::string code = line.substr(0, line.find('('));
        if (code.find_first_of("naie") != std::string::npos) {
            return "a number that is not plain in \"" + line + "\"";
        }
    }
    return {};
}

std::string checkProbeProgram(const ProbeGrid& grid, const ProbeChoices& choices) {
    const std::vector<std::string> lines = probeProgram(grid, choices, 1e300, "x");
    for (const std::string& line : lines) {
        if (line.substr(0, line.find('(')).size() > 80) {
            return "a probe line longer than 80 characters: " + line;
        }
    }
    return checkNumbers(lines);
}

}  // namespace

std::string probeLog(Bytes data) {
    const auto byte = [&](std::size_t k) { return k < data.size() ? data[k] : std::uint8_t{0}; };
    const std::string rest(
        data.begin() + static_cast<std::ptrdiff_t>(std::min<std::size_t>(3, data.size())),
        data.end());
    ProbeChoices choices{kValues[byte(0) & 7], kValues[(byte(0) >> 3) & 7], -kValues[byte(1) & 7],
                         kValues[(byte(1) >> 3) & 7]};
    if ((byte(2) & 1) != 0) {
        // The same bytes as the extra settings file: what it lets through is what the grid sees.
        test::writeBytes(scratch() / "zrvcam_extra.ini", rest);
        Choices current;
        current.probe = choices;
        choices = readExtraSettings(scratch() / "zrvcam_extra.ini", current).choices.probe;
    }
    const double side = (byte(2) >> 1) * 1.5;
    const ProbeGridResult grid = probeGrid(ProbeArea{-1, side, 0, side / 2}, choices, kCLocale);
    if (!grid.refusal.empty()) {
        return {};
    }
    if (grid.grid.probes.size() > kMostProbes) {
        return "more probes than allowed";
    }
    if (std::string fault = checkProbeProgram(grid.grid, choices); !fault.empty()) {
        return fault;
    }
    const HeightMapRead read = readHeightMap(rest, grid.grid, choices, "log", kCLocale);
    if (!read.map) {
        return read.refusal.empty() ? "no map and no refusal" : std::string{};
    }
    for (const double h : read.map->heights) {
        if (!std::isfinite(h)) {
            return "a height that is not finite";
        }
    }
    const std::vector<std::string> program{"G01 Z2.5 F100 (auf)", "G01 X0 Y0 F1000 (Next)",
                                           "G01 Z-0.1 F10 (ab)",
                                           "G01 X" + std::to_string(side) + " Y0 (XY)"};
    const LevelledProgram levelled = levelProgram(program, *read.map, 0, kCLocale);
    return levelled.refusal.empty() ? checkNumbers(levelled.lines) : std::string{};
}

}  // namespace zrv::fuzz
