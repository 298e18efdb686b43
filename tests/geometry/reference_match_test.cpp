// The fast optimisers against the plain ones on random drawings rich in ties: the same texts
// in the same order, the same number of joins.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "geometry/align.h"
#include "geometry/optimise.h"
#include "geometry/random_figures.h"
#include "geometry/reference_optimise.h"
#include "support/recording_host.h"

namespace zrv {
namespace {

const std::vector<std::string> kLevelTexts = {"0-keine", "1-Standard", "2-Stufe", "3-Stufe",
                                              "4-Stufe", "5-Stufe", "6-Stufe", "7-Stufe",
                                              // foreign texts: nothing is reordered
                                              "8-Stufe", "", "abc", "1,5-Stufe", "-1", "1.5"};

std::string joinsLine(std::size_t joins) {
    return joins > 0 ? "erfolgreich verkettet: " + std::to_string(joins) : "";
}

std::string joinsLineOf(const test::RecordingProgress& progress) {
    for (const std::string& line : progress.lines) {
        if (line.starts_with("erfolgreich verkettet: ")) {
            return line;
        }
    }
    return "";
}

void expectSameDrillOrder(const std::vector<std::string>& holes, const std::string& level) {
    SCOPED_TRACE("level \"" + level + "\", " + std::to_string(holes.size()) + " holes");
    std::vector<std::string> fast = holes;
    test::RecordingHost recording;
    BOHRUNGEN_OPTIMIEREN(fast, level, recording.host);
    std::vector<std::string> plain = holes;
    reference::drillOrder(plain, level);
    EXPECT_EQ(fast, plain);
}

void expectSameMillingOrder(const std::vector<std::string>& paths, const std::string& level) {
    SCOPED_TRACE("level \"" + level + "\", " + std::to_string(paths.size()) + " paths");
    std::vector<std::string> fast = paths;
    test::RecordingHost recording;
    FRAESUNGEN_OPTIMIEREN(fast, level, recording.host);
    std::vector<std::string> plain = paths;
    const std::size_t joins = reference::millingOrderAndChain(plain, level);
    EXPECT_EQ(fast, plain);
    EXPECT_EQ(joinsLineOf(recording.progress), joinsLine(joins));
}

TEST(ReferenceMatch, DrillOrderOnRandomHoles) {
    for (unsigned seed = 1; seed <= 30; ++seed) {
        test::RandomFigures random(seed);
        for (std::size_t kind = 0; kind < 5; ++kind) {
            SCOPED_TRACE("seed " + std::to_string(seed) + ", kind " + std::to_string(kind));
            const auto holes = random.holeTexts(random.holes(random.below(90), kind));
            for (const std::string& level : kLevelTexts) {
                expectSameDrillOrder(holes, level);
            }
        }
    }
}

TEST(ReferenceMatch, MillingOrderOnRandomPaths) {
    for (unsigned seed = 1; seed <= 30; ++seed) {
        test::RandomFigures random(seed);
        for (std::size_t kind = 0; kind < 5; ++kind) {
            SCOPED_TRACE("seed " + std::to_string(seed) + ", kind " + std::to_string(kind));
            const auto paths = random.pathTexts(random.paths(random.below(90), kind));
            for (const std::string& level : kLevelTexts) {
                expectSameMillingOrder(paths, level);
            }
        }
    }
}

// Deeper trees than the small cases reach, with long stretches of equal distances.
TEST(ReferenceMatch, LargerDrawings) {
    for (unsigned seed = 100; seed < 103; ++seed) {
        test::RandomFigures random(seed);
        const std::size_t kind = seed % 5;
        const auto holes = random.holeTexts(random.holes(700, kind == 3 ? 1 : kind));
        const auto paths = random.pathTexts(random.paths(700, kind));
        for (const char* level : {"1-Standard", "2-Stufe", "7-Stufe"}) {
            expectSameDrillOrder(holes, level);
            expectSameMillingOrder(paths, level);
        }
    }
}

// Flush and mirror first, as the load does: the lists then hold "0000.000" texts.
TEST(ReferenceMatch, AfterFlushAndMirror) {
    for (unsigned seed = 200; seed < 215; ++seed) {
        test::RandomFigures random(seed);
        FigureStore store;
        const auto holes = random.holes(random.below(70), seed);
        const auto paths = random.paths(random.below(70), seed + 1);
        store.PUNKTE = random.holeTexts(holes);
        store.FRAESUNGEN = random.pathTexts(paths);
        for (const Point& p : holes) {
            store.extents.EXTREMWERTE(p.x, p.y);
        }
        for (const auto& path : paths) {
            for (const Point& p : path) {
                store.extents.EXTREMWERTE(p.x, p.y);
            }
        }
        test::RecordingHost recording;
        GRAFIC_BUENDIG(store, 1, recording.host);
        GRAFIC_SPIEGELN(store, seed % 2 == 0 ? 1 : 0, recording.host);
        SCOPED_TRACE("seed " + std::to_string(seed));
        for (const std::string& level : kLevelTexts) {
            expectSameDrillOrder(store.PUNKTE, level);
            expectSameMillingOrder(store.FRAESUNGEN, level);
        }
    }
}

// Texts the reader never writes still come out as the plain rules give them: empty paths,
// dangling values, a "Y" before the "X".
TEST(ReferenceMatch, OddPathTexts) {
    const std::vector<std::string> odd = {"",        " X=01.000",    " Y=02.000 X=01.000",
                                          " X=1 Y=", " X=02.000 Y=", "X5 Y7",
                                          " X=5 Y",  "X55 Y=0",      " X=00.000 Y=00.000 X=01.000"};
    for (unsigned seed = 300; seed < 330; ++seed) {
        test::RandomFigures random(seed);
        std::vector<std::string> paths = random.pathTexts(random.paths(random.below(30), seed));
        for (std::size_t k = 0; k < 8; ++k) {
            paths.insert(
                paths.begin() + static_cast<std::ptrdiff_t>(random.below(paths.size() + 1)),
                odd[random.below(odd.size())]);
        }
        SCOPED_TRACE("seed " + std::to_string(seed));
        for (const char* level : {"1-Standard", "4-Stufe", "5-Stufe"}) {
            expectSameMillingOrder(paths, level);
        }
    }
}

}  // namespace
}  // namespace zrv
