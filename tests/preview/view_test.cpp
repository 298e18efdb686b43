#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdint>
#include <cstring>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "preview/caption_font.h"
#include "preview/picture.h"
#include "preview/raster.h"
#include "preview/scene.h"
#include "preview/scene_index.h"
#include "preview/snap.h"
#include "preview/view_transform.h"
#include "support/file_bytes.h"
#include "support/scratch_folder.h"

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
    EXPECT_EQ(firstPointText({10, 10}, kGermanLocale),
              "Messen: erster Punkt X 10,00 mm Y 10,00 mm; Shift+Klick auf den zweiten");
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

// Where every shape covers whole pixels, a frame at twice the pixels is the same frame with
// each pixel a 2 x 2 block: the window's frames on a scaled screen, painted as screen words.
TEST(Raster, TwiceTheDevicePixelsGiveEachPixelAsATwoByTwoBlock) {
    PreviewScene scene;
    scene.primitives = {{Shape::Fill, {2, 3}, {7, 9}, 1, rgb(0, 0, 255)},
                        {Shape::Box, {10, 2}, {16, 8}, 2, rgb(255, 0, 0)},
                        {Shape::Box, {4, 5}, {20, 13}, 4, rgb(0, 128, 0)},
                        {Shape::Line, {-5, 12}, {40, 12}, 2, rgb(0, 0, 0)}};
    const std::vector<std::uint32_t> all{0, 1, 2, 3};
    const ViewTransform view = pan({}, 1, 0);
    const RgbImage small = rasterise(scene, view, 24, 16);
    const RgbImage large = rasterise(scene, all, devicePixels(view, 2), 2, 48, 32);
    const RgbImage wholeLarge = rasterise(scene, devicePixels(view, 2), 48, 32, 2);
    EXPECT_EQ(wholeLarge.pixels, large.pixels);
    const RgbImage words =
        rasterise(scene, all, devicePixels(view, 2), 2, 48, 32, PixelLayout::Word);
    ASSERT_EQ(words.pixels.size(), 48u * 32 * 4);
    std::uint32_t last = 0;
    std::memcpy(&last, &words.pixels[4 * (32 * 48 - 1)], 4);
    EXPECT_EQ(last, 0xFFFEF9DEu) << "the background as the word 0xFFRRGGBB";
    std::map<Colour, int> colours;
    for (int y = 0; y < small.height; ++y) {
        for (int x = 0; x < small.width; ++x) {
            SCOPED_TRACE(testing::Message() << x << ", " << y);
            const Colour c = small.at(x, y);
            ++colours[c];
            EXPECT_EQ(large.at(2 * x, 2 * y), c);
            EXPECT_EQ(large.at(2 * x + 1, 2 * y), c);
            EXPECT_EQ(large.at(2 * x, 2 * y + 1), c);
            EXPECT_EQ(large.at(2 * x + 1, 2 * y + 1), c);
            EXPECT_EQ(words.at(2 * x + 1, 2 * y + 1), c);
        }
    }
    EXPECT_EQ(colours.size(), 5u) << "every shape and the background show";
}

// The caption's font paints the same pixels into a picture and into a screen frame: "-1" at
// twice the size, clipped at the right edge (hand-worked from the 5 x 7 glyphs).
TEST(Raster, CaptionPaintsTheSamePixelsInBothLayouts) {
    const Colour ink = rgb(0, 0, 255);
    for (const PixelLayout layout : {PixelLayout::Rgb, PixelLayout::Word}) {
        SCOPED_TRACE(layout == PixelLayout::Rgb ? "Rgb" : "Word");
        const PreviewScene empty;
        RgbImage image = rasterise(empty, {}, 20, 16, 1, layout);
        paintCaption(image, 1, 1, "-1", 2, ink);
        EXPECT_EQ(image.at(0, 7), kPictureBackground);
        EXPECT_EQ(image.at(1, 7), ink) << "the dash, row 3 of the glyph";
        EXPECT_EQ(image.at(10, 8), ink);
        EXPECT_EQ(image.at(11, 8), kPictureBackground);
        EXPECT_EQ(image.at(1, 6), kPictureBackground);
        EXPECT_EQ(image.at(17, 1), ink) << "the top of the 1";
        EXPECT_EQ(image.at(19, 14), ink) << "its foot, cut at the edge";
        EXPECT_EQ(image.at(13, 14), kPictureBackground);
        EXPECT_EQ(image.at(19, 15), kPictureBackground) << "below the glyph";
    }
}

struct PngRead {
    int width = 0;
    int height = 0;
    std::uint32_t pixelsPerMetre = 0;
    RgbImage image;
};

std::uint32_t bigEndian(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value = (value << 8) | static_cast<unsigned char>(bytes.at(at + i));
    }
    return value;
}

