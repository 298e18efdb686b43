// The whole road of a drawing: the route pass, the travel and time, the levelling by a probed
// surface, the G-code program, the milling table and the dump.
#include <cctype>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "base/text_file.h"
#include "fuzz_checks.h"
#include "fuzz_targets.h"
#include "gcode/gcode_reading.h"
#include "job/dump.h"
#include "job/export.h"
#include "job/height_map_file.h"
#include "job/job_figures.h"
#include "job/report.h"
#include "load_job.h"
#include "support/file_bytes.h"
#include "support/probe_log_text.h"
#include "support/recording_host.h"

namespace zrv::fuzz {
namespace {

constexpr std::size_t kRoadByte = 5;

// Step texts as typed: off, sound values in both notations, and slips.
constexpr std::string_view kStepTexts[8] = {"0",  "0,1", "0.25",   "1e-300",
                                            "-1", "abc", "0,0001", ""};

using Surface = double (*)(double x, double y);
// No map, then bilinear surfaces, which the map reproduces exactly, so the reference at X0 Y0
// agrees with the grid wherever it lies: tilted, a saddle, both.
constexpr Surface kSurfaces[4] = {
    nullptr,
    [](double x, double y) { return 0.0005 * x - 0.0003 * y; },
    [](double x, double y) { return 0.00002 * x * y; },
    [](double x, double y) { return 0.0002 * x + 0.0004 * y - 0.00001 * x * y; },
};

// A probe log over the surface, for the drawing's own grid, read like the command's file. Grids
// of many probes are passed over: their logs would cost the fuzzer most of its time.
std::string levelBy(Surface surface, ProgramState& state, const Job& job) {
    const ProbeGridResult grid = drawingProbeGrid(state, job.choices, job.locale);
    if (surface == nullptr || !grid.refusal.empty() || grid.grid.probes.size() > 400) {
        return {};
    }
    const std::filesystem::path log = scratch() / "fuzz_probe.txt";
    test::writeBytes(log, test::probeLogText(grid.grid, surface));
    test::RecordingHost recorder(job.locale);
    const Status loaded = loadHeightMap(state, job.choices, log.string(), recorder.host);
    if (!loaded.ok() && state.loadRefusal.empty()) {
        return "the log of the drawing's own grid was refused: " + loaded.error;
    }
    return {};
}

// "inf" or "nan" as a word of its own: what a number that is not finite would print.
bool holdsNonFinite(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        for (const std::string_view word : {"inf", "nan"}) {
            for (std::size_t at = line.find(word); at != std::string::npos;
                 at = line.find(word, at + 1)) {
                const std::size_t end = at + word.size();
                if ((at == 0 || !std::isalpha(static_cast<unsigned char>(line[at - 1]))) &&
                    (end == line.size() || !std::isalpha(static_cast<unsigned char>(line[end])))) {
                    return true;
                }
            }
        }
    }
    return false;
}

std::string checkProgram(const std::filesystem::path& path, const Job& job, bool levelled) {
    const TextLines file = readTextFile(path);
    if (!file.status.ok()) {
        return "the written program cannot be read: " + file.status.error;
    }
    if (holdsNonFinite(file.lines)) {
        return "the program holds inf or nan";
    }
    const test::WordCheck words = test::checkWords(file.lines);
    if (!words.errors.empty()) {
        return "G-code: " + words.errors.front();
    }
    // A levelled program moves XY and Z together, which the machine run counts as a fault.
    if (!job.safeParameters || levelled) {
        return {};
    }
    const test::MachineRun run = test::runProgram(file.lines);
    if (!run.violations.empty()) {
        return "machine run: " + run.violations.front();
    }
    return run.ended ? std::string{} : "the program does not end with M30";
}

std::string checkWrites(ProgramState& state, const Job& job) {
    const std::filesystem::path nc = scratch() / "fuzz.nc";
    const std::filesystem::path table = scratch() / "fuzz_EXPORT.txt";
    std::error_code ignored;
    std::filesystem::remove(nc, ignored);
    test::RecordingHost recorder(job.locale);
    Choices choices = job.choices;
    choices.parameters = cleanParameters(choices.parameters, job.locale);
    const JobFigures figures = jobFigures(state, choices, job.locale, Planning::Plan);
    for (const double travel : {figures.FAHRWEG_BOHRUNGEN, figures.FAHRWEG_FRAESUNGEN}) {
        if (!(travel >= 0)) {  // a length
            return "a travel sum is " + std::to_string(travel);
        }
    }
    if (holdsNonFinite(infoLines(state, figures))) {
        return "an info line holds inf or nan";
    }
    const WriteResult program = GERBER_SCHREIBEN(state, choices, recorder.host);
    const bool readWhole = state.loadRefusal.empty();
    if (!readWhole && program.status.ok()) {
        return "a program of a drawing not read whole";
    }
    if (!program.status.ok()) {
        if (std::filesystem::exists(nc) ||
            !program.status.error.starts_with("Export abgebrochen")) {
            return "a refused program: " + program.status.error;
        }
    } else if (std::string fault = checkProgram(nc, job, state.heightMap.has_value());
               !fault.empty()) {
        return fault;
    }
    const bool tableWritten = exportMillingData(state, recorder.host).status.ok();
    if (tableWritten != readWhole) {
        return "a milling table refused or written against the load";
    }
    if (tableWritten && readTextFile(table).lines.size() != state.store.FRAESUNGEN.size()) {
        return "the milling table lacks lines";
    }
    if (job.dump) {
        const std::size_t n = state.file.DATEI_INHALT.size();
        const bool horizontal = n % 2 == 0;
        writeDump(state.file, horizontal ? DumpLayout::Horizontal : DumpLayout::Vertical,
                  recorder.host);
        if (std::filesystem::file_size(table, ignored) != (horizontal ? 3 * n + 2 : 4 * n)) {
            return "the dump has the wrong length";
        }
    }
    return {};
}

}  // namespace

std::string wholeRoad(Bytes data) {
    const std::uint8_t road = data.size() > kRoadByte ? data[kRoadByte] : 0;
    std::vector<std::uint8_t> rest(data.begin(), data.end());
    if (rest.size() > kRoadByte) {
        rest.erase(rest.begin() + kRoadByte);
    }
    Job job = readJob(rest, RoutePass::AsChosen);
    job.choices.steps.Combo_ZUSTELLUNG = kStepTexts[road >> 2 & 7u];
    job.choices.steps.Combo_BOHREN_IN_STUFEN = kStepTexts[road >> 5 & 7u];
    Analysed analysed = analyse(job.drawing, job.choices, job.locale);
    if (std::string fault = levelBy(kSurfaces[road & 3u], analysed.state, job); !fault.empty()) {
        return fault;
    }
    return checkWrites(analysed.state, job);
}

}  // namespace zrv::fuzz
