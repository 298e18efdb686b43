// The improvement pass against the best round trip found by trying every order and direction
// on small sets, and against the order it was given.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>
#include <random>
#include <vector>

#include "geometry/route_improve.h"

namespace zrv {
namespace {

// Out from (0, 0), into each stop at the end it is entered, out at the other, and home.
double tripOf(const std::vector<PathEnds>& stops, const std::vector<PathVisit>& visits) {
    double length = 0;
    Point at{0, 0};
    for (const PathVisit& v : visits) {
        const Point in = v.reversed ? stops[v.path].end : stops[v.path].start;
        length += std::hypot(at.x - in.x, at.y - in.y);
        at = v.reversed ? stops[v.path].start : stops[v.path].end;
    }
    return length + std::hypot(at.x, at.y);
}

double bestTrip(const std::vector<PathEnds>& stops, std::vector<PathVisit> visits) {
    double best = tripOf(stops, visits);
    const bool holes = std::ranges::all_of(stops, [](PathEnds s) { return s.start == s.end; });
    auto byPath = [](PathVisit a, PathVisit b) { return a.path < b.path; };
    do {
        for (unsigned turns = 0; turns < (holes ? 1U : 1U << stops.size()); ++turns) {
            for (std::size_t k = 0; k < visits.size(); ++k) {
                visits[k].reversed = ((turns >> k) & 1U) != 0;
            }
            best = std::min(best, tripOf(stops, visits));
        }
    } while (std::next_permutation(visits.begin(), visits.end(), byPath));
    return best;
}

// Holes (length 0) or cuts of up to `length` mm in X and Y, anywhere on 100 x 100 mm.
std::vector<PathEnds> randomStops(unsigned seed, std::size_t n, double length) {
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> place(0, 100);
    std::uniform_real_distribution<double> step(-length, length);
    std::vector<PathEnds> stops(n);
    for (PathEnds& s : stops) {
        s.start = {place(rng), place(rng)};
        s.end = length == 0 ? s.start : Point{s.start.x + step(rng), s.start.y + step(rng)};
    }
    return stops;
}

// Holes on the circle of radius 40 through (0, 0), at angles in degrees.
std::vector<PathEnds> onCircle(const std::vector<double>& degrees) {
    std::vector<PathEnds> stops;
    for (const double a : degrees) {
        const Point p{40 + 40 * std::cos(a * std::numbers::pi / 180),
                      40 * std::sin(a * std::numbers::pi / 180)};
        stops.push_back({p, p});
    }
    return stops;
}

// Best: no crossing is left, which on points in convex position is the best round trip.
// Unchanged: the given order is the best one already.
enum class Expect { NotLonger, Best, Unchanged };

struct RouteCase {
    const char* name;
    std::vector<PathEnds> stops;
    Expect expect;
};

TEST(RouteImprove, AgainstTheGivenAndTheBestOrder) {
    const RouteCase cases[] = {
        {"no stop", {}, Expect::Unchanged},
        {"one path, either way as long", {{{1, 2}, {9, 4}}}, Expect::Unchanged},
        {"eight holes on a circle", onCircle({10, 330, 120, 60, 270, 200, 160, 90}), Expect::Best},
        {"eight holes on a circle in order", onCircle({170, 130, 90, 45, 10, 320, 260, 200}),
         Expect::Unchanged},
        {"seven holes on three places", onCircle({0, 90, 0, 270, 90, 270, 0}), Expect::NotLonger},
        {"eight random holes", randomStops(1, 8, 0), Expect::NotLonger},
        {"six random cuts", randomStops(3, 6, 10), Expect::NotLonger},
        {"six long random cuts", randomStops(4, 6, 40), Expect::NotLonger},
        {"2000 random holes", randomStops(5, 2000, 0), Expect::NotLonger},
        {"2000 holes on one place", std::vector<PathEnds>(2000, {{7, 7}, {7, 7}}),
         Expect::Unchanged},
        {"1500 random short cuts", randomStops(6, 1500, 2), Expect::NotLonger},
    };
    for (const RouteCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<PathVisit> given(c.stops.size());
        for (std::size_t k = 0; k < given.size(); ++k) {
            given[k].path = k;
        }
        const std::vector<PathVisit> improved = improveRoute(c.stops);
        auto same = [](PathVisit a, PathVisit b) { return a.path == b.path; };
        ASSERT_TRUE(std::is_permutation(improved.begin(), improved.end(), given.begin(),
                                        given.end(), same));
        const double after = tripOf(c.stops, improved);
        EXPECT_LE(after, tripOf(c.stops, given));
        EXPECT_NEAR(roundTripJumps(c.stops, improved), after, 1e-9);
        if (c.expect == Expect::Unchanged) {
            EXPECT_TRUE(std::equal(improved.begin(), improved.end(), given.begin(), given.end(),
                                   [](PathVisit a, PathVisit b) {
                                       return a.path == b.path && a.reversed == b.reversed;
                                   }));
        }
        if (c.stops.size() <= 8) {
            const double best = bestTrip(c.stops, given);
            EXPECT_GE(after, best - 1e-9);
            EXPECT_TRUE(c.expect == Expect::NotLonger || after - best < 1e-9);
        }
    }
}

}  // namespace
}  // namespace zrv
