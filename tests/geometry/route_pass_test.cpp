// The pass on the store's texts: worked round trips, the status line, and texts kept byte for
// byte or turned as PFAD_UMKEHREN writes them, with every point.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "geometry/optimise.h"
#include "geometry/route_pass.h"
#include "store/entry_text.h"
#include "store/pair_text.h"

namespace zrv {
namespace {

TEST(RoutePass, WorkedRoundTripsAndTheStatusLine) {
    const std::vector<std::string> holes = {" X=0010.000 Y=0010.000", " X=0020.000 Y=0010.000",
                                            " X=0020.000 Y=0030.000"};
    EXPECT_NEAR(drillRoundTrip(holes), 14.142136 + 10 + 20 + 36.055513, 1e-6);
    const std::vector<std::string> paths = {" X=00.000 Y=00.000 X=10.000 Y=00.000",
                                            " X=10.000 Y=05.000 X=10.000 Y=15.000"};
    EXPECT_NEAR(millingRoundTrip(paths), 10 + 5 + 10 + 18.027756, 1e-6);
    EXPECT_EQ(routeChangeLine({1384.4, 1189.6}, kGermanLocale),
              "Weg verbessert: 1.384 mm → 1.190 mm");
    EXPECT_EQ(routeChangeLine({12345.5, 999.49}, kCLocale), "Weg verbessert: 12,346 mm → 999 mm");
}

// Random texts of one to five pairs; every third one not in the store's shape, so turning it
// goes through the values.
std::vector<std::string> randomTexts(unsigned seed, std::size_t n, unsigned mostPairs) {
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> place(0, 120);
    std::vector<std::string> texts;
    for (std::size_t k = 0; k < n; ++k) {
        std::vector<Point> pairs(1 + rng() % mostPairs);
        for (Point& p : pairs) {
            p = {place(rng), place(rng)};
        }
        texts.push_back(pairsText(pairs, k % 3 == 0 ? "0.0" : "0000.000", kCLocale) +
                        (mostPairs == 1 && k % 7 == 0 ? " ?" : ""));
    }
    return texts;
}

TEST(RoutePass, TextsKeptOrTurnedWithEveryPoint) {
    for (const unsigned mostPairs : {1U, 5U}) {
        SCOPED_TRACE(mostPairs == 1 ? "holes" : "paths");
        const std::vector<std::string> given = randomTexts(mostPairs, 300, mostPairs);
        std::vector<std::string> texts = given;
        const RouteChange change =
            mostPairs == 1 ? improveDrillRoute(texts) : improveMillingRoute(texts);
        EXPECT_LT(change.after, change.before * 0.9);
        EXPECT_NEAR(change.after, mostPairs == 1 ? drillRoundTrip(texts) : millingRoundTrip(texts),
                    1e-9);
        std::vector<std::string> unturned;
        for (const std::string& text : texts) {
            const bool kept = std::find(given.begin(), given.end(), text) != given.end();
            const auto turned = std::find_if(given.begin(), given.end(), [&](const auto& g) {
                return PFAD_UMKEHREN(g) == text;
            });
            ASSERT_TRUE(kept || (mostPairs > 1 && turned != given.end())) << text;
            if (!kept) {
                std::vector<Point> points = readPairs(*turned);
                std::reverse(points.begin(), points.end());
                EXPECT_EQ(readPairs(text), points);
            }
            unturned.push_back(kept ? text : *turned);
        }
        std::sort(unturned.begin(), unturned.end());
        std::vector<std::string> sortedGiven = given;
        std::sort(sortedGiven.begin(), sortedGiven.end());
        EXPECT_EQ(unturned, sortedGiven);
    }
}

}  // namespace
}  // namespace zrv
