#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>

#include "ui/widgets/preview_widget.h"

namespace zrv {
namespace {

PreviewScene sceneWith(std::vector<Primitive> primitives, double xMax, double yMax) {
    PreviewScene scene;
    scene.xMax = xMax;
    scene.yMax = yMax;
    scene.primitives = std::move(primitives);
    return scene;
}

TEST(PreviewWidget, PaintsPrimitivesAtEqualScaleWithAMargin) {
    PreviewWidget picture(nullptr);
    picture.resize(420, 210);
    // 100 x 50 mm in a 2:1 picture: 105 mm across, 4 pixels per millimetre.
    picture.showScene(sceneWith({{Shape::Dot, {50, 25}, {50, 25}, 3, rgb(255, 0, 0)},
                                 {Shape::Line, {0, 40}, {100, 40}, 2, rgb(0, 0, 255)}},
                                100, 50));
    EXPECT_DOUBLE_EQ(picture.toPixels({100, 50}).x(), 400.0);
    EXPECT_DOUBLE_EQ(picture.toPixels({100, 50}).y(), 200.0);

    const QImage image = picture.grab().toImage();
    EXPECT_EQ(image.pixelColor(200, 100), QColor(255, 0, 0)) << "the hole";
    EXPECT_EQ(image.pixelColor(200, 160), QColor(0, 0, 255)) << "the path";
    EXPECT_EQ(image.pixelColor(300, 60), QColor(254, 249, 222)) << "the background";
}

TEST(PreviewWidget, ResizingRedrawsTheSameSceneAtTheNewSize) {
    PreviewWidget picture(nullptr);
    picture.resize(420, 210);
    picture.showScene(sceneWith({{Shape::Dot, {50, 25}, {50, 25}, 3, rgb(255, 0, 0)}}, 100, 50));
    picture.resize(210, 105);
    const QImage image = picture.grab().toImage();
    EXPECT_EQ(image.size(), QSize(210, 105));
    EXPECT_EQ(image.pixelColor(100, 50), QColor(255, 0, 0));
}

TEST(PreviewWidget, ANewSceneOfTheSameBoardIsPaintedAnew) {
    PreviewWidget picture(nullptr);
    picture.resize(420, 210);
    picture.showScene(sceneWith({{Shape::Dot, {50, 25}, {50, 25}, 3, rgb(255, 0, 0)}}, 100, 50));
    EXPECT_EQ(picture.grab().toImage().pixelColor(200, 100), QColor(255, 0, 0));
    picture.showScene(sceneWith({{Shape::Dot, {50, 25}, {50, 25}, 3, rgb(0, 255, 0)}}, 100, 50));
    EXPECT_EQ(picture.grab().toImage().pixelColor(200, 100), QColor(0, 255, 0));
}

TEST(PreviewWidget, ClearLeavesTheBackgroundAndKeepsTheRuler) {
    PreviewWidget picture(nullptr);
    picture.resize(420, 210);
    PreviewScene scene = sceneWith({{Shape::Dot, {50, 25}, {50, 25}, 16, rgb(0, 255, 0)}}, 100, 50);
    scene.ruler = {true, 25.4, "25,4mm"};
    picture.showScene(scene);
    picture.show();
    picture.clear();
    EXPECT_TRUE(picture.isBlank());
    EXPECT_EQ(picture.grab().toImage().pixelColor(200, 100), QColor(254, 249, 222));

    auto* ruler = picture.findChild<QWidget*>(QStringLiteral("Line_LINEAL"));
    auto* caption = picture.findChild<QLabel*>(QStringLiteral("Label_ORIGINAL"));
    ASSERT_NE(ruler, nullptr);
    ASSERT_NE(caption, nullptr);
    EXPECT_TRUE(ruler->isVisible());
    EXPECT_EQ(ruler->x(), 0);
    EXPECT_EQ(ruler->width(), 102);  // 25.4 mm at 4 pixels per millimetre
    EXPECT_EQ(caption->text(), QStringLiteral("25,4mm"));

    picture.showScene(sceneWith({}, 100, 50));
    EXPECT_FALSE(ruler->isVisible());
    EXPECT_FALSE(caption->isVisible());
}

// The job's overlay: the way handed over once, then only how many of its points are done.
TEST(PreviewWidget, MachineOverlayDrawsTheDonePartOfTheWayAndTheTool) {
    PreviewWidget picture(nullptr);
    picture.resize(420, 210);
    picture.showScene(sceneWith({}, 100, 50));
    const auto near = [&picture](Point at, QColor colour) {
        const QImage image = picture.grab().toImage();
        const QPoint pixel = picture.toPixels(at).toPoint();
        for (int dy = -1; dy <= 1; ++dy) {
            if (image.pixelColor(pixel + QPoint(0, dy)) == colour) {
                return true;
            }
        }
        return false;
    };
    const QColor done(0, 170, 0);
    const QColor tool(230, 120, 0);
    // One point a program line: the third line moves no XY.
    picture.showMachinePath({{0, 10}, {50, 10}, {50, 10}, {50, 40}, {100, 40}});
    picture.showMachine(3, Point{50, 10});
    EXPECT_TRUE(near({25, 10}, done)) << "the first stretch is done";
    EXPECT_FALSE(near({50, 25}, done)) << "the second is not yet";
    EXPECT_TRUE(near({49, 10}, tool)) << "the tool's cross";
    picture.resize(300, 300);
    EXPECT_TRUE(near({25, 10}, done)) << "another view paints the done part where it now lies";
    EXPECT_FALSE(near({50, 25}, done));

    picture.showMachine(99, std::nullopt);  // more lines than the way: all of it
    EXPECT_TRUE(near({50, 25}, done));
    EXPECT_TRUE(near({75, 40}, done));
    EXPECT_FALSE(near({49, 10}, tool));

    picture.showMachinePath({});
    picture.showMachine(0, std::nullopt);
    EXPECT_FALSE(near({25, 10}, done)) << "the job's end takes the overlay away";
}

}  // namespace
}  // namespace zrv
