// Building and writing the G-code program of a full board (30001 holes, 30001 paths), as a
// ratio to writing the same number of bytes with a plain buffered stream.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "base/text_file.h"
#include "full_board.h"
#include "gcode/gcode_writer.h"
#include "gcode/milling_export.h"
#include "store/figure_store.h"
#include "support/scratch_folder.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

using bench::fullBoard;
using bench::fullJob;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void plainWrite(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// The whole export (lines, Windows-1252 text, atomic write) against a plain write of as many
// bytes; the counter "ratio" is export time over plain write time.
void BM_GcodeExportVsPlainWrite(benchmark::State& state) {
    const zrv::test::ScratchFolder folder;
    const zrv::GcodeJob job = fullJob();
    const std::string sameBytes = zrv::windowsText(zrv::gcodeProgram(job));
    double exportSeconds = 0;
    double plainSeconds = 0;
    for (auto _ : state) {
        Clock::time_point start = Clock::now();
        const zrv::Status status = zrv::writeFileAtomically(
            folder.path() / "board.nc", zrv::windowsText(zrv::gcodeProgram(job)));
        exportSeconds += secondsSince(start);
        benchmark::DoNotOptimize(status);
        start = Clock::now();
        plainWrite(folder.path() / "plain.nc", sameBytes);
        plainSeconds += secondsSince(start);
    }
    const auto runs = static_cast<double>(state.iterations());
    state.counters["bytes"] = static_cast<double>(sameBytes.size());
    state.counters["export_ms"] = exportSeconds / runs * 1000;
    state.counters["plain_ms"] = plainSeconds / runs * 1000;
    state.counters["ratio"] = exportSeconds / plainSeconds;
}
BENCHMARK(BM_GcodeExportVsPlainWrite)->Unit(benchmark::kMillisecond)->Iterations(5);

// Building the lines alone.
void BM_GcodeProgramLines(benchmark::State& state) {
    const zrv::GcodeJob job = fullJob();
    for (auto _ : state) {
        benchmark::DoNotOptimize(zrv::gcodeProgram(job));
    }
}
BENCHMARK(BM_GcodeProgramLines)->Unit(benchmark::kMillisecond);

// The milling table of the same board.
void BM_MillingExportLines(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            zrv::millingExportLines(fullBoard().fraesungen, zrv::kGermanLocale));
    }
}
BENCHMARK(BM_MillingExportLines)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
