#include <gtest/gtest.h>

#include "preview/height_shading.h"

namespace zrv {
namespace {

// A 2 x 2 grid: one filled cell in the colour of its mean height, four probe dots, the lowest and
// the highest point marked in the scale's end colours, all under what was drawn before.
TEST(HeightShading, CellsDotsAndExtremesUnderTheFigures) {
    EXPECT_EQ(heightColour(0), rgb(110, 150, 255));
    EXPECT_EQ(heightColour(0.5), rgb(130, 225, 130));
    EXPECT_EQ(heightColour(1), rgb(255, 120, 100));
    PreviewScene scene;
    const Primitive figure{Shape::Line, {0, 0}, {10, 0}, 1, rgb(0, 0, 0)};
    scene.primitives.push_back(figure);
    addHeightShading(scene, HeightGrid{{0, 0, 10, 8, 2, 2}, {0, 0.2, 0.1, 0.3}});
    ASSERT_EQ(scene.primitives.size(), 8U);
    EXPECT_EQ(scene.primitives[0], (Primitive{Shape::Fill, {0, 0}, {10, 8}, 1, heightColour(0.5)}));
    EXPECT_EQ(scene.primitives[4].from, (Point{10, 8}));
    EXPECT_EQ(scene.primitives[5], (Primitive{Shape::Dot, {0, 0}, {0, 0}, 10, heightColour(0)}));
    EXPECT_EQ(scene.primitives[6], (Primitive{Shape::Dot, {10, 8}, {10, 8}, 10, heightColour(1)}));
    EXPECT_EQ(scene.primitives.back(), figure);
}

}  // namespace
}  // namespace zrv
