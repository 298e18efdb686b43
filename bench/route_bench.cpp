// The route improvement pass against the "1-Standard" orders it starts from: how much shorter
// the round trip gets, and what the pass costs beside the order itself, in one run each.

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

void reportShortening(benchmark::State& state, double ordered, double improved) {
    state.counters["ordered_mm"] = ordered;
    state.counters["improved_mm"] = improved;
    state.counters["shorter_percent"] = 100 * (1 - improved / ordered);
}

// Holes: the "1-Standard" order, then the pass; the round trips of both and the time of each.
void BM_HolesOrderedThenImproved(benchmark::State& state) {
    const std::vector<std::string> holes =
        randomHoles(static_cast<std::size_t>(state.range(0)), 21);
    double orderSeconds = 0;
    double passSeconds = 0;
    RouteChange change;
    for (auto _ : state) {
        std::vector<std::string> list = holes;
        test::RecordingHost recording;
        orderSeconds +=
            secondsOf([&] { BOHRUNGEN_OPTIMIEREN(list, "1-Standard", recording.host); });
        passSeconds += secondsOf([&] { change = improveDrillRoute(list); });
        benchmark::DoNotOptimize(list.data());
    }
    const auto runs = static_cast<double>(state.iterations());
    reportShortening(state, change.before, change.after);
    state.counters["order_ms"] = 1000 * orderSeconds / runs;
    state.counters["pass_ms"] = 1000 * passSeconds / runs;
    state.counters["pass_per_order"] = passSeconds / orderSeconds;
}

// Milling paths: the "1-Standard" order with its joining, then the pass.
void BM_SegmentsOrderedThenImproved(benchmark::State& state) {
    const std::vector<std::string> paths =
        shortSegments(static_cast<std::size_t>(state.range(0)), 23);
    double orderSeconds = 0;
    double passSeconds = 0;
    RouteChange change;
    for (auto _ : state) {
        std::vector<std::string> list = paths;
        test::RecordingHost recording;
        orderSeconds +=
            secondsOf([&] { FRAESUNGEN_OPTIMIEREN(list, "1-Standard", recording.host); });
        passSeconds += secondsOf([&] { change = improveMillingRoute(list); });
        benchmark::DoNotOptimize(list.data());
    }
    const auto runs = static_cast<double>(state.iterations());
    reportShortening(state, change.before, change.after);
    state.counters["order_ms"] = 1000 * orderSeconds / runs;
    state.counters["pass_ms"] = 1000 * passSeconds / runs;
    state.counters["pass_per_order"] = passSeconds / orderSeconds;
}

BENCHMARK(BM_HolesOrderedThenImproved)
    ->Arg(300)
    ->Arg(5000)
    ->Arg(kFullList)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SegmentsOrderedThenImproved)->Arg(5000)->Arg(kFullList)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zrv

BENCHMARK_MAIN();
