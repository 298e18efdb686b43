#include "geometry/chaining.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "geometry/random_figures.h"
#include "geometry/reference_optimise.h"

namespace zrv {
namespace {

ChainResult chain(std::vector<std::string> paths) {
    std::vector<PathEnds> ends;
    for (const std::string& path : paths) {
        ends.push_back(pathEnds(path));
    }
    return chainTouching(std::move(paths), ends);
}

TEST(Chaining, JoinsOnlyEndToStart) {
    const ChainResult result = chain({" X=0 Y=0 X=1 Y=1", " X=2 Y=2 X=1 Y=1", " X=2 Y=2 X=3 Y=3",
                                      " X=3 Y=3 X=4 Y=4", " X=4 Y=4 X=4 Y=4"});
    // end to end and start to start stay apart; the common point stands twice in a row
    EXPECT_EQ(result.paths, (std::vector<std::string>{" X=0 Y=0 X=1 Y=1", " X=2 Y=2 X=1 Y=1",
                                                      " X=2 Y=2 X=3 Y=3 X=3 Y=3 X=4 Y=4"
                                                      " X=4 Y=4 X=4 Y=4"}));
    EXPECT_EQ(result.joins, 2U);
}

TEST(Chaining, EmptyAndSingle) {
    EXPECT_TRUE(chain({}).paths.empty());
    const ChainResult one = chain({" X=1 Y=1 X=1 Y=1"});
    EXPECT_EQ(one.paths, (std::vector<std::string>{" X=1 Y=1 X=1 Y=1"}));
    EXPECT_EQ(one.joins, 0U);
}

struct PiecewiseCase {
    const char* name;
    const char* text;
    bool piecewise;
};

TEST(Chaining, ReadsPiecewise) {
    const std::vector<PiecewiseCase> cases = {
        {"store text", " X=01.000 Y=02.000 X=03.000 Y=04.000", true},
        {"no leading blank", "X=1 Y=2", true},
        {"empty", "", false},
        {"blanks only", "   ", false},
        {"Y first", " Y=1 X=2", false},
        {"dangling X", " X=1 Y=2 X=3", false},
        {"two X in a row", " X=1 X=2 Y=3", false},
        {"no equals sign", " X5 Y6", false},
        {"Y= at the very end", " X=1 Y=", false},
        {"text before the X", "7 X=1 Y=2", false},
    };
    for (const PiecewiseCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(readsPiecewise(c.text), c.piecewise);
    }
}

// The scan after a join stays where it is instead of starting again at the first path; on
// sequences full of touching ends, and with texts that do not read piecewise, the result is
// that of the plain rule.
TEST(Chaining, OnePassEqualsRestartingScan) {
    // The second and third join, and the Y of the joint text then reads "55" from the third:
    // its start moves, so it joins the first path as well.
    const std::vector<std::string> startMoves = {" X=0 Y=0 X=5 Y=55", " X=5 Y", "X55 Y=0"};
    std::vector<std::string> plainMoves = startMoves;
    EXPECT_EQ(reference::chain(plainMoves), 2U);
    EXPECT_EQ(chain(startMoves).paths, plainMoves);

    const std::vector<std::string> odd = {"",        " X=01.000", " Y=02.000 X=01.000",
                                          " X=1 Y=", " X=5 Y",    "X55 Y=0"};
    for (unsigned seed = 1; seed <= 200; ++seed) {
        test::RandomFigures random(seed);
        std::vector<std::string> paths =
            random.pathTexts(random.paths(random.below(60), seed % 2 == 0 ? 0 : 1));
        if (seed % 3 == 0) {
            for (std::size_t k = 0; k < 6; ++k) {
                paths.insert(
                    paths.begin() + static_cast<std::ptrdiff_t>(random.below(paths.size() + 1)),
                    odd[random.below(odd.size())]);
            }
        }
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::vector<std::string> plain = paths;
        const std::size_t joins = reference::chain(plain);
        const ChainResult fast = chain(paths);
        EXPECT_EQ(fast.paths, plain);
        EXPECT_EQ(fast.joins, joins);
    }
}

}  // namespace
}  // namespace zrv
