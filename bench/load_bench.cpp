// Loading a drawing of 30001 points and 30001 lines (no optimisation) against reading the same
// file into memory, and the peak memory of the process.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <string>

#include "base/text_file.h"
#include "job/load.h"
#include "settings/choices.h"
#include "support/drawing_builder.h"
#include "support/file_bytes.h"
#include "support/recording_host.h"
#include "support/scratch_folder.h"

namespace {

// A drawing of `count` points and `count` lines, written once per count.
const std::string& drawingPath(int count) {
    static std::map<int, std::string> paths;
    std::string& path = paths[count];
    if (path.empty()) {
        zrv::test::DrawingBuilder drawing;
        for (int i = 0; i < count; ++i) {
            const auto x = static_cast<float>(i % 200) * 50;
            const auto y = static_cast<float>(i / 200) * 50;
            drawing.point({x, y}, zrv::test::kRot);
            drawing.line({{x, y}, {x + 25, y}, {x + 25, y + 25}}, zrv::test::kBlau);
        }
        // A folder of this run: another checkout's run may be writing its own drawing.
        static const zrv::test::ScratchFolder folder;
        path = folder.file("load-bench-" + std::to_string(count) + ".zrv");
        zrv::test::writeBytes(path, drawing.bytes());
    }
    return path;
}

zrv::Choices unchangedOrder() {
    zrv::Choices choices = zrv::factoryChoices(zrv::kGermanLocale);
    choices.prepare.Combo_BOHRUNGEN_OPTIMIEREN = "0-keine";
    choices.prepare.Combo_FRAESUNGEN_OPTIMIEREN = "0-keine";
    return choices;
}

double seconds(std::chrono::steady_clock::duration duration) {
    return std::chrono::duration<double>(duration).count();
}

double peakMemoryKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss);
}

void BM_ReadFile(benchmark::State& state) {
    const std::string& path = drawingPath(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        zrv::FileBytes bytes = zrv::readFileBytes(path);
        benchmark::DoNotOptimize(bytes.bytes.data());
    }
}
BENCHMARK(BM_ReadFile)->Arg(30001)->Unit(benchmark::kMillisecond);

// Both in the same iteration, so the ratio compares like with like; the smaller drawings show
// that the load grows linearly with the file.
void BM_LoadAgainstRead(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    const std::string& path = drawingPath(count);
    const zrv::Choices choices = unchangedOrder();
    double readSeconds = 0;
    double loadSeconds = 0;
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        zrv::FileBytes bytes = zrv::readFileBytes(path);
        benchmark::DoNotOptimize(bytes.bytes.data());
        readSeconds += seconds(std::chrono::steady_clock::now() - start);

        zrv::test::RecordingHost recorder;
        zrv::ProgramState program;
        start = std::chrono::steady_clock::now();
        const zrv::LoadResult result = zrv::DATEI_LADEN(program, path, choices, recorder.host);
        loadSeconds += seconds(std::chrono::steady_clock::now() - start);
        if (program.store.LINIEN.size() != static_cast<std::size_t>(count) ||
            result.outcome != zrv::LoadOutcome::Loaded) {
            state.SkipWithError("the drawing was not read whole");
        }
    }
    state.counters["read_ms"] = 1000 * readSeconds / static_cast<double>(state.iterations());
    state.counters["load_ms"] = 1000 * loadSeconds / static_cast<double>(state.iterations());
    state.counters["load_per_read"] = loadSeconds / readSeconds;
    state.counters["file_KiB"] = static_cast<double>(std::filesystem::file_size(path)) / 1024;
    state.counters["peak_rss_KiB"] = peakMemoryKiB();
}
BENCHMARK(BM_LoadAgainstRead)->Arg(7500)->Arg(15000)->Arg(30001)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
