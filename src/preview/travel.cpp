#include "preview/travel.h"

#include <cmath>

namespace zrv {

Point TravelSum::moveTo(Point to) {
    const Point from = last_.value_or(to);
    const double dx = to.x - from.x;
    const double dy = to.y - from.y;
    sum_ += std::sqrt(dx * dx + dy * dy);
    last_ = to;
    return from;
}

double FAHRWEG_BOHRUNGEN(std::span<const std::string> punkte) {
    TravelSum travel;
    for (const std::string& text : punkte) {
        travel.moveTo(readPoint(text));
    }
    return travel.sum();
}

// Every point of a path counts, however many: chained paths may hold thousands, and the
// preview's own buffers do not limit the sum.
double FAHRWEG_FRAESUNGEN(std::span<const std::string> fraesungen) {
    TravelSum travel;
    for (const std::string& text : fraesungen) {
        for (const Point& p : readPairs(text)) {
            travel.moveTo(p);
        }
    }
    return travel.sum();
}

}  // namespace zrv
