// Planning the running time of a full board's program (30001 holes, 30001 paths) as a ratio to
// building that program's lines; the goal is at most 1.
#include <benchmark/benchmark.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "gcode/gcode_writer.h"
#include "planner/program_time.h"
#include "store/figure_store.h"

namespace {

using Clock = std::chrono::steady_clock;

std::string pair(double x, double y) {
    char text[64];
    std::snprintf(text, sizeof text, " X=%08.3f Y=%08.3f", x, y);
    return text;
}

struct Board {
    std::vector<std::string> punkte;
    std::vector<std::string> fraesungen;
};

// Holes on a grid; each path a closed square of five pairs, as the store writes them.
const Board& fullBoard() {
    static const Board board = [] {
        Board b;
        for (std::size_t i = 0; i < zrv::kListCapacity; ++i) {
            const double x = static_cast<double>(i % 200) * 1.27;
            const double y = static_cast<double>(i / 200) * 1.27;
            b.punkte.push_back(pair(x, y));
            std::string path;
            for (const auto& [dx, dy] :
                 {std::pair{0.0, 0.0}, {0.8, 0.0}, {0.8, 0.8}, {0.0, 0.8}, {0.0, 0.0}}) {
                path += pair(x + dx, y + dy);
            }
            b.fraesungen.push_back(path);
        }
        return b;
    }();
    return board;
}

zrv::GcodeJob fullJob() {
    zrv::GcodeJob job;
    job.PUNKTE = fullBoard().punkte;
    job.FRAESUNGEN = fullBoard().fraesungen;
    job.parameters = {"1000", "500", "1000", "10", "2,5", "-1,5",
                      "1000", "100", "10",   "10", "2,5", "-0,1"};
    job.exports = zrv::ExportChoices{1, 1, 0, 1};
    job.locale = zrv::kGermanLocale;
    return job;
}

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The counter "ratio" is planning time over building time of the same program.
void BM_PlanVsBuildProgram(benchmark::State& state) {
    const zrv::GcodeJob job = fullJob();
    const std::array<std::string, 2> starts = zrv::sectionStartLines();
    const std::vector<std::string> lines = zrv::gcodeProgram(job);
    double buildSeconds = 0;
    double planSeconds = 0;
    for (auto _ : state) {
        Clock::time_point start = Clock::now();
        benchmark::DoNotOptimize(zrv::gcodeProgram(job));
        buildSeconds += secondsSince(start);
        start = Clock::now();
        benchmark::DoNotOptimize(zrv::programTime(lines, zrv::MachineProfile{}, starts));
        planSeconds += secondsSince(start);
    }
    const auto runs = static_cast<double>(state.iterations());
    state.counters["lines"] = static_cast<double>(lines.size());
    state.counters["build_ms"] = buildSeconds / runs * 1000;
    state.counters["plan_ms"] = planSeconds / runs * 1000;
    state.counters["ratio"] = planSeconds / buildSeconds;
}
BENCHMARK(BM_PlanVsBuildProgram)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