// A PNG as written (8-bit RGB, unfiltered rows), read with zlib alone; each chunk's check is
// verified.
PngRead readPng(const std::string& bytes) {
    PngRead read;
    EXPECT_EQ(bytes.substr(0, 8), std::string("\x89PNG\r\n\x1a\n"));
    std::string deflated;
    for (std::size_t at = 8; at + 12 <= bytes.size();) {
        const std::uint32_t length = bigEndian(bytes, at);
        const std::string type = bytes.substr(at + 4, 4);
        const std::string data = bytes.substr(at + 8, length);
        const auto* typed = reinterpret_cast<const Bytef*>(bytes.data() + at + 4);
        EXPECT_EQ(bigEndian(bytes, at + 8 + length), crc32(0, typed, length + 4)) << type;
        if (type == "IHDR") {
            read.width = static_cast<int>(bigEndian(data, 0));
            read.height = static_cast<int>(bigEndian(data, 4));
            EXPECT_EQ(data.substr(8), std::string("\x08\x02\0\0\0", 5));
        } else if (type == "pHYs") {
            EXPECT_EQ(bigEndian(data, 4), bigEndian(data, 0));
            EXPECT_EQ(data.at(8), 1) << "per metre";
            read.pixelsPerMetre = bigEndian(data, 0);
        } else if (type == "IDAT") {
            deflated += data;
        }
        at += 12 + length;
    }
    const std::size_t rowBytes = static_cast<std::size_t>(read.width) * 3 + 1;
    std::vector<Bytef> raw(rowBytes * static_cast<std::size_t>(read.height));
    uLongf size = raw.size();
    EXPECT_EQ(uncompress(raw.data(), &size, reinterpret_cast<const Bytef*>(deflated.data()),
                         deflated.size()),
              Z_OK);
    EXPECT_EQ(size, raw.size());
    read.image = {read.width, read.height, {}};
    for (std::size_t row = 0; row < static_cast<std::size_t>(read.height); ++row) {
        EXPECT_EQ(raw[row * rowBytes], 0) << "no filter";
        const Bytef* first = raw.data() + row * rowBytes;
        read.image.pixels.insert(read.image.pixels.end(), first + 1, first + rowBytes);
    }
    return read;
}

// A board from X -25.4 to 20.3: the frame reaches from 2.5 % of the width below the lowest
// hole, 20 pixels per mm, so the zero point lies at 26.5425 mm = pixel 531.
TEST(PreviewPicture, ABoardBelowZeroIsFramedWholeInThePngAndTheSvg) {
    FigureStore store;
    store.PUNKTE = {" X=-025.400 Y=0005.000", " X=0020.300 Y=0010.000"};
    store.extents = {-25.4, 20.3, 5, 10};
    ViewChoices view;
    view.Check_WEG_BOHRUNGEN = 0;
    view.Check_VIEW_LINEAL = 1;
    const PreviewScene scene = ZEICHNEN_VORSCHAU(store, view, {}, kGermanLocale);
    ASSERT_EQ(scene.ruler.caption, "25,4mm");
    test::ScratchFolder folder;
    ASSERT_TRUE(writePreviewPicture(folder.file("p.png"), scene).ok());
    ASSERT_TRUE(writePreviewPicture(folder.file("p.svg"), scene).ok());

    const PngRead png = readPng(test::readBytes(folder.file("p.png")));
    ASSERT_EQ(png.width, 960);  // 47.985 mm
    ASSERT_EQ(png.height, 210);
    EXPECT_EQ(png.pixelsPerMetre, 20000u);
    const Colour hole = view.Command_FARBE_VIEW_BOHRUNGEN;
    EXPECT_EQ(png.image.at(22, 100), hole) << "the hole at X -25.4";
    EXPECT_EQ(png.image.at(937, 200), hole) << "the hole at X 20.3";
    EXPECT_EQ(png.image.at(530, 6), kPictureBackground) << "the ruler starts at zero";
    EXPECT_EQ(png.image.at(531, 6), rgb(0, 0, 0));
    EXPECT_EQ(png.image.at(959, 7), rgb(0, 0, 0)) << "and is cut at the edge";
    const std::vector<Colour> captionTop{kPictureBackground, kPictureBackground,
                                         rgb(0, 0, 0),       rgb(0, 0, 0),
                                         rgb(0, 0, 0),       kPictureBackground};
    for (int x = 0; x < 6; ++x) {
        EXPECT_EQ(png.image.at(532 + x, 15), captionTop[static_cast<std::size_t>(x)])
            << "the top of the caption's 2 at " << x;
    }
    const std::string svg = test::readBytes(folder.file("p.svg"));
    EXPECT_NE(svg.find(R"(viewBox="-26.5425 0 47.985 10.5")"), std::string::npos) << svg;
    EXPECT_NE(svg.find(R"(x="-26.5425" y="0" width="47.985")"), std::string::npos);

    FigureStore below;
    below.PUNKTE = {" X=-050.000 Y=-030.000"};
    below.extents = {-50, -10, -30, -5};
    const PictureFrame frame = wholeBoardPicture(ZEICHNEN_VORSCHAU(below, view, {}, kGermanLocale));
    EXPECT_NEAR(frame.xFrom, -51.275, 1e-9) << "to X 1, the least width";
    EXPECT_NEAR(frame.widthMm, 53.55, 1e-9);
    EXPECT_NEAR(frame.yFrom, -30.775, 1e-9);
}

}  // namespace
}  // namespace zrv
