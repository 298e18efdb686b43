// The route improvement pass against the best round trip found by trying every order (and
// every direction of every path) on small sets, and against what it must keep on larger ones.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "geometry/route_improve.h"

namespace zrv {
namespace {

double straight(Point a, Point b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

// The round trip summed here on its own: from (0, 0) into each stop at the end it is entered,
// out at the other, and home.
double tripOf(const std::vector<PathEnds>& stops, const std::vector<PathVisit>& visits) {
    double length = 0;
    Point at{0, 0};
    for (const PathVisit& v : visits) {
        length += straight(at, v.reversed ? stops[v.path].end : stops[v.path].start);
        at = v.reversed ? stops[v.path].start : stops[v.path].end;
    }
    return length + straight(at, {0, 0});
}

// Every order, and for paths every choice of directions.
double bestTrip(const std::vector<PathEnds>& stops) {
    const bool holesOnly =
        std::all_of(stops.begin(), stops.end(), [](const PathEnds& s) { return s.start == s.end; });
    const unsigned directions = holesOnly ? 1U : 1U << stops.size();
    std::vector<std::size_t> order(stops.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    double best = std::numeric_limits<double>::infinity();
    do {
        for (unsigned turns = 0; turns < directions; ++turns) {
            std::vector<PathVisit> visits;
            for (std::size_t k = 0; k < order.size(); ++k) {
                visits.push_back({order[k], ((turns >> k) & 1U) != 0});
            }
            best = std::min(best, tripOf(stops, visits));
        }
    } while (std::next_permutation(order.begin(), order.end()));
    return best;
}

std::vector<PathEnds> holes(const std::vector<Point>& points) {
    std::vector<PathEnds> stops;
    for (const Point& p : points) {
        stops.push_back({p, p});
    }
    return stops;
}

// Holes on the circle of radius 40 through (0, 0), at the given angles in degrees (180 is the
// zero point itself, so none is there).
std::vector<PathEnds> onCircle(const std::vector<double>& degrees) {
    std::vector<Point> points;
    for (double d : degrees) {
        const double a = d * std::acos(-1.0) / 180;
        points.push_back({40 + 40 * std::cos(a), 40 * std::sin(a)});
    }
    return holes(points);
}

std::vector<PathEnds> randomHoles(unsigned seed, std::size_t n, double size) {
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> place(0, size);
    std::vector<Point> points;
    for (std::size_t k = 0; k < n; ++k) {
        points.push_back({place(rng), place(rng)});
    }
    return holes(points);
}

std::vector<PathEnds> randomSegments(unsigned seed, std::size_t n, double size, double reach) {
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> place(0, size);
    std::uniform_real_distribution<double> step(-reach, reach);
    std::vector<PathEnds> stops;
    for (std::size_t k = 0; k < n; ++k) {
        const Point start{place(rng), place(rng)};
        stops.push_back({start, {start.x + step(rng), start.y + step(rng)}});
    }
    return stops;
}

enum class Expect {
    NotLonger,  // a reordering, never longer than the given order
    Best,       // provably the best: no crossing is left on points in convex position
    Unchanged,  // the given order is already the best one
};

struct RouteCase {
    const char* name;
    std::vector<PathEnds> stops;
    Expect expect;
};

std::vector<RouteCase> routeCases() {
    return {
        {"no stop", {}, Expect::Unchanged},
        {"one hole", holes({{5, 5}}), Expect::Unchanged},
        {"one path, either way as long", {{{1, 2}, {9, 4}}}, Expect::Unchanged},
        {"six holes on a circle, shuffled", onCircle({30, 250, 90, 300, 150, 200}), Expect::Best},
        {"eight holes on a circle, shuffled", onCircle({10, 330, 120, 60, 270, 200, 160, 90}),
         Expect::Best},
        {"eight holes on a circle, already in order",
         onCircle({170, 130, 90, 45, 10, 320, 260, 200}), Expect::Unchanged},
        {"a crossing pair of jumps", holes({{10, 0}, {0, 10}, {10, 10}}), Expect::Best},
        {"eight random holes", randomHoles(1, 8, 100), Expect::NotLonger},
        {"eight other random holes", randomHoles(2, 8, 100), Expect::NotLonger},
        {"seven holes on three places",
         holes({{3, 0}, {0, 3}, {3, 0}, {3, 3}, {0, 3}, {3, 3}, {3, 0}}), Expect::NotLonger},
        {"six random segments", randomSegments(3, 6, 50, 10), Expect::NotLonger},
        {"six long random segments", randomSegments(4, 6, 50, 40), Expect::NotLonger},
        {"five closed paths and segments",
         {{{5, 5}, {5, 5}},
          {{20, 0}, {0, 20}},
          {{1, 1}, {30, 30}},
          {{8, 2}, {8, 2}},
          {{15, 15}, {2, 28}}},
         Expect::NotLonger},
        {"2000 random holes", randomHoles(5, 2000, 300), Expect::NotLonger},
        {"2000 holes on one place and a few more", holes(std::vector<Point>(2000, Point{7, 7})),
         Expect::Unchanged},
        {"1500 random short segments", randomSegments(6, 1500, 200, 2), Expect::NotLonger},
    };
}

bool visitsEveryStopOnce(const std::vector<PathVisit>& visits, std::size_t stops) {
    std::vector<std::size_t> seen;
    for (const PathVisit& v : visits) {
        seen.push_back(v.path);
    }
    std::sort(seen.begin(), seen.end());
    std::vector<std::size_t> all(stops);
    std::iota(all.begin(), all.end(), std::size_t{0});
    return seen == all;
}

constexpr std::size_t kMostTried = 8;
constexpr double kRounding = 1e-9;

TEST(RouteImprove, AgainstTheGivenOrderAndTheBestOrder) {
    for (const RouteCase& c : routeCases()) {
        SCOPED_TRACE(c.name);
        std::vector<PathVisit> given(c.stops.size());
        for (std::size_t k = 0; k < given.size(); ++k) {
            given[k].path = k;
        }
        const std::vector<PathVisit> improved = improveRoute(c.stops);
        ASSERT_TRUE(visitsEveryStopOnce(improved, c.stops.size()));
        const double before = tripOf(c.stops, given);
        const double after = tripOf(c.stops, improved);
        EXPECT_LE(after, before);
        EXPECT_NEAR(roundTripJumps(c.stops, improved), after, kRounding);
        if (c.expect == Expect::Unchanged) {
            for (std::size_t k = 0; k < given.size(); ++k) {
                EXPECT_EQ(improved[k].path, k);
                EXPECT_FALSE(improved[k].reversed);
            }
        }
        if (c.stops.size() > kMostTried) {
            continue;
        }
        const double best = bestTrip(c.stops);
        EXPECT_GE(after, best - kRounding);
        if (c.expect != Expect::NotLonger) {
            EXPECT_NEAR(after, best, kRounding);
        }
        std::printf("%-40s given/best %.4f, improved/best %.4f\n", c.name,
                    best > 0 ? before / best : 1, best > 0 ? after / best : 1);
    }
}

}  // namespace
}  // namespace zrv
