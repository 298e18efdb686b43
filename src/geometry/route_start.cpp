#include "geometry/route_start.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numeric>
#include <utility>

#include "geometry/route_improve.h"

namespace zrv {
namespace {

bool samePlace(Point a, Point b) {
    return a.x == b.x && a.y == b.y;
}

bool mergeable(const PathEnds& stop) {
    return samePlace(stop.start, stop.end) && std::isfinite(stop.start.x) &&
           std::isfinite(stop.start.y);
}

// A square grid of 2^16 cells on a side over the box of the places.
constexpr std::uint32_t kSide = 1U << 16;

// The place of a cell along the Hilbert curve.
std::uint64_t curveIndex(std::uint32_t x, std::uint32_t y) {
    std::uint64_t index = 0;
    for (std::uint32_t s = kSide / 2; s > 0; s /= 2) {
        const std::uint32_t rx = (x & s) != 0 ? 1 : 0;
        const std::uint32_t ry = (y & s) != 0 ? 1 : 0;
        index += std::uint64_t{s} * s * ((3 * rx) ^ ry);
        if (ry == 0) {
            if (rx == 1) {
                x = kSide - 1 - x;
                y = kSide - 1 - y;
            }
            std::swap(x, y);
        }
    }
    return index;
}

struct Range {
    double low = 0;
    double high = 0;
};

// The cell of a coordinate; halved first so that the widest range of doubles cannot overflow.
std::uint32_t cellOf(double value, Range range) {
    const double share = (value / 2 - range.low / 2) / (range.high / 2 - range.low / 2);
    if (!(share > 0)) {
        return 0;
    }
    return static_cast<std::uint32_t>(std::min(share, 1.0) * (kSide - 1));
}

Range rangeOf(std::span<const PathEnds> stops, double Point::*axis) {
    constexpr double kFar = std::numeric_limits<double>::infinity();
    Range range{kFar, -kFar};
    for (const PathEnds& stop : stops) {
        for (const Point& p : {stop.start, stop.end}) {
            if (std::isfinite(p.*axis)) {
                range.low = std::min(range.low, p.*axis);
                range.high = std::max(range.high, p.*axis);
            }
        }
    }
    return range;
}

std::vector<PathVisit> alongCurve(std::span<const PathEnds> stops) {
    const Range xs = rangeOf(stops, &Point::x);
    const Range ys = rangeOf(stops, &Point::y);
    std::vector<std::pair<std::uint64_t, std::size_t>> keyed;
    keyed.reserve(stops.size());
    for (std::size_t s = 0; s < stops.size(); ++s) {
        const Point p = stops[s].start;
        keyed.emplace_back(curveIndex(cellOf(p.x, xs), cellOf(p.y, ys)), s);
    }
    std::sort(keyed.begin(), keyed.end());
    // Each path is entered at the end nearer to where the one before it was left.
    std::vector<PathVisit> visits;
    visits.reserve(stops.size());
    Point at{0, 0};
    for (const auto& [index, s] : keyed) {
        const PathEnds& stop = stops[s];
        const bool reversed = std::hypot(stop.end.x - at.x, stop.end.y - at.y) <
                              std::hypot(stop.start.x - at.x, stop.start.y - at.y);
        visits.push_back({s, reversed});
        at = reversed ? stop.start : stop.end;
    }
    return visits;
}

}  // namespace

MergedStops mergeEqualPlaces(std::span<const PathEnds> stops) {
    std::vector<std::size_t> sorted(stops.size());
    std::iota(sorted.begin(), sorted.end(), std::size_t{0});
    // Only finite places are sorted by place; the rest stay apart, each its own stop.
    auto key = [&stops](std::size_t s) { return std::pair(stops[s].start.x, stops[s].start.y); };
    std::stable_sort(sorted.begin(), sorted.end(), [&](std::size_t a, std::size_t b) {
        const bool ma = mergeable(stops[a]);
        const bool mb = mergeable(stops[b]);
        return ma != mb ? ma : (ma && key(a) < key(b));
    });
    std::vector<std::size_t> firstOf(stops.size());
    for (std::size_t k = 0; k < sorted.size(); ++k) {
        const std::size_t s = sorted[k];
        const bool copy = k > 0 && mergeable(stops[s]) && mergeable(stops[sorted[k - 1]]) &&
                          samePlace(stops[s].start, stops[sorted[k - 1]].start);
        firstOf[s] = copy ? firstOf[sorted[k - 1]] : s;
    }
    MergedStops merged;
    std::vector<std::size_t> mergedOf(stops.size());
    for (std::size_t s = 0; s < stops.size(); ++s) {
        if (firstOf[s] == s) {
            mergedOf[s] = merged.stops.size();
            merged.stops.push_back(stops[s]);
            merged.copies.emplace_back();
        }
        merged.copies[mergedOf[firstOf[s]]].push_back(s);
    }
    return merged;
}

std::vector<PathVisit> expandVisits(const MergedStops& merged, std::span<const PathVisit> visits) {
    std::vector<PathVisit> expanded;
    for (const PathVisit& visit : visits) {
        // Turning a closed path gains nothing and would change the direction it is cut in.
        const PathEnds& stop = merged.stops[visit.path];
        const bool reversed = visit.reversed && !samePlace(stop.start, stop.end);
        for (std::size_t s : merged.copies[visit.path]) {
            expanded.push_back({s, reversed});
        }
    }
    return expanded;
}

std::vector<PathVisit> startOrder(std::span<const PathEnds> stops) {
    std::vector<PathVisit> given(stops.size());
    for (std::size_t s = 0; s < stops.size(); ++s) {
        given[s].path = s;
    }
    std::vector<PathVisit> curve = alongCurve(stops);
    if (roundTripJumps(stops, curve) < roundTripJumps(stops, given)) {
        return curve;
    }
    return given;
}

}  // namespace zrv
