// Painting frames of the full board with the window's preview widget, offscreen into an image,
// against building the shapes once (the scene and its index, as a load or choice does). All
// three are timed in the same iterations, so the counters are ratios of one run. A frame zoomed to
// a tenth of the board's width should cost at most a tenth of the build.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QWheelEvent>
#include <cmath>
#include <ctime>
#include <vector>

#include "../full_board.h"
#include "preview/raster.h"
#include "preview/scene.h"
#include "preview/scene_index.h"
#include "ui/widgets/preview_widget.h"

namespace {

// The thread's own processor time: on a shared machine the wall clock also counts the time other
// programs had the processor, which shifts the ratios from run to run.
struct Clock {
    static double now() {
        timespec time{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &time);
        return 1e3 * static_cast<double>(time.tv_sec) + 1e-6 * static_cast<double>(time.tv_nsec);
    }
};

double millisecondsSince(double start) {
    return Clock::now() - start;
}

zrv::FigureStore fullStore() {
    zrv::FigureStore store;
    store.PUNKTE = bench::fullBoard().punkte;
    store.FRAESUNGEN = bench::fullBoard().fraesungen;
    store.extents = {0, 200 * 1.27, 0, 151 * 1.27};
    return store;
}

// The wheel turned ten times in: the zoom stops at kMostPixelsPerMillimetre, which at this size
// shows a fifth of the board's width, twice what a true tenth would paint.
void zoomToATenth(zrv::PreviewWidget& picture) {
    const QPointF at(picture.width() / 2.0, picture.height() / 2.0);
    const int delta = static_cast<int>(std::lround(120 * std::log(10.0) / std::log(1.2)));
    QWheelEvent event(at, at, {}, {0, delta}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                      false);
    QApplication::sendEvent(&picture, &event);
}

void BM_FramesAgainstBuild(benchmark::State& state) {
    zrv::FigureStore store = fullStore();
    zrv::ViewChoices view;
    view.Check_VIEW_RASTER = 1;
    view.Check_NULL_PUNKT = 1;
    zrv::PreviewWidget whole(nullptr);
    zrv::PreviewWidget zoomed(nullptr);
    whole.resize(1000, 700);
    zoomed.resize(1000, 700);
    QImage image(1000, 700, QImage::Format_RGB32);
    double build = 0;
    double wholeFrame = 0;
    double tenthFrame = 0;
    double rasterFrame = 0;  // the picture writer's own rasteriser, same board and size
    std::size_t primitives = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        zrv::PreviewScene scene = zrv::ZEICHNEN_VORSCHAU(store, view, {}, zrv::kGermanLocale);
        const zrv::SceneIndex index(scene.primitives);
        build += millisecondsSince(start);
        primitives = scene.primitives.size();
        start = Clock::now();
        benchmark::DoNotOptimize(
            zrv::rasterise(scene, zrv::fitWholeBoard(scene.xMax, scene.yMax, 1000, 700, false),
                           1000, 700)
                .pixels.data());
        rasterFrame += millisecondsSince(start);
        whole.showScene(scene);
        zoomed.showScene(std::move(scene));
        zoomToATenth(zoomed);

        start = Clock::now();
        whole.render(&image);
        wholeFrame += millisecondsSince(start);
        start = Clock::now();
        zoomed.render(&image);
        tenthFrame += millisecondsSince(start);
        benchmark::DoNotOptimize(image.bits());
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["primitives"] = static_cast<double>(primitives);
    state.counters["build_ms"] = build / n;
    state.counters["whole_frame_ms"] = wholeFrame / n;
    state.counters["tenth_frame_ms"] = tenthFrame / n;
    state.counters["whole_frame_per_build"] = wholeFrame / build;
    state.counters["tenth_frame_per_whole"] = tenthFrame / wholeFrame;
    state.counters["tenth_frame_per_build"] = tenthFrame / build;
    state.counters["raster_frame_per_build"] = rasterFrame / build;
}
BENCHMARK(BM_FramesAgainstBuild)->Unit(benchmark::kMillisecond)->Iterations(5);

// A running job's repaint late in a 450,000-line program, a few lines further each tick, against
// a repaint of the same picture without a job: the done way must not be stroked anew each time.
void BM_JobOverlayTick(benchmark::State& state) {
    zrv::FigureStore store = fullStore();
    zrv::PreviewWidget picture(nullptr);
    picture.resize(1000, 700);
    picture.showScene(zrv::ZEICHNEN_VORSCHAU(store, {}, {}, zrv::kGermanLocale));
    QImage image(1000, 700, QImage::Format_RGB32);
    picture.render(&image);
    double plain = 0;
    for (int k = 0; k < 20; ++k) {
        const double start = Clock::now();
        picture.render(&image);
        plain += millisecondsSince(start);
    }
    // Rows across the board, a point a line, every line moving.
    std::vector<zrv::Point> way;
    for (std::size_t k = 0; k < 450000; ++k) {
        way.push_back({static_cast<double>(k % 1000) * 0.25, static_cast<double>(k / 1000) * 0.4});
    }
    picture.showMachinePath(way);
    std::size_t done = 400000;
    picture.showMachine(done, way[done - 1]);
    picture.render(&image);
    double tick = 0;
    for (auto _ : state) {
        done += 50;
        picture.showMachine(done, way[done - 1]);
        const double start = Clock::now();
        picture.render(&image);
        tick += millisecondsSince(start);
        benchmark::DoNotOptimize(image.bits());
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["tick_ms"] = tick / n;
    state.counters["tick_per_plain_frame"] = (tick / n) / (plain / 20);
}
BENCHMARK(BM_JobOverlayTick)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
