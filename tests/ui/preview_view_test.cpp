#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
#include <cmath>
#include <filesystem>

#include "preview/picture.h"
#include "support/file_bytes.h"
#include "support/scratch_folder.h"
#include "ui/widgets/preview_widget.h"

namespace zrv {
namespace {

constexpr Colour kRed = rgb(255, 0, 0);

// 100 x 50 mm with holes at (50, 25) and (52.54, 25); in a 420 x 210 picture 4 pixels per mm.
PreviewScene twoHoles() {
    PreviewScene scene;
    scene.xMax = 100;
    scene.yMax = 50;
    for (const Point hole : {Point{50, 25}, Point{52.54, 25}}) {
        scene.primitives.push_back({Shape::Dot, hole, hole, 3, kRed});
        scene.snapPoints.push_back({hole, SnapKind::Hole});
    }
    return scene;
}

int redPixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += image.pixelColor(x, y) == QColor(255, 0, 0) ? 1 : 0;
        }
    }
    return count;
}

void wheel(QWidget& widget, QPointF at, int notches) {
    QWheelEvent event(at, widget.mapToGlobal(at), {}, {0, 120 * notches}, Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&widget, &event);
}

// Zoomed in, a hole keeps its 3-pixel dot, so neighbouring features stay apart; the ruler,
// whose zero point has left the picture, moves to the left edge.
TEST(PreviewView, WheelingInKeepsPenWidthsAndTheRulerAndHomeShowsTheWholeBoard) {
    PreviewWidget picture(nullptr);
    picture.resize(420, 210);
    PreviewScene scene = twoHoles();
    scene.ruler = {true, 25.4, "25,4mm"};
    picture.showScene(scene);
    const int before = redPixels(picture.grab().toImage());
    wheel(picture, {200, 100}, 5);
    EXPECT_DOUBLE_EQ(picture.toPixels({50, 25}).x(), 200.0) << "stays under the pointer";
    const QImage zoomed = picture.grab().toImage();
    EXPECT_LE(redPixels(zoomed), 18) << "two dots of 3 x 3 pixels at most";
    EXPECT_EQ(zoomed.pixelColor(200, 100), QColor(255, 0, 0));
    EXPECT_EQ(zoomed.pixelColor(212, 100), QColor(254, 249, 222)) << "between the holes";
    auto* ruler = picture.findChild<QWidget*>(QStringLiteral("Line_LINEAL"));
    ASSERT_NE(ruler, nullptr);
    EXPECT_LT(picture.toPixels({0, 0}).x(), 0);
    EXPECT_EQ(ruler->x(), 0);
    EXPECT_EQ(ruler->width(), static_cast<int>(std::lround(25.4 * 4 * std::pow(1.2, 5))));
    picture.MENUE_ANSICHT_GANZE_PLATINE->trigger();
    EXPECT_EQ(redPixels(picture.grab().toImage()), before);
}

TEST(PreviewView, DraggingPansWithoutAClickAndShiftClicksMeasure) {
    PreviewWidget picture(nullptr);
    picture.resize(420, 210);
    picture.showScene(twoHoles());
    picture.show();
    QSignalSpy clicks(&picture, &PreviewWidget::clicked);
    QSignalSpy measured(&picture, &PreviewWidget::measured);
    QTest::mousePress(&picture, Qt::LeftButton, {}, {200, 100});
    QTest::mouseMove(&picture, {230, 120});
    QTest::mouseRelease(&picture, Qt::LeftButton, {}, {230, 120});
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_DOUBLE_EQ(picture.toPixels({50, 25}).x(), 230.0);
    EXPECT_DOUBLE_EQ(picture.toPixels({50, 25}).y(), 120.0);
    // A few pixels beside each hole: the measurement snaps to them, the first one marked.
    auto* mark = picture.findChild<QWidget*>(QStringLiteral("Shape_MESSPUNKT"));
    ASSERT_NE(mark, nullptr);
    QTest::mouseClick(&picture, Qt::LeftButton, Qt::ShiftModifier, {228, 121});
    EXPECT_TRUE(mark->isVisible());
    EXPECT_EQ(mark->geometry().center(), QPoint(230, 120));
    QTest::mouseClick(&picture, Qt::LeftButton, Qt::ShiftModifier, {243, 118});
    EXPECT_FALSE(mark->isVisible());
    ASSERT_EQ(measured.count(), 2);
    EXPECT_EQ(measured.at(0).at(0).toString(),
              QString::fromUtf8(
                  "Messen: erster Punkt X 50,00 mm Y 25,00 mm; Shift+Klick auf den zweiten"));
    EXPECT_EQ(measured.at(1).at(0).toString(),
              QString::fromUtf8("Abstand: 2,54 mm (X 2,54 mm, Y 0,00 mm)"));
    EXPECT_EQ(clicks.count(), 0);
}

TEST(PreviewPicture, WrittenPngAndSvgReadBack) {
    test::ScratchFolder folder;
    PreviewScene scene = twoHoles();
    scene.yUp = true;
    ASSERT_TRUE(writePreviewPicture(folder.file("p.png"), scene).ok());
    ASSERT_TRUE(writePreviewPicture(folder.file("p.svg"), scene).ok());
    EXPECT_FALSE(writePreviewPicture(folder.file("p.bmp"), scene).ok());

    // 105 x 52.5 mm at 1200 / 105 pixels per mm; Y up puts the holes at 52.5 - 25 mm.
    const QImage image(QString::fromStdString(folder.file("p.png")));
    ASSERT_EQ(image.size(), QSize(1200, 600));
    const double scale = 1200 / 105.0;
    EXPECT_EQ(image.pixelColor(static_cast<int>(50 * scale), static_cast<int>(27.5 * scale)),
              QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(10, 10), QColor(254, 249, 222));
    const std::string svg = test::readBytes(folder.file("p.svg"));
    EXPECT_NE(svg.find(R"(width="105mm" height="52.5mm" viewBox="0 0 105 52.5")"),
              std::string::npos);
    EXPECT_NE(svg.find("M50 27.5h0M52.54 27.5h0"), std::string::npos) << svg;
}

}  // namespace
}  // namespace zrv
