// Boards as users draw them (every hole placed several times) and damaged ones (a coordinate far
// beyond any board), loaded with every choice on and the route pass: the pass ends, keeps every
// hole and path, and ends on copies where it ends on the board drawn once.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "geometry/route_pass.h"
#include "job/load.h"
#include "support/drawing_builder.h"
#include "support/recording_host.h"

namespace zrv {
namespace {

using test::Vertex;

// 300 random holes on 1000 x 1000 units, the whole list drawn `copies` times.
std::string holes(int copies) {
    std::mt19937 rng(20);
    std::uniform_real_distribution<float> place(0, 1000);
    std::vector<Vertex> points(300);
    std::generate(points.begin(), points.end(), [&] { return Vertex{place(rng), place(rng)}; });
    test::DrawingBuilder drawing;
    for (int c = 0; c < copies; ++c) {
        for (const Vertex& p : points) {
            drawing.point(p, test::kRot);
        }
    }
    return drawing.bytes();
}

// Figures of every kind, and as in the damaged drawings found, a path closed at a far point and
// one with both ends out there.
std::string farEnds(Vertex far) {
    test::DrawingBuilder drawing;
    for (float k = 0; k < 8; ++k) {
        const Vertex at{20 * k, 30 * (k - 4 * std::floor(k / 4))};
        drawing.point({at.x + 5, at.y + 5}, test::kRot)
            .rectangle(at, {at.x + 10, at.y + 8}, test::kRot)
            .line({{at.x, at.y + 20}, {at.x + 15, at.y + 12}}, test::kRot)
            .circle(at, {at.x + 4, at.y + 4}, 0, 6.2832F, test::kRot);
    }
    drawing.polygon({far, {70, 9}, {40, 40}}, test::kRot)
        .line({far, {far.x / 2, far.y / 2}}, test::kRot);
    return drawing.bytes();
}

FigureStore load(const std::string& bytes, const char* level, int improve) {
    ProgramState state;
    state.file.DATEI_NAME = "/tmp/platine.zrv";
    state.file.DATEI_INHALT = bytes;
    Choices choices = factoryChoices(kGermanLocale);
    PrepareChoices& prepare = choices.prepare;
    prepare.Check_BUENDIG = prepare.Check_SPIEGELN_HORIZONTAL = 1;
    prepare.Combo_BOHRUNGEN_OPTIMIEREN = prepare.Combo_FRAESUNGEN_OPTIMIEREN = level;
    prepare.Check_BOHRUNGEN_WEG_VERBESSERN = prepare.Check_FRAESUNGEN_WEG_VERBESSERN = improve;
    test::RecordingHost recorder;
    EXPECT_EQ(ANALYSE_DATEI(state, choices, recorder.host).outcome, LoadOutcome::Loaded);
    return state.store;
}

TEST(OddBoards, ThePassEndsKeepsEveryFigureAndSeesThroughCopies) {
    const struct {
        const char* name;
        std::string bytes;
        int copies;  // of every hole; 0: compared with nothing
    } cases[] = {
        {"a Y far below the board", farEnds({40, -3.9e21F}), 0},
        {"an X far left of the board", farEnds({-4.5e9F, 20}), 0},
        {"holes drawn three times", holes(3), 3},
        {"holes drawn nine times", holes(9), 9},
    };
    for (const char* level : {"0-keine", "1-Standard"}) {
        const double once = drillRoundTrip(load(holes(1), level, 1).PUNKTE);
        EXPECT_LT(once, 0.9 * drillRoundTrip(load(holes(1), level, 0).PUNKTE));
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.name) + ", " + level);
            FigureStore before = load(c.bytes, level, 0);
            FigureStore after = load(c.bytes, level, 1);
            EXPECT_LE(drillRoundTrip(after.PUNKTE), drillRoundTrip(before.PUNKTE));
            EXPECT_LE(millingRoundTrip(after.FRAESUNGEN), millingRoundTrip(before.FRAESUNGEN));
            EXPECT_EQ(after.FRAESUNGEN.size(), before.FRAESUNGEN.size());
            if (c.copies > 0) {
                // From "1-Standard" the trips before the pass are the same, so the gains are too.
                EXPECT_NEAR(drillRoundTrip(after.PUNKTE), once, 0.01 * once);
            }
            std::sort(after.PUNKTE.begin(), after.PUNKTE.end());
            std::sort(before.PUNKTE.begin(), before.PUNKTE.end());
            EXPECT_EQ(after.PUNKTE, before.PUNKTE);
        }
    }
}

}  // namespace
}  // namespace zrv
