// Writing the levelled program of the full board (30001 holes, 30001 paths) against writing it
// unlevelled, both through the whole export (lines, Windows-1252 text, atomic write); the counter
// "ratio" is levelled time over unlevelled time, from one run.
#include <benchmark/benchmark.h>

#include <chrono>

#include "base/text_file.h"
#include "full_board.h"
#include "levelling/level_program.h"
#include "support/scratch_folder.h"

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// A board of 0.5 mm bow and twist over the full board's area, on the default 10 mm grid.
zrv::HeightMap warpedMap(const zrv::GcodeJob& job) {
    const zrv::Grid grid = zrv::probeGrid(zrv::cutArea(job.PUNKTE, job.FRAESUNGEN, job.exports),
                                          zrv::ProbeChoices{}, zrv::kCLocale)
                               .grid.grid;
    zrv::HeightMap map{{grid, {}}, "bench.txt"};
    for (std::size_t j = 0; j < grid.ny; ++j) {
        for (std::size_t i = 0; i < grid.nx; ++i) {
            const double x = static_cast<double>(i) * grid.dx / 100;
            const double y = static_cast<double>(j) * grid.dy / 100;
            map.heights.push_back(0.35 * x * x + 0.15 * x * y - 0.1 * y);
        }
    }
    return map;
}

void BM_LevelledVsUnlevelledExport(benchmark::State& state) {
    const zrv::test::ScratchFolder folder;
    const zrv::GcodeJob job = bench::fullJob();
    const zrv::HeightMap map = warpedMap(job);
    double levelledSeconds = 0;
    double plainSeconds = 0;
    std::size_t lines = 0;
    for (auto _ : state) {
        Clock::time_point start = Clock::now();
        zrv::Status status = zrv::writeFileAtomically(
            folder.path() / "plain.nc", zrv::windowsText(zrv::writtenProgram(job, nullptr).lines));
        plainSeconds += secondsSince(start);
        benchmark::DoNotOptimize(status);
        start = Clock::now();
        const zrv::LevelledProgram levelled = zrv::writtenProgram(job, &map);
        status = zrv::writeFileAtomically(folder.path() / "levelled.nc",
                                          zrv::windowsText(levelled.lines));
        levelledSeconds += secondsSince(start);
        lines = levelled.lines.size();
        benchmark::DoNotOptimize(status);
    }
    const auto runs = static_cast<double>(state.iterations());
    state.counters["levelled_lines"] = static_cast<double>(lines);
    state.counters["levelled_ms"] = levelledSeconds / runs * 1000;
    state.counters["plain_ms"] = plainSeconds / runs * 1000;
    state.counters["ratio"] = levelledSeconds / plainSeconds;
}
BENCHMARK(BM_LevelledVsUnlevelledExport)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
