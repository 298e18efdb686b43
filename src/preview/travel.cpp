#include "preview/travel.h"

#include <cmath>
#include <optional>
#include <vector>

#include "reader/entry_text.h"

namespace zrv {
namespace {

double straight(Point from, Point to) {
    const double dx = to.x - from.x;
    const double dy = to.y - from.y;
    return std::sqrt(dx * dx + dy * dy);
}

}  // namespace

double FAHRWEG_BOHRUNGEN(std::span<const std::string> punkte) {
    double sum = 0;
    std::optional<Point> previous;
    for (const std::string& text : punkte) {
        const Point hole = readPoint(text);
        sum += straight(previous.value_or(hole), hole);
        previous = hole;
    }
    return sum;
}

// Every point of a path counts, however many: chained paths may hold thousands, and the
// preview's own buffers do not limit the sum.
double FAHRWEG_FRAESUNGEN(std::span<const std::string> fraesungen) {
    double sum = 0;
    std::optional<Point> previous;
    for (const std::string& text : fraesungen) {
        for (const Point& p : readPairs(text)) {
            sum += straight(previous.value_or(p), p);
            previous = p;
        }
    }
    return sum;
}

}  // namespace zrv
