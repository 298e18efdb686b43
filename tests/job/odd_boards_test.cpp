// Boards as users draw them (every hole placed several times) and damaged ones (a coordinate far
// beyond any board), loaded with every choice on and the route pass: the pass ends, keeps every
// hole and path, and gains on copies what it gains on the plain board.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "geometry/route_pass.h"
#include "job/load.h"
#include "support/drawing_builder.h"
#include "support/recording_host.h"

namespace zrv {
namespace {

using test::DrawingBuilder;
using test::Vertex;

// 300 holes in random order on 1000 x 1000 units, each drawn `copies` times in a row or spread.
std::string holes(int copies) {
    std::mt19937 rng(20);
    std::uniform_real_distribution<float> place(0, 1000);
    std::vector<Vertex> points(300);
    for (Vertex& p : points) {
        p = {place(rng), place(rng)};
    }
    DrawingBuilder drawing;
    for (int c = 0; c < copies; ++c) {
        for (const Vertex& p : points) {
            drawing.point(p, test::kRot);
        }
    }
    return drawing.bytes();
}

// Paths of every kind around holes, one vertex at `far`, as in the damaged drawings found.
std::string farVertex(Vertex far) {
    DrawingBuilder drawing;
    for (int k = 0; k < 8; ++k) {
        const float x = 20.0F * static_cast<float>(k % 4);
        const float y = 30.0F * static_cast<float>(k / 4);
        drawing.point({x + 5, y + 5}, test::kRot)
            .rectangle({x, y}, {x + 10, y + 8}, test::kRot)
            .line({{x, y + 20}, {x + 15, y + 12}}, test::kRot)
            .circle({x + 2, y + 2}, {x + 6, y + 6}, 0, 6.2832F, test::kRot);
    }
    // A path closed at the far point, and one with both ends far apart out there.
    drawing.polygon({far, {70, 9}, {40, 40}}, test::kRot)
        .line({far, {far.x / 2, far.y / 2}}, test::kRot);
    return drawing.bytes();
}

struct Loaded {
    std::vector<std::string> punkte;
    std::vector<std::string> fraesungen;
};

Loaded load(const std::string& bytes, const char* level, bool improve) {
    ProgramState state;
    state.file.DATEI_NAME = "/tmp/platine.zrv";
    state.file.DATEI_INHALT = bytes;
    Choices choices = factoryChoices(kGermanLocale);
    choices.prepare.Check_BUENDIG = 1;
    choices.prepare.Check_SPIEGELN_HORIZONTAL = 1;
    choices.prepare.Combo_BOHRUNGEN_OPTIMIEREN = level;
    choices.prepare.Combo_FRAESUNGEN_OPTIMIEREN = level;
    choices.prepare.Check_BOHRUNGEN_WEG_VERBESSERN = improve ? 1 : 0;
    choices.prepare.Check_FRAESUNGEN_WEG_VERBESSERN = improve ? 1 : 0;
    test::RecordingHost recorder;
    EXPECT_EQ(ANALYSE_DATEI(state, choices, recorder.host).outcome, LoadOutcome::Loaded);
    return {state.store.PUNKTE, state.store.FRAESUNGEN};
}

std::vector<std::string> sorted(std::vector<std::string> texts) {
    std::sort(texts.begin(), texts.end());
    return texts;
}

struct OddBoardCase {
    const char* name;
    std::string bytes;
    // Copies of every hole: the pass ends within 1 % of where it ends on the board drawn once.
    // From "1-Standard" the trips before the pass are the same, so the gains are too.
    int copies;
};

TEST(OddBoards, ThePassEndsKeepsEveryFigureAndSeesThroughCopies) {
    const std::vector<OddBoardCase> cases = {
        {"a Y far below the board", farVertex({40, -3.9e21F}), 0},
        {"an X far left of the board", farVertex({-4.5e9F, 20}), 0},
        {"holes drawn three times", holes(3), 3},
        {"holes drawn nine times", holes(9), 9},
    };
    for (const char* level : {"0-keine", "1-Standard"}) {
        const double plain = drillRoundTrip(load(holes(1), level, true).punkte);
        EXPECT_LT(plain, 0.9 * drillRoundTrip(load(holes(1), level, false).punkte));
        for (const OddBoardCase& c : cases) {
            SCOPED_TRACE(std::string(c.name) + ", " + level);
            const Loaded before = load(c.bytes, level, false);
            const Loaded after = load(c.bytes, level, true);
            EXPECT_EQ(sorted(after.punkte), sorted(before.punkte));
            EXPECT_EQ(after.fraesungen.size(), before.fraesungen.size());
            EXPECT_LE(drillRoundTrip(after.punkte), drillRoundTrip(before.punkte));
            EXPECT_LE(millingRoundTrip(after.fraesungen), millingRoundTrip(before.fraesungen));
            if (c.copies > 0) {
                EXPECT_NEAR(drillRoundTrip(after.punkte), plain, 0.01 * plain);
            }
        }
    }
}

}  // namespace
}  // namespace zrv
