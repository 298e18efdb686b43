#include "preview/scene.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "preview/travel.h"
#include "preview/view_transform.h"

namespace zrv {
namespace {

std::string pointEntry(double x, double y) {
    char text[64];
    std::snprintf(text, sizeof text, " X=%08.3f Y=%08.3f", x, y);
    return text;
}

std::string pathEntry(const std::vector<Point>& points) {
    std::string entry;
    for (const Point& p : points) {
        char text[64];
        std::snprintf(text, sizeof text, " X=%06.3f Y=%06.3f", p.x, p.y);
        entry += text;
    }
    return entry;
}

std::size_t countOf(const PreviewScene& scene, Shape shape, int penWidth) {
    return static_cast<std::size_t>(std::count_if(
        scene.primitives.begin(), scene.primitives.end(),
        [&](const Primitive& p) { return p.shape == shape && p.penWidth == penWidth; }));
}

ViewChoices nothingShown() {
    ViewChoices view;
    view.Check_VIEW_BOHRUNGEN = 0;
    view.Check_WEG_BOHRUNGEN = 0;
    view.Check_VIEW_FRAESUNGEN = 0;
    view.Check_WEG_FRAESUNGEN = 0;
    return view;
}

TEST(VisibleArea, FitsTheDrawingWithAFivePercentMarginAtEqualScale) {
    struct Case {
        const char* name;
        double xMax, yMax, pictureWidth, pictureHeight;
        double width, height;
    };
    const Case cases[] = {
        {"picture twice as wide as high", 100, 50, 200, 100, 105, 52.5},
        {"square picture", 100, 50, 300, 300, 105, 105},
        {"much wider picture: the height decides", 100, 50, 800, 100, 420, 52.5},
        {"design size of the picture", 100, 50, 9552, 5592, 105, 105.0 * 5592 / 9552},
        {"tall drawing", 10, 100, 200, 100, 210, 105},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const VisibleArea area = visibleArea(c.xMax, c.yMax, c.pictureWidth, c.pictureHeight);
        EXPECT_NEAR(area.width, c.width, 1e-9);
        EXPECT_NEAR(area.height, c.height, 1e-9);
        EXPECT_NEAR(area.width / area.height, c.pictureWidth / c.pictureHeight, 1e-9);
        EXPECT_GE(area.width, c.xMax * 1.05 - 1e-9);
        EXPECT_GE(area.height, c.yMax * 1.05 - 1e-9);
    }
}

TEST(ClampExtents, KeepsEveryDrawingDrawable) {
    struct Case {
        const char* name;
        Extents before;
        Extents after;
    };
    const Case cases[] = {
        {"empty drawing", {999999, -999999, 999999, -999999}, {0, 1, 0, 1}},
        {"ordinary board", {2, 80, 3, 50}, {2, 80, 3, 50}},
        {"maxima below 1", {0, 0.5, 0, 0.25}, {0, 1, 0, 1}},
        {"maxima above 10000", {0, 20000, 0, 12000}, {0, 10000, 0, 10000}},
        {"minima above 10000", {15000, 10000, 10001, 10000}, {0, 10000, 0, 10000}},
        {"exactly the limits", {10000, 10000, 0, 1}, {10000, 10000, 0, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Extents extents = c.before;
        clampExtents(extents);
        EXPECT_EQ(extents.X_MIN, c.after.X_MIN);
        EXPECT_EQ(extents.X_MAX, c.after.X_MAX);
        EXPECT_EQ(extents.Y_MIN, c.after.Y_MIN);
        EXPECT_EQ(extents.Y_MAX, c.after.Y_MAX);
    }
}

TEST(PreviewScene, ClampedExtentsStayInTheStore) {
    FigureStore store;
    store.reset();
    const PreviewScene scene = ZEICHNEN_VORSCHAU(store, ViewChoices{}, {}, kGermanLocale);
    EXPECT_EQ(store.extents.X_MAX, 1);
    EXPECT_EQ(store.extents.Y_MIN, 0);
    EXPECT_EQ(scene.xMax, 1);
    EXPECT_EQ(scene.yMax, 1);
    EXPECT_TRUE(scene.primitives.empty());
}

TEST(PreviewScene, RulerIsTenTimesTheOriginalDistance) {
    struct Case {
        const char* name;
        Calibration calibration;
        NumberLocale locale;
        double length;
        const char* caption;
        const char* scale;
    };
    const Case cases[] = {
        {"scale 1:1", {1, 1}, kGermanLocale, 10, "10mm", "(1:1)"},
        {"standard scale, German", {5, 2.54}, kGermanLocale, 25.4, "25,4mm", "(5:2,54)"},
        {"standard scale, C", {5, 2.54}, kCLocale, 25.4, "25.4mm", "(5:2.54)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FigureStore store;
        ViewChoices view;
        view.Check_VIEW_LINEAL = 1;
        const PreviewScene scene = ZEICHNEN_VORSCHAU(store, view, c.calibration, c.locale);
        EXPECT_TRUE(scene.ruler.visible);
        EXPECT_NEAR(scene.ruler.lengthMm, c.length, 1e-12);
        EXPECT_EQ(scene.ruler.caption, c.caption);
        EXPECT_EQ(scene.scaleCaption, c.scale);
    }
    FigureStore store;
    EXPECT_FALSE(ZEICHNEN_VORSCHAU(store, ViewChoices{}, {}, kGermanLocale).ruler.visible);
}

TEST(PreviewScene, HolesAndTheirTravelInListOrder) {
    FigureStore store;
    store.PUNKTE = {pointEntry(10, 10), pointEntry(20, 10), pointEntry(20, 30)};
    store.extents = {10, 20, 10, 30};
    const PreviewScene scene = ZEICHNEN_VORSCHAU(store, ViewChoices{}, {}, kGermanLocale);

    const Colour red = rgb(255, 0, 0);
    const Colour grey = rgb(192, 192, 192);
    const std::vector<Primitive> expected = {
        {Shape::Dot, {10, 10}, {10, 10}, 3, red},   {Shape::Dot, {20, 10}, {20, 10}, 3, red},
        {Shape::Line, {10, 10}, {20, 10}, 1, grey}, {Shape::Dot, {20, 30}, {20, 30}, 3, red},
        {Shape::Line, {20, 10}, {20, 30}, 1, grey},
    };
    EXPECT_EQ(scene.primitives, expected);
    EXPECT_DOUBLE_EQ(FAHRWEG_BOHRUNGEN(store.PUNKTE), 30);
}

TEST(PreviewScene, PathsTheirStartsAndTheMillingTravel) {
    FigureStore store;
    store.FRAESUNGEN = {pathEntry({{0, 0}, {10, 0}}), pathEntry({{10, 5}, {10, 15}})};
    store.extents = {0, 10, 0, 15};
    ViewChoices view;
    view.Command_FARBE_WEG_FRAESUNGEN = rgb(1, 2, 3);
    const PreviewScene scene = ZEICHNEN_VORSCHAU(store, view, {}, kGermanLocale);

    const Colour blue = rgb(0, 0, 255);
    const Colour black = rgb(0, 0, 0);
    const Colour travel = rgb(1, 2, 3);
    const std::vector<Primitive> expected = {
        {Shape::Line, {0, 0}, {10, 0}, 2, blue},
        {Shape::Dot, {0, 0}, {0, 0}, 4, black},
        {Shape::Line, {0, 0}, {10, 0}, 1, travel},
        {Shape::Line, {10, 5}, {10, 15}, 2, blue},
        {Shape::Dot, {10, 5}, {10, 5}, 4, black},
        {Shape::Line, {10, 0}, {10, 5}, 1, travel},  // the jump between the paths
        {Shape::Line, {10, 5}, {10, 15}, 1, travel},
    };
    EXPECT_EQ(scene.primitives, expected);
    EXPECT_DOUBLE_EQ(FAHRWEG_FRAESUNGEN(store.FRAESUNGEN), 25);
}

TEST(PreviewScene, ALongChainedPathIsDrawnWhole) {
    std::vector<Point> points;
    for (int i = 0; i < 1500; ++i) {
        points.push_back({i * 0.01, (i % 2) * 0.5});
    }
    FigureStore store;
    store.FRAESUNGEN = {pathEntry(points)};
    ViewChoices view = nothingShown();
    view.Check_VIEW_FRAESUNGEN = 1;
    const PreviewScene scene = ZEICHNEN_VORSCHAU(store, view, {}, kGermanLocale);
    ASSERT_EQ(scene.primitives.size(), 1499u);
    EXPECT_EQ(scene.primitives.back().to, (Point{14.99, 0.5}));
}

TEST(PreviewScene, AreaGridAndZeroPointUnderTheFigures) {
    FigureStore store;
    store.PUNKTE = {pointEntry(5, 5)};
    store.extents = {5, 40, 5, 20};
    ViewChoices view;
    view.Check_BEREICH = 1;
    view.Check_VIEW_RASTER = 1;
    view.Check_NULL_PUNKT = 1;
    const PreviewScene scene = ZEICHNEN_VORSCHAU(store, view, {}, kGermanLocale);

    ASSERT_FALSE(scene.primitives.empty());
    EXPECT_EQ(scene.primitives.front(),
              (Primitive{Shape::Box, {5, 5}, {40, 20}, 20, rgb(255, 224, 192)}));
    EXPECT_TRUE(scene.showsGrid);
    // 31 lines each way, the first pair of length 1000 along the axes.
    EXPECT_EQ(countOf(scene, Shape::Line, 1), 62u);
    EXPECT_EQ(scene.primitives[1], (Primitive{Shape::Line, {0, 0}, {0, 1000}, 1, kGrid}));
    EXPECT_EQ(scene.primitives[61], (Primitive{Shape::Line, {300, 0}, {300, 1000}, 1, kGrid}));
    EXPECT_EQ(scene.primitives[63], (Primitive{Shape::Dot, {0, 0}, {0, 0}, 16, rgb(0, 255, 0)}));
    EXPECT_EQ(scene.primitives.back().shape, Shape::Dot);
    EXPECT_EQ(scene.primitives.back().penWidth, 3);
}

TEST(PreviewScene, OnlyATickCountsNotAGreyedBox) {
    FigureStore store;
    store.PUNKTE = {pointEntry(5, 5), pointEntry(6, 5)};
    ViewChoices view = nothingShown();
    view.Check_VIEW_BOHRUNGEN = 2;
    view.Check_VIEW_RASTER = 2;
    const PreviewScene scene = ZEICHNEN_VORSCHAU(store, view, {}, kGermanLocale);
    EXPECT_TRUE(scene.primitives.empty());
    EXPECT_FALSE(scene.showsGrid);
}

// Whatever odd texts the lists hold, the drawing pass goes past them: a snap point for every
// hole entry and every pair of a path, whatever is shown (the travel's sums: FahrwegFraesungen).
TEST(PreviewScene, DrawingGoesPastUnreadableEntries) {
    struct Case {
        const char* name;
        std::vector<std::string> punkte;
        std::vector<std::string> fraesungen;
        std::size_t snaps;
    };
    const std::vector<Case> cases = {
        {"store texts",
         {pointEntry(1.5, 2), pointEntry(7.25, 0.125), pointEntry(3, 9)},
         {pathEntry({{0, 0}, {1, 1}, {2, 0}}), pathEntry({{5, 5}}), pathEntry({{2, 0}, {9, 9}})},
         3 + 6},
        {"empty and unreadable paths between",
         {"", " Y=0003.000 X=0004.000", "abc"},
         {"", pathEntry({{3, 4}, {6, 8}}), "X5 Y7", " X=1 Y=", "", pathEntry({{0, 0}})},
         3 + 5},
        {"a single entry each", {pointEntry(5, 5)}, {" X=5 Y=5 X=1 Y=1"}, 1 + 2},
    };
    for (const Case& c : cases) {
        for (const ViewChoices& view : {ViewChoices{}, nothingShown()}) {
            SCOPED_TRACE(c.name);
            FigureStore store;
            store.PUNKTE = c.punkte;
            store.FRAESUNGEN = c.fraesungen;
            const PreviewScene scene = ZEICHNEN_VORSCHAU(store, view, {}, kGermanLocale);
            EXPECT_EQ(scene.snapPoints.size(), c.snaps);
        }
    }
}

}  // namespace
}  // namespace zrv
