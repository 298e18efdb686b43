// The pass on the store's texts: worked round trips, the status line, and what a reordering of
// texts must keep (every text byte for byte, or as PFAD_UMKEHREN writes it, with its points).

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "geometry/optimise.h"
#include "geometry/pair_text.h"
#include "geometry/route_pass.h"
#include "reader/entry_text.h"

namespace zrv {
namespace {

struct TripCase {
    const char* name;
    std::vector<std::string> texts;
    double drill;    // the texts as holes
    double milling;  // the texts as paths
};

TEST(RoutePass, RoundTripsOfWorkedExamples) {
    const std::vector<TripCase> cases = {
        {"nothing", {}, 0, 0},
        {"three holes: 14.142 out, 10, 20, 36.056 home",
         {" X=0010.000 Y=0010.000", " X=0020.000 Y=0010.000", " X=0020.000 Y=0030.000"},
         80.19764837,
         80.19764837},
        {"two paths: 10 along, 5 across, 10 along, home from (10, 15); as holes their starts",
         {" X=00.000 Y=00.000 X=10.000 Y=00.000", " X=10.000 Y=05.000 X=10.000 Y=15.000"},
         2 * std::hypot(10, 5),
         25 + std::hypot(10, 15)},
    };
    for (const TripCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_NEAR(drillRoundTrip(c.texts), c.drill, 1e-6);
        EXPECT_NEAR(millingRoundTrip(c.texts), c.milling, 1e-6);
    }
}

TEST(RoutePass, StatusLineInWholeGroupedMillimetres) {
    EXPECT_EQ(routeChangeLine({1384.4, 1189.6}, kGermanLocale),
              "Weg verbessert: 1.384 mm → 1.190 mm");
    EXPECT_EQ(routeChangeLine({12345.5, 999.49}, kCLocale), "Weg verbessert: 12,346 mm → 999 mm");
}

std::vector<std::string> sorted(std::vector<std::string> texts) {
    std::sort(texts.begin(), texts.end());
    return texts;
}

// Random paths of two to five points, some in the store's shape, some in other shapes that
// PFAD_UMKEHREN rewrites through their values.
std::vector<std::string> randomPaths(unsigned seed, std::size_t n) {
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> place(0, 120);
    std::uniform_int_distribution<int> points(2, 5);
    std::vector<std::string> paths;
    for (std::size_t k = 0; k < n; ++k) {
        std::vector<Point> pairs;
        const int count = points(rng);
        for (int j = 0; j < count; ++j) {
            pairs.push_back({place(rng), place(rng)});
        }
        paths.push_back(pairsText(pairs, k % 3 == 0 ? "0.0" : "0000.000", kCLocale));
    }
    return paths;
}

TEST(RoutePass, MillingTextsKeptOrTurnedWithEveryPoint) {
    for (unsigned seed = 1; seed <= 4; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        const std::vector<std::string> given = randomPaths(seed, 60 * seed);
        std::vector<std::string> paths = given;
        const RouteChange change = improveMillingRoute(paths);
        EXPECT_NEAR(change.before, millingRoundTrip(given), 1e-9);
        EXPECT_NEAR(change.after, millingRoundTrip(paths), 1e-9);
        EXPECT_LT(change.after, change.before);
        ASSERT_EQ(paths.size(), given.size());
        // Each text back as it was, or turned round: the pairs in reverse order.
        std::vector<std::string> asGiven;
        std::size_t turned = 0;
        for (const std::string& text : paths) {
            const auto same = std::find(given.begin(), given.end(), text);
            if (same != given.end()) {
                asGiven.push_back(text);
                continue;
            }
            const auto original = std::find_if(given.begin(), given.end(), [&](const auto& g) {
                return PFAD_UMKEHREN(g) == text;
            });
            ASSERT_NE(original, given.end()) << text;
            std::vector<Point> pairs = readPairs(*original);
            std::reverse(pairs.begin(), pairs.end());
            EXPECT_EQ(readPairs(text), pairs);
            asGiven.push_back(*original);
            ++turned;
        }
        EXPECT_EQ(sorted(asGiven), sorted(given));
        EXPECT_GT(turned, 0U);
    }
}

TEST(RoutePass, HoleTextsKeptByteForByte) {
    std::vector<std::string> given;
    std::mt19937 rng(9);
    std::uniform_real_distribution<double> place(0, 100);
    for (std::size_t k = 0; k < 300; ++k) {
        const Point p{place(rng), place(rng)};
        given.push_back(pairsText(std::span(&p, 1), "0000.000", kCLocale) +
                        (k % 7 == 0 ? "x" : ""));
    }
    std::vector<std::string> holes = given;
    const RouteChange change = improveDrillRoute(holes);
    EXPECT_LT(change.after, change.before);
    EXPECT_NEAR(change.after, drillRoundTrip(holes), 1e-9);
    EXPECT_NE(holes, given);
    EXPECT_EQ(sorted(holes), sorted(given));
}

}  // namespace
}  // namespace zrv
