// Reading the pairs of store entries: the scanner of the reader against the straightforward
// reading with leadingNumber on the rest of the text.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "store/entry_text.h"
#include "text/number_format.h"
#include "text/number_scan.h"

namespace {

// Milling paths of 22 pairs, as a full circle gives them.
std::vector<std::string> entries() {
    std::mt19937 random(3);
    std::uniform_real_distribution<double> value(-300, 300);
    std::vector<std::string> list(1000);
    for (std::string& entry : list) {
        for (int pair = 0; pair < 22; ++pair) {
            entry += " X=" + zrv::formatPattern(value(random), "0.000", zrv::kCLocale);
            entry += " Y=" + zrv::formatPattern(value(random), "0.000", zrv::kCLocale);
        }
    }
    return list;
}

std::vector<zrv::Point> straightforwardPairs(std::string_view entry) {
    std::vector<zrv::Point> pairs;
    for (std::size_t x = entry.find('X'); x != std::string_view::npos;) {
        const std::size_t y = entry.find('Y', x + 1);
        const std::string rest(entry.substr(std::min(x + 2, entry.size())));
        const double px = zrv::leadingNumber(rest);
        if (y == std::string_view::npos) {
            pairs.push_back({px, 0});
            break;
        }
        pairs.push_back({px, zrv::leadingNumber(std::string(entry.substr(y + 2)))});
        x = entry.find('X', y + 1);
    }
    return pairs;
}

void BM_ReadPairs(benchmark::State& state) {
    const std::vector<std::string> list = entries();
    for (auto _ : state) {
        for (const std::string& entry : list) {
            benchmark::DoNotOptimize(zrv::readPairs(entry).data());
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(list.size()) * 22);
}
BENCHMARK(BM_ReadPairs);

void BM_StraightforwardPairs(benchmark::State& state) {
    const std::vector<std::string> list = entries();
    for (auto _ : state) {
        for (const std::string& entry : list) {
            benchmark::DoNotOptimize(straightforwardPairs(entry).data());
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(list.size()) * 22);
}
BENCHMARK(BM_StraightforwardPairs);

}  // namespace

BENCHMARK_MAIN();
