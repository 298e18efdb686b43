// The drawing's reader: the analysis, the store, the drill order and the preview's views.
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_targets.h"
#include "load_job.h"
#include "preview/scene.h"
#include "preview/scene_index.h"
#include "store/entry_text.h"

namespace zrv::fuzz {
namespace {

std::string checkStore(const Analysed& a) {
    const FigureStore& store = a.state.store;
    if (store.PUNKTE.size() >= kListCapacity) {
        return "PUNKTE holds the slot the point scan must leave";
    }
    for (FigureList list : kAllFigureLists) {
        if (figureList(store, list).size() > kListCapacity) {
            return "a list beyond its capacity";
        }
        for (const std::string& entry : figureList(store, list)) {
            if (entry.find_first_not_of(" XYRABV=.-0123456789") != std::string::npos ||
                readPairs(entry).empty()) {
                return "entry outside the store's grammar: " + entry.substr(0, 200);
            }
        }
    }
    if (a.result.outcome == LoadOutcome::AnalysisFailed &&
        (a.result.message.empty() || a.messages.empty() || a.messages.back() != a.result.message)) {
        return "an analysis failure without its message";
    }
    return {};
}

// The drill order is a reordering of the holes as read.
std::string checkDrillOrder(const Analysed& ordered, const Job& job) {
    constexpr std::string_view kNoOrder = "0-keine";
    // Without an order there is nothing to compare, and a second analysis costs as much again.
    if (ordered.result.outcome != LoadOutcome::Loaded ||
        job.choices.prepare.Combo_BOHRUNGEN_OPTIMIEREN == kNoOrder) {
        return {};
    }
    Choices plain = job.choices;
    plain.prepare.Combo_BOHRUNGEN_OPTIMIEREN = kNoOrder;
    const Analysed unordered = analyse(job.drawing, plain, job.locale);
    std::vector<std::string> a = ordered.state.store.PUNKTE;
    std::vector<std::string> b = unordered.state.store.PUNKTE;
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    return a == b ? std::string{} : "the drill order lost or added holes";
}

// Zoomed, panned and culled views of the scene.
std::string checkViews(ProgramState& state, const Job& job) {
    const PreviewScene scene =
        ZEICHNEN_VORSCHAU(state.store, job.choices.view, job.choices.calibration, job.locale);
    const SceneIndex index(scene.primitives);
    const ViewTransform fit = fitWholeBoard(scene.xMax, scene.yMax, 640, 400, scene.yUp);
    ViewTransform view = fit;
    for (double factor : {1e9, 0.5, 3.0, 1e-9}) {
        view = pan(zoomAbout(view, {320, 200}, factor, fit), 17, -5);
        for (std::uint32_t i : index.visible(view.visibleBoard(640, 400), 1)) {
            if (i >= scene.primitives.size()) {
                return "the view picked a primitive that is not there";
            }
        }
    }
    return {};
}

}  // namespace

std::string loadDrawing(Bytes data) {
    const Job job = readJob(data, RoutePass::Off);
    Analysed analysed = analyse(job.drawing, job.choices, job.locale);
    for (std::string fault :
         {checkStore(analysed), checkDrillOrder(analysed, job), checkViews(analysed.state, job)}) {
        if (!fault.empty()) {
            return fault;
        }
    }
    return {};
}

}  // namespace zrv::fuzz
