// The drill order and the milling order with chaining, fast against the plain versions of the
// tests, on the largest lists the store holds.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "geometry/optimise.h"
#include "geometry/reference_optimise.h"
#include "job/load.h"
#include "settings/choices.h"
#include "store/pair_text.h"
#include "support/drawing_builder.h"
#include "support/file_bytes.h"
#include "support/recording_host.h"
#include "support/scratch_folder.h"

namespace zrv {
namespace {

constexpr std::size_t kFullList = 30001;
constexpr std::size_t kMostHoles = kFullList - 1;

std::string holeText(Point p) {
    return pairsText(std::span(&p, 1), "0000.000", kCLocale);
}

// Holes on a 2.54 mm grid, about one place in six left empty.
std::vector<std::string> gridHoles(std::size_t n) {
    std::mt19937 rng(7);
    std::bernoulli_distribution gap(1.0 / 6);
    std::vector<std::string> holes;
    for (std::size_t k = 0; holes.size() < n; ++k) {
        if (!gap(rng)) {
            holes.push_back(holeText(
                {2.54 * static_cast<double>(k % 200), 2.54 * static_cast<double>(k / 200)}));
        }
    }
    std::shuffle(holes.begin(), holes.end(), rng);
    return holes;
}

std::vector<std::string> randomHoles(std::size_t n) {
    std::mt19937 rng(11);
    std::uniform_real_distribution<double> place(0, 300);
    std::vector<std::string> holes;
    for (std::size_t k = 0; k < n; ++k) {
        holes.push_back(holeText({place(rng), place(rng)}));
    }
    return holes;
}

// Chains of touching 0.5 mm segments (random walks of 60 steps), stored in random order and
// direction, as a drawing of many short lines gives them.
std::vector<std::string> touchingSegments(std::size_t n) {
    std::mt19937 rng(13);
    std::uniform_int_distribution<int> step(0, 3);
    std::uniform_real_distribution<double> place(0, 200);
    std::bernoulli_distribution flip(0.5);
    std::vector<std::string> paths;
    Point at{0, 0};
    for (std::size_t k = 0; k < n; ++k) {
        if (k % 60 == 0) {
            at = {std::round(place(rng)) / 2, std::round(place(rng)) / 2};
        }
        const int s = step(rng);
        const Point next{at.x + (s == 0   ? 0.5
                                 : s == 1 ? -0.5
                                          : 0),
                         at.y + (s == 2   ? 0.5
                                 : s == 3 ? -0.5
                                          : 0)};
        const std::vector<Point> segment =
            flip(rng) ? std::vector{at, next} : std::vector{next, at};
        paths.push_back(pairsText(segment, "00.000", kCLocale));
        at = next;
    }
    std::shuffle(paths.begin(), paths.end(), rng);
    return paths;
}

std::vector<std::string> holesOf(int kind, std::size_t n) {
    return kind == 0 ? gridHoles(n) : randomHoles(n);
}

void BM_DrillOrderFast(benchmark::State& state) {
    const auto holes =
        holesOf(static_cast<int>(state.range(0)), static_cast<std::size_t>(state.range(1)));
    for (auto _ : state) {
        std::vector<std::string> list = holes;
        test::RecordingHost recording;
        BOHRUNGEN_OPTIMIEREN(list, "1-Standard", recording.host);
        benchmark::DoNotOptimize(list.data());
    }
}

void BM_DrillOrderPlain(benchmark::State& state) {
    const auto holes =
        holesOf(static_cast<int>(state.range(0)), static_cast<std::size_t>(state.range(1)));
    for (auto _ : state) {
        std::vector<std::string> list = holes;
        reference::drillOrder(list, "1-Standard");
        benchmark::DoNotOptimize(list.data());
    }
}

void BM_MillingOrderFast(benchmark::State& state) {
    const auto paths = touchingSegments(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        std::vector<std::string> list = paths;
        test::RecordingHost recording;
        FRAESUNGEN_OPTIMIEREN(list, "1-Standard", recording.host);
        benchmark::DoNotOptimize(list.data());
        state.counters["paths after joining"] = static_cast<double>(list.size());
    }
}

void BM_MillingOrderPlain(benchmark::State& state) {
    const auto paths = touchingSegments(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        std::vector<std::string> list = paths;
        reference::millingOrderAndChain(list, "1-Standard");
        benchmark::DoNotOptimize(list.data());
        state.counters["paths after joining"] = static_cast<double>(list.size());
    }
}

// A drawing of 30000 holes (the most the point reader keeps) on a 2.54 mm grid with gaps and
// 30001 lines of two segments at random places, written once.
const std::string& wholeDrawing() {
    static const std::string path = [] {
        std::mt19937 rng(17);
        std::bernoulli_distribution gap(1.0 / 6);
        std::uniform_int_distribution<int> place(0, 3999);
        test::DrawingBuilder drawing;
        std::size_t holes = 0;
        for (int k = 0; holes < kMostHoles; ++k) {
            if (!gap(rng)) {
                // 50 drawing units are 2.54 mm at the standard scale
                drawing.point({static_cast<float>(k % 200) * 50, static_cast<float>(k / 200) * 50},
                              test::kRot);
                ++holes;
            }
        }
        for (std::size_t k = 0; k < kFullList; ++k) {
            const auto x = static_cast<float>(place(rng)) * 2.5F;
            const auto y = static_cast<float>(place(rng)) * 2.5F;
            drawing.line({{x, y}, {x + 25, y}, {x + 25, y + 25}}, test::kBlau);
        }
        // A folder of this run: another checkout's run may be writing its own drawing.
        static const test::ScratchFolder folder;
        const std::string file = folder.file("geometry-bench.zrv");
        test::writeBytes(file, drawing.bytes());
        return file;
    }();
    return path;
}

double loadSeconds(const Choices& choices) {
    test::RecordingHost recording;
    ProgramState program;
    const std::string& drawing = wholeDrawing();  // written by the first call, not timed
    const auto start = std::chrono::steady_clock::now();
    DATEI_LADEN(program, drawing, choices, recording.host);
    const auto end = std::chrono::steady_clock::now();
    if (program.store.PUNKTE.size() != kMostHoles || program.store.LINIEN.size() != kFullList) {
        std::string why =
            "the drawing was not read whole: " + std::to_string(program.store.PUNKTE.size()) +
            " holes";
        for (const std::string& m : recording.progress.messages) {
            why += "; " + m;
        }
        throw std::runtime_error(why);
    }
    return std::chrono::duration<double>(end - start).count();
}

// The whole load with both optimisers at "1-Standard" against the same load at "0-keine"
// (reading, parsing, flush), alternating in every iteration.
void BM_WholeLoadOrderedAgainstParsed(benchmark::State& state) {
    Choices ordered = factoryChoices(kGermanLocale);
    ordered.prepare.Combo_BOHRUNGEN_OPTIMIEREN = "1-Standard";
    ordered.prepare.Combo_FRAESUNGEN_OPTIMIEREN = "1-Standard";
    Choices parsed = ordered;
    parsed.prepare.Combo_BOHRUNGEN_OPTIMIEREN = "0-keine";
    parsed.prepare.Combo_FRAESUNGEN_OPTIMIEREN = "0-keine";
    double orderedSeconds = 0;
    double parsedSeconds = 0;
    for (auto _ : state) {
        parsedSeconds += loadSeconds(parsed);
        orderedSeconds += loadSeconds(ordered);
    }
    const auto runs = static_cast<double>(state.iterations());
    state.counters["parsed_ms"] = 1000 * parsedSeconds / runs;
    state.counters["ordered_ms"] = 1000 * orderedSeconds / runs;
    state.counters["ordered_per_parsed"] = orderedSeconds / parsedSeconds;
}

// First argument: 0 = grid with gaps, 1 = uniformly random; second: the number of holes.
BENCHMARK(BM_DrillOrderFast)
    ->Args({0, kFullList})
    ->Args({1, kFullList})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrillOrderPlain)
    ->Args({0, kFullList})
    ->Args({1, kFullList})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MillingOrderFast)->Arg(7500)->Arg(kFullList)->Unit(benchmark::kMillisecond);
// The plain milling order is quadratic and so is its chaining (a scan from the first path
// after every join); 7500 paths show it, the full list is measured once.
BENCHMARK(BM_MillingOrderPlain)
    ->Arg(7500)
    ->Arg(kFullList)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// Long enough for a steady ratio: one pair of loads takes about a tenth of a second.
BENCHMARK(BM_WholeLoadOrderedAgainstParsed)->MinTime(3)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zrv

BENCHMARK_MAIN();
