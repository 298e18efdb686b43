// Planning the running time of a full board's program (30001 holes, 30001 paths) as a ratio to
// building that program's lines; the goal is at most 1.
#include <benchmark/benchmark.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "full_board.h"
#include "gcode/gcode_writer.h"
#include "planner/program_time.h"
#include "store/figure_store.h"

namespace {

using Clock = std::chrono::steady_clock;

using bench::fullJob;

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
