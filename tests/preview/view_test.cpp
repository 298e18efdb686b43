#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "preview/raster.h"
#include "preview/scene.h"
#include "preview/scene_index.h"
#include "preview/snap.h"
#include "preview/view_transform.h"

namespace zrv {
namespace {

// A board of 100 x 50 mm in a picture of 210 x 105 pixels: 105 mm wide, so 2 pixels per mm.
TEST(ViewTransform, ZoomPanAndFitAgainstHandWorkedNumbers) {
    const ViewTransform fit = fitWholeBoard(100, 50, 210, 105, false);
    const ViewTransform fitUp = fitWholeBoard(100, 50, 210, 105, true);
    struct Case {
        const char* name;
        ViewTransform view;
        Point board;
        Point pixel;
    };
    const Case cases[] = {
        {"fit: 2 pixels per mm from the top-left corner", fit, {10, 20}, {20, 40}},
        {"fit, Y up: Y = 0 on the bottom edge", fitUp, {10, 20}, {20, 65}},
        {"zoom 2 about (20, 40) keeps (10, 20) there",
         zoomAbout(fit, {20, 40}, 2, fit),
         {10, 20},
         {20, 40}},
        {"zoom 2 about (20, 40): 4 pixels per mm",
         zoomAbout(fit, {20, 40}, 2, fit),
         {0, 0},
         {-20, -40}},
        {"zoom 2 about (20, 65), Y up", zoomAbout(fitUp, {20, 65}, 2, fitUp), {10, 20}, {20, 65}},
        {"zoom stops at 20 pixels per mm", zoomAbout(fit, {0, 0}, 100, fit), {1, 1}, {20, 20}},
        {"zoom out past the whole board gives the fit",
         zoomAbout(pan(fit, 7, 7), {9, 9}, 0.5, fit),
         {10, 20},
         {20, 40}},
        {"pan by (5, -3)", pan(fit, 5, -3), {10, 20}, {25, 37}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Point pixel = c.view.toPixels(c.board);
        EXPECT_NEAR(pixel.x, c.pixel.x, 1e-9);
        EXPECT_NEAR(pixel.y, c.pixel.y, 1e-9);
        const Point back = c.view.toBoard(c.pixel);
        EXPECT_NEAR(back.x, c.board.x, 1e-9);
        EXPECT_NEAR(back.y, c.board.y, 1e-9);
    }
    const BoardRect shown = zoomAbout(fit, {0, 0}, 10, fit).visibleBoard(210, 105);
    EXPECT_NEAR(shown.right, 10.5, 1e-9);
    EXPECT_NEAR(shown.bottom, 5.25, 1e-9);
}

TEST(Snap, NearestPlaceWithinAFewPixelsAndTheMeasuredDistance) {
    FigureStore store;
    store.PUNKTE = {" X=0010.000 Y=0010.000", " X=0012.540 Y=0010.000"};
    store.FRAESUNGEN = {" X=00.000 Y=00.000 X=05.000 Y=00.000 X=05.000 Y=03.000"};
    store.extents = {0, 100, 0, 50};
    const PreviewScene scene = ZEICHNEN_VORSCHAU(store, {}, {}, kGermanLocale);
    ASSERT_EQ(scene.snapPoints.size(), 5u);
    const ViewTransform view = fitWholeBoard(100, 50, 210, 105, false);  // 2 pixels per mm
    struct Case {
        const char* name;
        Point pixel;
        const char* text;  // empty: nothing near
    };
    const Case cases[] = {
        {"beside the first hole", {18, 22}, "Bohrung X 10,00 mm Y 10,00 mm"},
        {"between the holes, nearer the first", {21, 20}, "Bohrung X 10,00 mm Y 10,00 mm"},
        {"nearer the second hole", {24, 20}, "Bohrung X 12,54 mm Y 10,00 mm"},
        {"a path's start", {1, 1}, "Fräsung Anfang X 0,00 mm Y 0,00 mm"},
        {"a path's corner", {10, 0}, "Fräsung X 5,00 mm Y 0,00 mm"},
        {"a path's end", {10, 6}, "Fräsung Ende X 5,00 mm Y 3,00 mm"},
        {"seven pixels away is too far", {20, 27}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto near = nearestSnap(scene.snapPoints, view, c.pixel);
        EXPECT_EQ(near ? snapText(*near, kGermanLocale) : "", c.text);
    }
    EXPECT_EQ(distanceText({10, 10}, {12.54, 10}, kGermanLocale),
              "Abstand: 2,54 mm (X 2,54 mm, Y 0,00 mm)");
    EXPECT_EQ(distanceText({5, 3}, {2, 7}, kCLocale), "Abstand: 5.00 mm (X 3.00 mm, Y 4.00 mm)");
}

// The index against the plain question "does the box of the primitive meet the area".
TEST(SceneIndex, FindsEveryPrimitiveThatMeetsTheAreaInDrawingOrder) {
    std::mt19937 random(3);
    std::uniform_real_distribution<double> at(0, 100);
    std::vector<Primitive> primitives;
    for (int i = 0; i < 5000; ++i) {
        const Point a{at(random), at(random)};
        const Point b = i % 3 == 0 ? a : Point{a.x + at(random) / 20, a.y + at(random) / 20};
        primitives.push_back({i % 3 == 0 ? Shape::Dot : Shape::Line, a, b, 1, 0});
    }
    primitives.push_back({Shape::Line, {0, 50}, {1000, 50}, 1, 0});  // a grid line
    const SceneIndex index(primitives);
    for (int round = 0; round < 50; ++round) {
        const double x = at(random) - 10;
        const double y = at(random) - 10;
        const BoardRect area{x, y, x + at(random) / 4, y + at(random) / 4};
        std::vector<std::uint32_t> expected;
        for (std::uint32_t i = 0; i < primitives.size(); ++i) {
            const Primitive& p = primitives[i];
            if (std::max(p.from.x, p.to.x) >= area.left - 1 &&
                std::min(p.from.x, p.to.x) <= area.right + 1 &&
                std::max(p.from.y, p.to.y) >= area.top - 1 &&
                std::min(p.from.y, p.to.y) <= area.bottom + 1) {
                expected.push_back(i);
            }
        }
        const std::vector<std::uint32_t> shown = index.visible(area, 1);
        EXPECT_TRUE(std::is_sorted(shown.begin(), shown.end()));
        EXPECT_TRUE(std::includes(shown.begin(), shown.end(), expected.begin(), expected.end()));
        EXPECT_LT(shown.size(), primitives.size() / 4);
    }
    EXPECT_EQ(index.visible({-1, -1, 2000, 2000}, 0).size(), primitives.size());
}

// A zoomed frame paints only the listed primitives, with pens grown by the zoom: a 3-pixel dot
// doubled reaches pixel centres 3 pixels from its own.
TEST(Raster, ZoomedFramePaintsTheListedPrimitivesWithGrownPens) {
    PreviewScene scene;
    scene.primitives = {{Shape::Dot, {10.5, 10.5}, {10.5, 10.5}, 3, rgb(255, 0, 0)},
                        {Shape::Dot, {5.5, 5.5}, {5.5, 5.5}, 3, rgb(0, 0, 255)}};
    const std::vector<std::uint32_t> first{0, 7};
    const RgbImage plain = rasterise(scene, {}, 20, 20);
    const RgbImage grown = rasterise(scene, first, {}, 2, 20, 20);
    EXPECT_EQ(plain.at(11, 10), rgb(255, 0, 0));
    EXPECT_EQ(plain.at(12, 10), kPictureBackground);
    EXPECT_EQ(grown.at(13, 10), rgb(255, 0, 0));
    EXPECT_EQ(grown.at(14, 10), kPictureBackground);
    EXPECT_EQ(plain.at(5, 5), rgb(0, 0, 255));
    EXPECT_EQ(grown.at(5, 5), kPictureBackground) << "not listed";
}

}  // namespace
}  // namespace zrv
