#include "geometry/route_pass.h"

#include <cmath>
#include <utility>

#include "geometry/milling_order.h"
#include "geometry/optimise.h"
#include "geometry/route_improve.h"
#include "store/entry_text.h"
#include "text/number_format.h"

namespace zrv {
namespace {

class RoundTrip {
  public:
    void moveTo(Point to) {
        const double dx = to.x - at_.x;
        const double dy = to.y - at_.y;
        length_ += std::sqrt(dx * dx + dy * dy);
        at_ = to;
    }
    double home() {
        moveTo({0, 0});
        return length_;
    }

  private:
    Point at_{0, 0};
    double length_ = 0;
};

void keepShorter(std::vector<std::string>& list, std::vector<std::string>&& improved,
                 RouteChange& change) {
    if (change.after < change.before) {
        list = std::move(improved);
    } else {
        change.after = change.before;
    }
}

}  // namespace

double drillRoundTrip(std::span<const std::string> punkte) {
    RoundTrip trip;
    for (const std::string& text : punkte) {
        trip.moveTo(readPoint(text));
    }
    return trip.home();
}

double millingRoundTrip(std::span<const std::string> fraesungen) {
    RoundTrip trip;
    for (const std::string& text : fraesungen) {
        for (const Point& p : readPairs(text)) {
            trip.moveTo(p);
        }
    }
    return trip.home();
}

std::string routeChangeLine(RouteChange change, NumberLocale locale) {
    return "Weg verbessert: " + formatPattern(change.before, "#,##0", locale) + " mm → " +
           formatPattern(change.after, "#,##0", locale) + " mm";
}

RouteChange improveDrillRoute(std::vector<std::string>& punkte) {
    std::vector<PathEnds> holes;
    holes.reserve(punkte.size());
    for (const std::string& text : punkte) {
        const Point p = readPoint(text);
        holes.push_back({p, p});
    }
    RouteChange change{drillRoundTrip(punkte), 0};
    std::vector<std::string> improved;
    improved.reserve(punkte.size());
    for (const PathVisit& visit : improveRoute(holes)) {
        improved.push_back(punkte[visit.path]);
    }
    change.after = drillRoundTrip(improved);
    keepShorter(punkte, std::move(improved), change);
    return change;
}

// A path turned round is written anew and its numbers may round; the trip as the texts give
// it decides whether the new order is kept.
RouteChange improveMillingRoute(std::vector<std::string>& fraesungen) {
    std::vector<PathEnds> paths;
    paths.reserve(fraesungen.size());
    for (const std::string& text : fraesungen) {
        paths.push_back(pathEnds(text));
    }
    RouteChange change{millingRoundTrip(fraesungen), 0};
    std::vector<std::string> improved;
    improved.reserve(fraesungen.size());
    for (const PathVisit& visit : improveRoute(paths)) {
        const std::string& text = fraesungen[visit.path];
        improved.push_back(visit.reversed ? PFAD_UMKEHREN(text) : text);
    }
    change.after = millingRoundTrip(improved);
    keepShorter(fraesungen, std::move(improved), change);
    return change;
}

}  // namespace zrv
