// Hostile drawings: time and peak memory of a whole load (with the travel sums), each in a child
// process of its own so that its peak resident size is its own. The file size is the yardstick:
// peak_ratio is the peak memory over the file size.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <random>
#include <string>

#include "job/job_figures.h"
#include "job/load.h"
#include "settings/choices.h"
#include "support/drawing_builder.h"
#include "support/file_bytes.h"
#include "support/recording_host.h"
#include "support/scratch_folder.h"

namespace {

constexpr std::size_t kHundredMiB = 100u << 20u;

const std::filesystem::path& folder() {
    static const zrv::test::ScratchFolder scratch;
    return scratch.path();
}

std::string withHeader(std::string body) {
    return "\x07ZIRVA70" + body;
}

std::string randomBytes(std::size_t size) {
    std::mt19937_64 random(2026);
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i + 8 <= size; i += 8) {
        const std::uint64_t word = random();
        for (std::size_t k = 0; k < 8; ++k) {
            bytes[i + k] = static_cast<char>(word >> (8 * k));
        }
    }
    return bytes;
}

// A rectangle marker every four bytes whose fixed bytes are not zero: each one a "?".
std::string faultFlood(std::size_t size) {
    std::string bytes;
    bytes.reserve(size);
    while (bytes.size() + 4 <= size) {
        bytes.append("\x02\x00\x01\xFF", 4);
    }
    return bytes;
}

// Blue line records of 256 vertices, all at (1, 1), so every line touches the next.
std::string longestLines(std::size_t count) {
    std::string record(28 + 256 * 8, '\0');
    record.replace(0, 3, "\x04\x00\x01", 3);
    record[9] = '\xFF';
    record[24] = '\xFF';
    const std::string one = zrv::test::floatBytes(1.0f);
    for (std::size_t i = 0; i < 512; ++i) {
        record.replace(28 + 4 * i, 4, one);
    }
    std::string bytes;
    bytes.reserve(count * record.size());
    for (std::size_t i = 0; i < count; ++i) {
        bytes += record;
    }
    return bytes;
}

std::string pointsAtOneSpot(std::size_t count) {
    zrv::test::DrawingBuilder drawing("ZIRVA70", zrv::test::Layout::Zirva70);
    for (std::size_t i = 0; i < count; ++i) {
        drawing.point({7, 7}, zrv::test::kRot);
    }
    return drawing.bytes();
}

std::string written(const std::string& name, const std::function<std::string()>& make) {
    const std::filesystem::path path = folder() / name;
    if (!std::filesystem::exists(path)) {
        zrv::test::writeBytes(path, make());
    }
    return path.string();
}

// The load as the command-line tool runs it, status lines kept; the exit code is the outcome.
[[noreturn]] void loadInChild(const std::string& path) {
    zrv::test::RecordingHost recorder(zrv::kGermanLocale);
    zrv::ProgramState program;
    const zrv::Choices choices = zrv::factoryChoices(zrv::kGermanLocale);
    const zrv::LoadResult result = zrv::DATEI_LADEN(program, path, choices, recorder.host);
    zrv::jobFigures(program, choices, zrv::kGermanLocale, zrv::Planning::Skip);
    _exit(static_cast<int>(result.outcome));
}

void measure(benchmark::State& state, const std::string& path) {
    const double fileMiB = static_cast<double>(std::filesystem::file_size(path)) / (1u << 20u);
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const pid_t child = fork();
        if (child == 0) {
            loadInChild(path);
        }
        int status = 0;
        rusage usage{};
        wait4(child, &status, 0, &usage);
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        const double peakMiB = static_cast<double>(usage.ru_maxrss) / 1024;
        state.counters["file_MiB"] = fileMiB;
        state.counters["peak_MiB"] = peakMiB;
        state.counters["peak_ratio"] = peakMiB / fileMiB;
        state.counters["outcome"] = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
}

void BM_Random100MiBWithHeader(benchmark::State& state) {
    measure(state, written("random.zrv7", [] { return withHeader(randomBytes(kHundredMiB)); }));
}

void BM_Random100MiBWithoutHeader(benchmark::State& state) {
    measure(state, written("random.zrv", [] { return "\x08" + randomBytes(kHundredMiB); }));
}

void BM_FixedByteFaults100MiB(benchmark::State& state) {
    measure(state, written("faults.zrv7", [] { return withHeader(faultFlood(kHundredMiB)); }));
}

void BM_LongestLinesUntilTheListOverflows(benchmark::State& state) {
    measure(state, written("lines.zrv7",
                           [] { return withHeader(longestLines(kHundredMiB / (28 + 256 * 8))); }));
}

void BM_LongestLinesAllChainedIntoOne(benchmark::State& state) {
    measure(state, written("chain.zrv7", [] { return withHeader(longestLines(30001)); }));
}

void BM_PointsAtOneSpot(benchmark::State& state) {
    measure(state, written("spot.zrv7", [] { return pointsAtOneSpot(30001); }));
}

}  // namespace

BENCHMARK(BM_Random100MiBWithHeader)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_Random100MiBWithoutHeader)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_FixedByteFaults100MiB)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_LongestLinesUntilTheListOverflows)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);
BENCHMARK(BM_LongestLinesAllChainedIntoOne)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);
BENCHMARK(BM_PointsAtOneSpot)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

BENCHMARK_MAIN();
