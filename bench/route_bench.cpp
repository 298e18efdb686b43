// The route improvement pass against the "1-Standard" orders it starts from: how much shorter
// the round trip gets, and what the pass costs beside the order itself, in one run each; and the
// pass from an unordered list and on holes drawn several times.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "geometry/optimise.h"
#include "geometry/route_pass.h"
#include "store/pair_text.h"
#include "support/recording_host.h"

namespace zrv {
namespace {

constexpr std::size_t kFullList = 30001;
constexpr double kBoardWidth = 100;
constexpr double kBoardHeight = 80;

std::vector<std::string> randomHoles(std::size_t n, unsigned seed) {
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> x(0, kBoardWidth);
    std::uniform_real_distribution<double> y(0, kBoardHeight);
    std::vector<std::string> holes;
    for (std::size_t k = 0; k < n; ++k) {
        const Point p{x(rng), y(rng)};
        holes.push_back(pairsText(std::span(&p, 1), "0000.000", kCLocale));
    }
    return holes;
}

// Straight cuts of 0.5 to 2 mm in any direction anywhere on the board; they hardly ever touch.
std::vector<std::string> shortSegments(std::size_t n, unsigned seed) {
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> x(0, kBoardWidth);
    std::uniform_real_distribution<double> y(0, kBoardHeight);
    std::uniform_real_distribution<double> length(0.5, 2);
    std::uniform_real_distribution<double> angle(0, 2 * std::acos(-1.0));
    std::vector<std::string> paths;
    for (std::size_t k = 0; k < n; ++k) {
        const Point start{x(rng), y(rng)};
        const double l = length(rng);
        const double a = angle(rng);
        const std::vector<Point> segment{start,
                                         {start.x + l * std::cos(a), start.y + l * std::sin(a)}};
        paths.push_back(pairsText(segment, "0000.000", kCLocale));
    }
    return paths;
}

double secondsOf(const auto& run) {
    const auto start = std::chrono::steady_clock::now();
    run();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The "1-Standard" order of `list`, then the pass; the round trips of both and the time of each.
template <typename Order, typename Improve>
void orderThenImprove(benchmark::State& state, const std::vector<std::string>& input, Order order,
                      Improve improve) {
    double orderSeconds = 0;
    double passSeconds = 0;
    RouteChange change;
    for (auto _ : state) {
        std::vector<std::string> list = input;
        test::RecordingHost recording;
        orderSeconds += secondsOf([&] { order(list, "1-Standard", recording.host); });
        passSeconds += secondsOf([&] { change = improve(list); });
        benchmark::DoNotOptimize(list.data());
    }
    const auto runs = static_cast<double>(state.iterations());
    state.counters["ordered_mm"] = change.before;
    state.counters["improved_mm"] = change.after;
    state.counters["shorter_percent"] = 100 * (1 - change.after / change.before);
    state.counters["order_ms"] = 1000 * orderSeconds / runs;
    state.counters["pass_ms"] = 1000 * passSeconds / runs;
    state.counters["pass_per_order"] = passSeconds / orderSeconds;
}

void BM_HolesOrderedThenImproved(benchmark::State& state) {
    orderThenImprove(state, randomHoles(static_cast<std::size_t>(state.range(0)), 21),
                     BOHRUNGEN_OPTIMIEREN, improveDrillRoute);
}

// Milling paths: the order includes its joining of touching paths.
void BM_SegmentsOrderedThenImproved(benchmark::State& state) {
    orderThenImprove(state, shortSegments(static_cast<std::size_t>(state.range(0)), 23),
                     FRAESUNGEN_OPTIMIEREN, improveMillingRoute);
}

// The pass from the drawing's own order ("0-keine") against the pass after "1-Standard" on the
// same holes in one run: an unordered start must not cost the search much more.
void BM_HolesUnorderedAgainstOrdered(benchmark::State& state) {
    const std::vector<std::string> input =
        randomHoles(static_cast<std::size_t>(state.range(0)), 21);
    double unorderedSeconds = 0;
    double orderedSeconds = 0;
    RouteChange unordered;
    RouteChange ordered;
    for (auto _ : state) {
        std::vector<std::string> list = input;
        unorderedSeconds += secondsOf([&] { unordered = improveDrillRoute(list); });
        list = input;
        test::RecordingHost recording;
        BOHRUNGEN_OPTIMIEREN(list, "1-Standard", recording.host);
        orderedSeconds += secondsOf([&] { ordered = improveDrillRoute(list); });
        benchmark::DoNotOptimize(list.data());
    }
    const auto runs = static_cast<double>(state.iterations());
    state.counters["unordered_improved_mm"] = unordered.after;
    state.counters["ordered_improved_mm"] = ordered.after;
    state.counters["unordered_pass_ms"] = 1000 * unorderedSeconds / runs;
    state.counters["ordered_pass_ms"] = 1000 * orderedSeconds / runs;
    state.counters["unordered_per_ordered"] = unorderedSeconds / orderedSeconds;
}

// 1,000 holes on 1,000 x 1,000 mm, every one drawn range(0) times (copies spread over the list):
// the share the pass takes off after each of two levels.
void BM_HolesDrawnSeveralTimes(benchmark::State& state) {
    std::mt19937 rng(20);
    std::uniform_real_distribution<double> place(0, 1000);
    std::vector<std::string> once;
    for (int k = 0; k < 1000; ++k) {
        const Point p{place(rng), place(rng)};
        once.push_back(pairsText(std::span(&p, 1), "0000.000", kCLocale));
    }
    std::vector<std::string> input;
    for (std::int64_t c = 0; c < state.range(0); ++c) {
        input.insert(input.end(), once.begin(), once.end());
    }
    for (auto _ : state) {
        for (const char* level : {"0-keine", "1-Standard"}) {
            std::vector<std::string> list = input;
            test::RecordingHost recording;
            BOHRUNGEN_OPTIMIEREN(list, level, recording.host);
            const RouteChange change = improveDrillRoute(list);
            const std::string name = level[0] == '0' ? "keine" : "standard";
            state.counters[name + "_improved_mm"] = change.after;
            state.counters[name + "_shorter_percent"] = 100 * (1 - change.after / change.before);
        }
    }
}

BENCHMARK(BM_HolesUnorderedAgainstOrdered)->Arg(kFullList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HolesDrawnSeveralTimes)->Arg(1)->Arg(3)->Arg(9)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HolesOrderedThenImproved)
    ->Arg(300)
    ->Arg(5000)
    ->Arg(kFullList)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SegmentsOrderedThenImproved)->Arg(5000)->Arg(kFullList)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zrv

BENCHMARK_MAIN();
