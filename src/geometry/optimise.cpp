#include "geometry/optimise.h"

#include <cmath>
#include <optional>
#include <string>
#include <utility>

#include "geometry/chaining.h"
#include "geometry/drill_order.h"
#include "geometry/milling_order.h"
#include "geometry/path_reverse.h"
#include "geometry/route_pass.h"
#include "geometry/weighted_distance.h"

namespace zrv {
namespace {

// Reports the share of holes done as a step whenever the clock has moved on to another whole
// second, so the window's title shows 0% at the start and changes at most once a second.
class TitleProgress {
  public:
    TitleProgress(Host& host, std::size_t total) : host_(host), total_(total) {}

    void step(std::size_t done) {
        const double second = std::floor(host_.clock.secondsSinceMidnight());
        if (shownSecond_ == second) {
            return;
        }
        host_.progress.processEvents();
        const double share = static_cast<double>(done) / static_cast<double>(total_) * 100;
        host_.progress.step(std::to_string(std::llround(share)) + "%");
        host_.progress.processEvents();
        // The second after the event passes: slow passes must not bring the next change closer.
        shownSecond_ = std::floor(host_.clock.secondsSinceMidnight());
    }

  private:
    Host& host_;
    std::size_t total_;
    std::optional<double> shownSecond_;
};

// An empty line and the heading in the status list, one event pass; gives the start time.
double announce(Host& host, std::string_view heading) {
    host.progress.addLine("");
    host.progress.addLine(heading);
    host.progress.processEvents();
    return host.clock.secondsSinceMidnight();
}

// Every text parsed once, so the optimisers never read a text twice.
template <typename Read>
auto readEach(const std::vector<std::string>& texts, Read read) {
    std::vector<decltype(read(std::string_view{}))> values;
    values.reserve(texts.size());
    for (const std::string& text : texts) {
        values.push_back(read(text));
    }
    return values;
}

template <typename T>
std::vector<T> takeInOrder(std::vector<T>& from, const std::vector<std::size_t>& order) {
    std::vector<T> to;
    to.reserve(order.size());
    for (std::size_t k : order) {
        to.push_back(std::move(from[k]));
    }
    return to;
}

}  // namespace

void GRAFIC_OPTIMIEREN(FigureStore& store, const PrepareChoices& choices, Host& host) {
    BOHRUNGEN_OPTIMIEREN(store.PUNKTE, choices.Combo_BOHRUNGEN_OPTIMIEREN, host);
    if (choices.Check_BOHRUNGEN_WEG_VERBESSERN != 0 && !store.PUNKTE.empty()) {
        host.progress.addLine(routeChangeLine(improveDrillRoute(store.PUNKTE), host.locale));
    }
    FRAESUNGEN_OPTIMIEREN(store.FRAESUNGEN, choices.Combo_FRAESUNGEN_OPTIMIEREN, host);
    if (choices.Check_FRAESUNGEN_WEG_VERBESSERN != 0 && !store.FRAESUNGEN.empty()) {
        host.progress.addLine(routeChangeLine(improveMillingRoute(store.FRAESUNGEN), host.locale));
    }
}

void BOHRUNGEN_OPTIMIEREN(std::vector<std::string>& punkte, std::string_view levelText,
                          Host& host) {
    host.progress.drillTravelUnknown();
    if (punkte.empty()) {
        return;
    }
    const std::optional<Exponents> exponents = levelExponents(levelText);
    if (!exponents) {
        return;
    }
    const double start = announce(host, "Bohrungen (Punkte) optimieren...");
    const std::vector<Point> holes = readEach(punkte, readPoint);
    TitleProgress title(host, punkte.size());
    const std::vector<std::size_t> order =
        drillOrder(holes, *exponents, [&title](std::size_t i) { title.step(i); });
    // Events ran in between; a list replaced meanwhile is left as it now stands.
    if (punkte.size() == order.size()) {
        punkte = takeInOrder(punkte, order);
    }

    host.progress.addLine(elapsedLine(host, start));
    host.progress.processEvents();
}

void FRAESUNGEN_OPTIMIEREN(std::vector<std::string>& fraesungen, std::string_view levelText,
                           Host& host) {
    const std::optional<Exponents> exponents = levelExponents(levelText);
    if (!exponents || fraesungen.empty()) {
        return;
    }
    const double start = announce(host, "Fräsungen optimieren...");
    const std::vector<PathEnds> ends = readEach(fraesungen, pathEnds);
    std::vector<std::string> ordered;
    std::vector<PathEnds> orderedEnds;
    ordered.reserve(fraesungen.size());
    orderedEnds.reserve(fraesungen.size());
    for (const PathVisit& visit : millingOrder(ends, *exponents)) {
        if (visit.reversed) {
            ReversedPath reversed = reversePath(fraesungen[visit.path]);
            const PathEnds& old = ends[visit.path];
            orderedEnds.push_back(reversed.keptNumbers ? PathEnds{old.end, old.start}
                                                       : pathEnds(reversed.text));
            ordered.push_back(std::move(reversed.text));
        } else {
            ordered.push_back(std::move(fraesungen[visit.path]));
            orderedEnds.push_back(ends[visit.path]);
        }
    }
    ChainResult chained = chainTouching(std::move(ordered), orderedEnds);
    fraesungen = std::move(chained.paths);

    if (chained.joins > 0) {
        host.progress.addLine("erfolgreich verkettet: " + std::to_string(chained.joins));
    }
    host.progress.addLine(elapsedLine(host, start));
}

}  // namespace zrv
