// The index against a scan of every alive member, through whole tours of queries, removals
// and rank changes, on point sets that drive its construction into every branch: repeated
// points, -0 beside 0, long runs of one coordinate, NaN and infinite coordinates.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "geometry/nearest_index.h"

namespace zrv {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// Smallest weighted distance (NaN counts as infinitely far), ties to the highest rank.
std::size_t scanNearest(const std::vector<Point>& points, const std::vector<std::int64_t>& ranks,
                        const std::vector<bool>& alive, Point from, Exponents e) {
    std::size_t best = points.size();
    double bestDistance = kInf;
    for (std::size_t m = 0; m < points.size(); ++m) {
        if (!alive[m]) {
            continue;
        }
        double d = weightedDistance(points[m].x - from.x, points[m].y - from.y, e);
        d = std::isnan(d) ? kInf : d;
        if (best == points.size() || d < bestDistance ||
            (d == bestDistance && ranks[m] > ranks[best])) {
            best = m;
            bestDistance = d;
        }
    }
    return best;
}

std::vector<Point> pointsOf(int kind, std::size_t n, std::mt19937& rng) {
    std::uniform_int_distribution<int> small(-4, 4);
    std::uniform_real_distribution<double> wide(-100, 100);
    std::vector<Point> points;
    for (std::size_t k = 0; k < n; ++k) {
        const auto a = static_cast<double>(small(rng));
        const auto b = static_cast<double>(small(rng));
        switch (kind) {
            case 0:  // a few places, each many times, zero with both signs
                points.push_back({a == 0 && k % 2 == 0 ? -0.0 : a, b});
                break;
            case 1:  // one column: the splits along X find nothing to split
                points.push_back({3, wide(rng)});
                break;
            case 2:  // a coarse grid: long runs of equal coordinates
                points.push_back({a * 2.5, b * 2.5});
                break;
            default:  // spread, with a few points that have no usable coordinate
                points.push_back(k % 17 == 0   ? Point{kNaN, b}
                                 : k % 23 == 0 ? Point{a, kInf}
                                               : Point{wide(rng), wide(rng)});
                break;
        }
    }
    return points;
}

TEST(NearestIndex, WholeToursMatchAScanOfEveryMember) {
    const std::vector<Exponents> levels = {{2, 2}, {2, 4}, {8, 2}, {3, 2}};
    for (unsigned seed = 1; seed <= 12; ++seed) {
        std::mt19937 rng(seed);
        for (int kind = 0; kind < 4; ++kind) {
            const std::size_t n = 1 + rng() % 400;
            const std::vector<Point> points = pointsOf(kind, n, rng);
            std::vector<std::int64_t> ranks(n);
            for (std::size_t m = 0; m < n; ++m) {
                ranks[m] = static_cast<std::int64_t>(rng() % 1000000) * 1000 +
                           static_cast<std::int64_t>(m);
            }
            const Exponents e = levels[seed % levels.size()];
            SCOPED_TRACE("seed " + std::to_string(seed) + ", kind " + std::to_string(kind) + ", " +
                         std::to_string(n) + " points");
            NearestIndex index(points, ranks);
            std::vector<bool> alive(n, true);
            Point from{0, 0};
            std::optional<std::size_t> standing;  // the member `from` is the point of, if any
            std::int64_t nextRank = 2000000000;
            for (std::size_t step = 0; step < n; ++step) {
                const std::size_t expected = scanNearest(points, ranks, alive, from, e);
                const std::size_t found =
                    standing ? index.nearestFrom(*standing, e) : index.nearest(from, e);
                ASSERT_EQ(found, expected) << "step " << step;
                index.remove(found);
                alive[found] = false;
                // The next query starts where the tour stands, now and then at another member
                // (alive or not) or at a point that is none.
                const auto where = rng() % 6;
                standing = where == 0   ? std::nullopt
                           : where == 1 ? std::optional<std::size_t>(rng() % n)
                                        : std::optional<std::size_t>(found);
                from =
                    standing ? points[*standing] : Point{static_cast<double>(rng() % 9) - 4, 0.5};
                const std::size_t other = rng() % n;
                if (alive[other] && rng() % 3 == 0) {
                    ranks[other] = rng() % 2 == 0 ? ++nextRank : -(++nextRank);
                    index.setRank(other, ranks[other]);
                }
            }
        }
    }
}

// The k nearest by straight distance against a sorted scan: never the member itself nor a
// removed one, nearest first.
TEST(NearestIndex, NearestMembersMatchASortedScan) {
    std::mt19937 rng(5);
    for (int kind = 0; kind < 4; ++kind) {
        SCOPED_TRACE("kind " + std::to_string(kind));
        const std::vector<Point> points = pointsOf(kind, 300, rng);
        NearestIndex index(points, std::vector<std::int64_t>(points.size(), 0));
        for (std::size_t m = 0; m < points.size(); m += 3) {
            index.remove(m);
        }
        auto squared = [&points](std::size_t a, std::size_t b) {
            return std::pow(points[a].x - points[b].x, 2) + std::pow(points[a].y - points[b].y, 2);
        };
        for (std::size_t m = 0; m < points.size(); ++m) {
            std::vector<double> expected;
            for (std::size_t o = 0; o < points.size(); ++o) {
                if (o != m && o % 3 != 0 && !std::isnan(squared(m, o))) {
                    expected.push_back(squared(m, o));
                }
            }
            std::sort(expected.begin(), expected.end());
            expected.resize(std::min<std::size_t>(1 + m % 9, expected.size()));
            std::vector<double> found;
            for (std::size_t o : index.nearestMembers(m, 1 + m % 9)) {
                ASSERT_TRUE(o != m && o % 3 != 0);
                found.push_back(squared(m, o));
            }
            ASSERT_EQ(found, expected) << "member " << m;
        }
    }
}

}  // namespace
}  // namespace zrv
