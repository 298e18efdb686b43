#include "geometry/align.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/recording_host.h"

namespace zrv {
namespace {

FigureStore storeOf(std::vector<std::string> punkte, std::vector<std::string> fraesungen,
                    Extents extents) {
    FigureStore store;
    store.PUNKTE = std::move(punkte);
    store.FRAESUNGEN = std::move(fraesungen);
    store.extents = extents;
    return store;
}

void expectExtents(const Extents& e, double xMin, double xMax, double yMin, double yMax) {
    EXPECT_DOUBLE_EQ(e.X_MIN, xMin);
    EXPECT_DOUBLE_EQ(e.X_MAX, xMax);
    EXPECT_DOUBLE_EQ(e.Y_MIN, yMin);
    EXPECT_DOUBLE_EQ(e.Y_MAX, yMax);
}

TEST(Flush, MovesTheSmallestCornerToZero) {
    test::RecordingHost recording;
    FigureStore store = storeOf({" X=0010.000 Y=0020.000", " X=0015.500 Y=0025.000"},
                                {" X=12.000 Y=21.000 X=10.000 Y=30.000"}, {10, 15.5, 20, 30});
    GRAFIC_BUENDIG(store, 1, recording.host);
    EXPECT_EQ(store.PUNKTE,
              (std::vector<std::string>{" X=0000.000 Y=0000.000", " X=0005.500 Y=0005.000"}));
    EXPECT_EQ(store.FRAESUNGEN,
              (std::vector<std::string>{" X=0002.000 Y=0001.000 X=0000.000 Y=0010.000"}));
    expectExtents(store.extents, 0, 5.5, 0, 10);
    EXPECT_EQ(recording.progress.lines, (std::vector<std::string>{"bündig..."}));
    EXPECT_EQ(recording.progress.eventPasses, 1);
}

TEST(Mirror, FlipsInsideTheExtents) {
    test::RecordingHost recording;
    FigureStore store = storeOf({" X=0010.000 Y=0020.000"},
                                {" X=12.000 Y=21.000 X=-3.500 Y=30.000"}, {-3.5, 12, 20, 30});
    GRAFIC_SPIEGELN(store, 1, recording.host);
    // x' = 12 + (-3.5) - x
    EXPECT_EQ(store.PUNKTE, (std::vector<std::string>{" X=-0001.500 Y=0020.000"}));
    EXPECT_EQ(store.FRAESUNGEN,
              (std::vector<std::string>{" X=-0003.500 Y=0021.000 X=0012.000 Y=0030.000"}));
    expectExtents(store.extents, -3.5, 12, 20, 30);
    EXPECT_EQ(recording.progress.lines, (std::vector<std::string>{"spiegeln..."}));
    EXPECT_EQ(recording.progress.eventPasses, 0);
}

TEST(FlushThenMirror, MirrorsWithinZeroToTheWidth) {
    test::RecordingHost recording;
    FigureStore store =
        storeOf({" X=0010.000 Y=0020.000", " X=0014.000 Y=0021.000"}, {}, {10, 14, 20, 21});
    GRAFIC_BUENDIG(store, 1, recording.host);
    GRAFIC_SPIEGELN(store, 1, recording.host);
    EXPECT_EQ(store.PUNKTE,
              (std::vector<std::string>{" X=0004.000 Y=0000.000", " X=0000.000 Y=0001.000"}));
    expectExtents(store.extents, 0, 4, 0, 1);
    EXPECT_EQ(recording.progress.lines, (std::vector<std::string>{"bündig...", "spiegeln..."}));
}

TEST(FlushAndMirror, UntickedBoxChangesNothing) {
    const FigureStore before = storeOf({" X=10.5 Y=2"}, {" X=1.000 Y=2.000 R=7"}, {1, 10.5, 2, 2});
    for (bool flush : {true, false}) {
        SCOPED_TRACE(flush ? "flush" : "mirror");
        test::RecordingHost recording;
        FigureStore store = before;
        flush ? GRAFIC_BUENDIG(store, 0, recording.host)
              : GRAFIC_SPIEGELN(store, 0, recording.host);
        EXPECT_EQ(store.PUNKTE, before.PUNKTE);
        EXPECT_EQ(store.FRAESUNGEN, before.FRAESUNGEN);
        expectExtents(store.extents, 1, 10.5, 2, 2);
        EXPECT_TRUE(recording.progress.lines.empty());
        EXPECT_EQ(recording.progress.eventPasses, 0);
    }
}

// Only 0 means unticked; a greyed box (2) works like a ticked one.
TEST(FlushAndMirror, GreyedBoxActs) {
    test::RecordingHost recording;
    FigureStore store = storeOf({" X=0003.000 Y=0004.000"}, {}, {3, 3, 4, 4});
    GRAFIC_BUENDIG(store, 2, recording.host);
    EXPECT_EQ(store.PUNKTE, (std::vector<std::string>{" X=0000.000 Y=0000.000"}));
}

TEST(FlushAndMirror, EmptyStoreEndsAtTheStartExtents) {
    for (bool flush : {true, false}) {
        SCOPED_TRACE(flush ? "flush" : "mirror");
        test::RecordingHost recording;
        FigureStore store = storeOf({}, {}, {-5, 40, -2, 30});  // e.g. circles only in KREISE
        flush ? GRAFIC_BUENDIG(store, 1, recording.host)
              : GRAFIC_SPIEGELN(store, 1, recording.host);
        expectExtents(store.extents, 999999, -999999, 999999, -999999);
    }
}

// The texts keep three decimals; the extents keep the computed values. Other content of a
// text is dropped, and the German decimal comma never reaches the store.
TEST(FlushAndMirror, RebuildsTextsAndKeepsExactExtents) {
    test::RecordingHost recording(kGermanLocale);
    FigureStore store =
        storeOf({" X=1.0004 Y=2 R=9"}, {" X=3.25 Y=1 X=5.5 Y=1.5 V=1"}, {1, 5.5, 1, 2});
    GRAFIC_SPIEGELN(store, 1, recording.host);
    EXPECT_EQ(store.PUNKTE, (std::vector<std::string>{" X=0005.500 Y=0002.000"}));
    EXPECT_EQ(store.FRAESUNGEN,
              (std::vector<std::string>{" X=0003.250 Y=0001.000 X=0001.000 Y=0001.500"}));
    expectExtents(store.extents, 1, 6.5 - 1.0004, 1, 2);
}

TEST(FlushAndMirror, KeepsCountAndOrder) {
    test::RecordingHost recording;
    FigureStore store =
        storeOf({" X=5 Y=5", " X=1 Y=1", " X=3 Y=9"}, {" X=0 Y=0", " X=9 Y=9"}, {0, 9, 0, 9});
    GRAFIC_SPIEGELN(store, 1, recording.host);
    EXPECT_EQ(store.PUNKTE,
              (std::vector<std::string>{" X=0004.000 Y=0005.000", " X=0008.000 Y=0001.000",
                                        " X=0006.000 Y=0009.000"}));
    EXPECT_EQ(store.FRAESUNGEN,
              (std::vector<std::string>{" X=0009.000 Y=0000.000", " X=0000.000 Y=0009.000"}));
}

}  // namespace
}  // namespace zrv
