// One drawing pass of the preview on a full store: the scene with everything shown, the scene
// with nothing shown (only the travel sums), and the two travel sums alone.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "preview/scene.h"
#include "preview/travel.h"
#include "store/pair_text.h"

namespace {

// Every list at its capacity: single holes and milling paths of eight pairs.
zrv::FigureStore fullStore() {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> value(0, 200);
    const auto pairs = [&](std::size_t count) {
        std::vector<zrv::Point> points(count);
        for (zrv::Point& p : points) {
            p = {value(random), value(random)};
        }
        return zrv::pairsText(points, "0000.000", zrv::kCLocale);
    };
    zrv::FigureStore store;
    for (std::size_t i = 0; i < zrv::kListCapacity; ++i) {
        store.PUNKTE.push_back(pairs(1));
        store.FRAESUNGEN.push_back(pairs(8));
    }
    store.extents = {0, 200, 0, 200};
    return store;
}

zrv::ViewChoices everythingShown() {
    zrv::ViewChoices view;
    view.Check_VIEW_RASTER = 1;
    view.Check_VIEW_LINEAL = 1;
    view.Check_BEREICH = 1;
    view.Check_NULL_PUNKT = 1;
    return view;
}

zrv::ViewChoices nothingShown() {
    zrv::ViewChoices view;
    view.Check_VIEW_BOHRUNGEN = 0;
    view.Check_WEG_BOHRUNGEN = 0;
    view.Check_VIEW_FRAESUNGEN = 0;
    view.Check_WEG_FRAESUNGEN = 0;
    return view;
}

void runScene(benchmark::State& state, const zrv::ViewChoices& view) {
    zrv::FigureStore store = fullStore();
    std::size_t primitives = 0;
    for (auto _ : state) {
        const zrv::PreviewScene scene = zrv::ZEICHNEN_VORSCHAU(store, view, {}, zrv::kGermanLocale);
        primitives = scene.primitives.size();
        benchmark::DoNotOptimize(primitives);
    }
    state.counters["primitives"] = static_cast<double>(primitives);
}

void BM_SceneEverythingShown(benchmark::State& state) {
    runScene(state, everythingShown());
}
BENCHMARK(BM_SceneEverythingShown)->Unit(benchmark::kMillisecond);

void BM_SceneNothingShown(benchmark::State& state) {
    runScene(state, nothingShown());
}
BENCHMARK(BM_SceneNothingShown)->Unit(benchmark::kMillisecond);

void BM_TravelSumsAlone(benchmark::State& state) {
    const zrv::FigureStore store = fullStore();
    for (auto _ : state) {
        benchmark::DoNotOptimize(zrv::FAHRWEG_BOHRUNGEN(store.PUNKTE));
        benchmark::DoNotOptimize(zrv::FAHRWEG_FRAESUNGEN(store.FRAESUNGEN));
    }
}
BENCHMARK(BM_TravelSumsAlone)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
