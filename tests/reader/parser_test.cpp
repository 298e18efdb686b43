#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>
#include <string>
#include <vector>

#include "analyse_helper.h"
#include "store/entry_text.h"
#include "support/drawing_builder.h"

namespace zrv {
namespace {

using test::analyse;
using test::colours;
using test::DrawingBuilder;
using test::kOneToOne;
using test::Layout;
using test::Vertex;

constexpr float kHalfPi = std::numbers::pi_v<float> / 2;

TEST(PointParser, WorkedRecordWithRedColourAndTheStandardScale) {
    std::string record(32, '\0');
    record.replace(0, 4, std::string("\x08\x01\x00\x02", 4));
    record.replace(15, 3, std::string("\xFF\x00\x00", 3));
    record.replace(24, 4, std::string("\x00\x00\x20\x41", 4));  // 10.0
    record.replace(28, 4, std::string("\x00\x00\xA0\x40", 4));  // 5.0
    const auto result = analyse(std::string("\x07ZIRVA40") + record,
                                colours({&FigureFilter::Check_FARBE_ROT}), Calibration{5.0, 2.54});
    ASSERT_TRUE(result.status.ok()) << result.status.error;
    EXPECT_EQ(result.store.PUNKTE, (std::vector<std::string>{" X=0000.508 Y=0000.254"}));
    const Extents& e = result.store.extents;
    EXPECT_EQ(e.X_MIN, 10.0 * 2.54 / 5.0 / 10);
    EXPECT_EQ(e.X_MAX, e.X_MIN);
    EXPECT_EQ(e.Y_MIN, 5.0 * 2.54 / 5.0 / 10);
    EXPECT_EQ(e.Y_MAX, e.Y_MIN);
}

TEST(PointParser, NegativeValuesKeepTheirSignInFrontOfTheZeros) {
    const auto result =
        analyse(DrawingBuilder().point({1234.56f, -15}, test::kRot).bytes(), {}, kOneToOne);
    EXPECT_EQ(result.store.PUNKTE, (std::vector<std::string>{" X=0123.456 Y=-0001.500"}));
}

TEST(Parsers, OneValueWrittenWithEachListsPattern) {
    const auto result = analyse(DrawingBuilder()
                                    .point({125, -35}, test::kRot)
                                    .line({{125, 52.5f}}, test::kBlau)
                                    .circle({115, 115}, {135, 135}, 0, 0, test::kGrau)
                                    .bytes(),
                                {}, kOneToOne);
    EXPECT_EQ(result.store.PUNKTE[0], " X=0012.500 Y=-0003.500");
    EXPECT_EQ(result.store.LINIEN[0], " X=12.500 Y=05.250");
    EXPECT_EQ(result.store.KREISE[0], " X=12.500 Y=12.500 R=1.000 A=0.000 B=0.000 V=0.000");
}

TEST(LineParser, NPlusOneVerticesAndTheSameTextInTheMillingList) {
    const auto result = analyse(
        DrawingBuilder().line({{0, 0}}, test::kBlau).line({{0, 0}, {254, 0}}, test::kBlau).bytes(),
        {}, kOneToOne);
    const std::vector<std::string> expected{" X=00.000 Y=00.000",
                                            " X=00.000 Y=00.000 X=25.400 Y=00.000"};
    EXPECT_EQ(result.store.LINIEN, expected);
    EXPECT_EQ(result.store.FRAESUNGEN, expected);
}

TEST(LineParser, TheLongestLineHas256Vertices) {
    std::vector<Vertex> vertices;
    for (int i = 0; i < 256; ++i) {
        vertices.push_back({static_cast<float>(i), 0});
    }
    const auto result = analyse(DrawingBuilder().line(vertices, test::kBlau).bytes());
    ASSERT_EQ(result.store.LINIEN.size(), 1u);
    EXPECT_EQ(readPairs(result.store.LINIEN[0]).size(), 256u);
}

const std::string kRectangle0105 =
    " X=00.000 Y=00.000 X=10.000 Y=00.000 X=10.000 Y=00.000 X=10.000 Y=05.000"
    " X=10.000 Y=05.000 X=00.000 Y=05.000 X=00.000 Y=05.000 X=00.000 Y=00.000";

TEST(RectangleParser, BothLayoutsGiveEightPairs) {
    for (const char* tag : {"ZIRVA40", "ZIRVA70"}) {
        SCOPED_TRACE(tag);
        const auto result =
            analyse(DrawingBuilder(tag).rectangle({0, 0}, {100, 50}, test::kSchwarz).bytes(), {},
                    kOneToOne);
        EXPECT_EQ(result.store.RECHTECKE, (std::vector<std::string>{kRectangle0105}));
        EXPECT_EQ(result.store.FRAESUNGEN, (std::vector<std::string>{kRectangle0105}));
    }
}

TEST(RectangleParser, NewerLayoutRunsThroughTheFourCornersAsStored) {
    const auto result = analyse(
        DrawingBuilder("ZIRVA70")
            .quadrilateral({Vertex{0, 0}, {100, 100}, {0, 200}, {-100, 100}}, test::kSchwarz)
            .bytes(),
        {}, kOneToOne);
    EXPECT_EQ(result.store.RECHTECKE[0],
              " X=00.000 Y=00.000 X=10.000 Y=10.000 X=10.000 Y=10.000 X=00.000 Y=20.000"
              " X=00.000 Y=20.000 X=-10.000 Y=10.000 X=-10.000 Y=10.000 X=00.000 Y=00.000");
    const Extents& e = result.store.extents;
    EXPECT_EQ(e.X_MIN, -10);
    EXPECT_EQ(e.X_MAX, 10);
    EXPECT_EQ(e.Y_MAX, 20);
}

TEST(PolygonParser, ATriangleIsClosedByItsFirstVertex) {
    const auto result =
        analyse(DrawingBuilder().polygon({{0, 0}, {100, 0}, {50, 80}}, test::kGruen).bytes(), {},
                kOneToOne);
    EXPECT_EQ(result.store.POLYGONE,
              (std::vector<std::string>{
                  " X=00.000 Y=00.000 X=10.000 Y=00.000 X=05.000 Y=08.000 X=00.000 Y=00.000"}));
    EXPECT_EQ(result.store.FRAESUNGEN, result.store.POLYGONE);
}

// Every arc point lies on the circle, in the order of the growing angle.
void expectOnCircle(const std::vector<Point>& path, Point centre, double radius) {
    for (const Point& p : path) {
        EXPECT_NEAR(std::hypot(p.x - centre.x, p.y - centre.y), radius, 0.001);
    }
}

TEST(CircleParser, AFullCircleHas22PointsFromAndBackToTheTopOfTheArc) {
    const auto result = analyse(
        DrawingBuilder().circle({400, 400}, {600, 600}, 0, 0, test::kGrau).bytes(), {}, kOneToOne);
    EXPECT_EQ(result.store.KREISE,
              (std::vector<std::string>{" X=50.000 Y=50.000 R=10.000 A=0.000 B=0.000 V=0.000"}));
    ASSERT_EQ(result.store.FRAESUNGEN.size(), 1u);
    const std::vector<Point> path = readPairs(result.store.FRAESUNGEN[0]);
    ASSERT_EQ(path.size(), 22u);
    EXPECT_EQ(path.front(), (Point{60, 50}));
    EXPECT_EQ(path.back(), (Point{60, 50}));
    EXPECT_EQ(path[1], (Point{59.553, 47.045}));  // t = PI/2 + 0.3
    expectOnCircle(path, {50, 50}, 10);
    EXPECT_TRUE(result.store.FRAESUNGEN[0].starts_with(" X=60.000 Y=50.000 X=59.553 Y=47.045"));
}

TEST(CircleParser, AQuarterArcHasSixLoopPointsAndItsEndPoint) {
    const auto result =
        analyse(DrawingBuilder().circle({400, 400}, {600, 600}, 0, kHalfPi, test::kGrau).bytes(),
                {}, kOneToOne);
    EXPECT_EQ(result.store.KREISE[0], " X=50.000 Y=50.000 R=10.000 A=0.000 B=1.571 V=0.000");
    const std::vector<Point> path = readPairs(result.store.FRAESUNGEN[0]);
    ASSERT_EQ(path.size(), 7u);
    EXPECT_EQ(path.front(), (Point{60, 50}));
    EXPECT_EQ(path.back(), (Point{50, 40}));  // t = PI
    expectOnCircle(path, {50, 50}, 10);
}

TEST(CircleParser, AnEndAngleBeforeTheStartGoesOnPastAFullTurn) {
    const auto result =
        analyse(DrawingBuilder().circle({400, 400}, {600, 600}, kHalfPi, 0, test::kGrau).bytes(),
                {}, kOneToOne);
    const std::vector<Point> path = readPairs(result.store.FRAESUNGEN[0]);
    // From PI to 2.5 PI: three quarters of a turn, 16 loop points and the end point.
    ASSERT_EQ(path.size(), 17u);
    EXPECT_EQ(path.front(), (Point{50, 40}));
    EXPECT_EQ(path.back(), (Point{60, 50}));
}

TEST(CircleParser, AnEllipseTakesTheLargerSemiAxisAndItsRatioInTheNewerLayout) {
    const auto newer =
        analyse(DrawingBuilder("ZIRVA70").circle({0, 0}, {200, 100}, 0, 0, test::kGrau).bytes(), {},
                kOneToOne);
    EXPECT_EQ(newer.store.KREISE[0], " X=10.000 Y=5.000 R=10.000 A=0.000 B=0.000 V=0.500");
    expectOnCircle(readPairs(newer.store.FRAESUNGEN[0]), {10, 5}, 10);
    const auto older =
        analyse(DrawingBuilder("ZIRVA40").circle({0, 0}, {200, 100}, 0, 0, test::kGrau).bytes(), {},
                kOneToOne);
    EXPECT_EQ(older.store.KREISE[0], " X=10.000 Y=5.000 R=10.000 A=0.000 B=0.000 V=0.000");
}

TEST(CircleParser, ABoxOfNoWidthGivesNoAxisRatio) {
    const auto result =
        analyse(DrawingBuilder("ZIRVA70").circle({100, 0}, {100, 100}, 0, 0, test::kGrau).bytes(),
                {}, kOneToOne);
    EXPECT_EQ(result.store.KREISE[0], " X=10.000 Y=5.000 R=5.000 A=0.000 B=0.000 V=0.000");
}

TEST(CircleParser, OnlyTheBoxCornersWidenTheExtentsNotTheStoredCentre) {
    std::string bytes =
        DrawingBuilder("ZIRVA70").circle({0, 0}, {100, 100}, 0, 0, test::kGrau).bytes();
    bytes.replace(8 + 284, 4, test::floatBytes(5000));  // centre X far outside the box
    const auto result = analyse(bytes, {}, kOneToOne);
    EXPECT_EQ(result.store.KREISE[0], " X=500.000 Y=5.000 R=5.000 A=0.000 B=0.000 V=1.000");
    EXPECT_EQ(result.store.extents.X_MAX, 10);
    EXPECT_EQ(result.store.extents.X_MIN, 0);
}

TEST(Layouts, OnlyTheExactTagZIRVA70ChoosesTheNewerLayout) {
    // Lower-case letters pass the header test but the records are read in the older layout.
    const auto lower = analyse(DrawingBuilder("zirva70", Layout::Older)
                                   .circle({0, 0}, {100, 100}, 0, 0, test::kGrau)
                                   .bytes(),
                               {}, kOneToOne);
    EXPECT_EQ(lower.version, "zirva70");
    EXPECT_EQ(lower.store.KREISE,
              (std::vector<std::string>{" X=5.000 Y=5.000 R=5.000 A=0.000 B=0.000 V=0.000"}));
    const auto older = analyse(DrawingBuilder("ZIRVA60", Layout::Older)
                                   .rectangle({0, 0}, {100, 50}, test::kSchwarz)
                                   .bytes(),
                               {}, kOneToOne);
    EXPECT_EQ(older.store.RECHTECKE, (std::vector<std::string>{kRectangle0105}));
}

TEST(Parsers, TheColourBoxesDecideWhichFiguresAreTaken) {
    const std::string bytes = DrawingBuilder()
                                  .point({10, 10}, test::kGruen)
                                  .point({20, 20}, test::Rgb{0x80, 0x80, 0x80})
                                  .line({{0, 0}, {1, 1}}, test::Rgb{0x80, 0x80, 0x80})
                                  .line({{0, 0}, {2, 2}}, test::kGruen)
                                  .bytes();
    struct Case {
        const char* name;
        FigureFilter filter;
        std::size_t points;
        std::size_t lines;
    };
    const Case cases[] = {
        {"green", colours({&FigureFilter::Check_FARBE_GRUEN}), 1, 1},
        {"all", colours({&FigureFilter::Check_FARBE_ALLE}), 2, 2},
        {"red and blue", colours({&FigureFilter::Check_FARBE_ROT, &FigureFilter::Check_FARBE_BLAU}),
         0, 0},
        {"none", colours({}), 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto result = analyse(bytes, c.filter);
        EXPECT_EQ(result.store.PUNKTE.size(), c.points);
        EXPECT_EQ(result.store.LINIEN.size(), c.lines);
    }
}

TEST(Parsers, ADisabledKindIsNotReadAndNotAnnounced) {
    const std::string bytes = DrawingBuilder()
                                  .point({10, 10}, test::kRot)
                                  .line({{0, 0}, {1, 1}}, test::kBlau)
                                  .rectangle({0, 0}, {5, 5}, test::kSchwarz)
                                  .polygon({{0, 0}, {1, 0}, {0, 1}}, test::kGruen)
                                  .circle({0, 0}, {4, 4}, 0, 0, test::kGrau)
                                  .bytes();
    struct Case {
        int FigureFilter::*box;
        FigureList list;
        const char* announcement;
        std::size_t millingPaths;
    };
    const Case cases[] = {
        {&FigureFilter::Check_ENABLED_BOHRUNGEN, FigureList::Punkte, "Analyse Punkte", 4},
        {&FigureFilter::Check_ENABLED_LINIEN, FigureList::Linien, "Analyse Linien", 3},
        {&FigureFilter::Check_ENABLED_RECHTECKE, FigureList::Rechtecke, "Analyse Rechtecke", 3},
        {&FigureFilter::Check_ENABLED_POLYGONE, FigureList::Polygone, "Analyse Polygone", 3},
        {&FigureFilter::Check_ENABLED_KREISE, FigureList::Kreise, "Analyse Kreise", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.announcement);
        FigureFilter filter;
        filter.*c.box = 0;
        const auto result = analyse(bytes, filter);
        EXPECT_TRUE(figureList(result.store, c.list).empty());
        EXPECT_EQ(result.store.FRAESUNGEN.size(), c.millingPaths);
        EXPECT_EQ(std::count(result.lines.begin(), result.lines.end(), c.announcement), 0);
        filter.*c.box = 2;  // a greyed box still reads its kind
        EXPECT_EQ(figureList(analyse(bytes, filter).store, c.list).size(), 1u);
    }
}

TEST(Parsers, StatusLinesInOrderWithTheFixedByteFaults) {
    std::string bytes = DrawingBuilder().point({1, 1}, test::kRot).bytes();
    std::string dirtyRectangle(40, '\0');
    dirtyRectangle.replace(0, 3, std::string("\x02\x00\x01", 3));
    dirtyRectangle[20] = '\x07';
    std::string dirtyPoint(32, '\0');
    dirtyPoint.replace(0, 4, std::string("\x08\x01\x00\x02", 4));
    dirtyPoint[6] = '\x01';
    const auto result = analyse(bytes + dirtyRectangle + dirtyPoint);
    EXPECT_EQ(result.lines, (std::vector<std::string>{"", "Analyse Header", "Analyse Punkte", "?",
                                                      "Analyse Linien", "Analyse Rechtecke", "???",
                                                      "Analyse Polygone", "Analyse Kreise"}));
    EXPECT_EQ(result.store.PUNKTE.size(), 1u);
    EXPECT_TRUE(result.store.RECHTECKE.empty());
}

TEST(Parsers, TheMillingListHoldsLinesRectanglesPolygonsCirclesInThatOrder) {
    const auto result = analyse(DrawingBuilder()
                                    .circle({0, 0}, {100, 100}, 0, 0, test::kGrau)
                                    .polygon({{0, 0}, {10, 0}, {0, 10}}, test::kGruen)
                                    .rectangle({0, 0}, {20, 20}, test::kSchwarz)
                                    .line({{0, 0}, {30, 30}}, test::kBlau)
                                    .bytes());
    const FigureStore& s = result.store;
    ASSERT_EQ(s.FRAESUNGEN.size(), 4u);
    EXPECT_EQ(s.FRAESUNGEN[0], s.LINIEN[0]);
    EXPECT_EQ(s.FRAESUNGEN[1], s.RECHTECKE[0]);
    EXPECT_EQ(s.FRAESUNGEN[2], s.POLYGONE[0]);
    EXPECT_EQ(readPairs(s.FRAESUNGEN[3]).size(), 22u);
}

TEST(Parsers, EntriesAreTheSameInEveryLocale) {
    const std::string bytes = test::DrawingBuilder("ZIRVA70")
                                  .point({1234.5f, -7}, test::kRot)
                                  .line({{1, 2}, {3, 4}}, test::kBlau)
                                  .circle({0, 0}, {30, 20}, 0.5f, 2, test::kGrau)
                                  .bytes();
    const auto german = analyse(bytes, {}, {}, kGermanLocale);
    const auto plain = analyse(bytes, {}, {}, kCLocale);
    for (FigureList list : kAllFigureLists) {
        EXPECT_EQ(figureList(german.store, list), figureList(plain.store, list));
        for (const std::string& entry : figureList(german.store, list)) {
            EXPECT_EQ(entry.find(','), std::string::npos) << entry;
        }
    }
}

TEST(Parsers, RandomFiguresReadBackAsTheirCalibratedValues) {
    std::mt19937 random(99);
    std::uniform_real_distribution<float> value(-2000, 2000);
    const Calibration calibration{5.0, 2.54};
    const auto mm = [&](float v) { return static_cast<double>(v) * 2.54 / 5.0 / 10; };
    for (int round = 0; round < 50; ++round) {
        std::vector<Vertex> vertices(static_cast<std::size_t>(round % 7 + 1));
        for (Vertex& v : vertices) {
            v = {value(random), value(random)};
        }
        const Vertex p{value(random), value(random)};
        const auto result =
            analyse(DrawingBuilder().point(p, test::kRot).line(vertices, test::kBlau).bytes(), {},
                    calibration);
        ASSERT_EQ(result.store.PUNKTE.size(), 1u);
        const Point point = readPoint(result.store.PUNKTE[0]);
        EXPECT_NEAR(point.x, mm(p.x), 0.0005);
        EXPECT_NEAR(point.y, mm(p.y), 0.0005);
        const std::vector<Point> pairs = readPairs(result.store.LINIEN[0]);
        ASSERT_EQ(pairs.size(), vertices.size());
        for (std::size_t i = 0; i < pairs.size(); ++i) {
            EXPECT_NEAR(pairs[i].x, mm(vertices[i].x), 0.0005);
            EXPECT_NEAR(pairs[i].y, mm(vertices[i].y), 0.0005);
        }
    }
}

TEST(Parsers, ADrawingWithoutAcceptedFiguresLeavesTheStartExtents) {
    const auto result = analyse(DrawingBuilder().point({1, 1}, test::kOrange).bytes(), colours({}));
    EXPECT_TRUE(result.status.ok());
    const Extents& e = result.store.extents;
    EXPECT_EQ(e.X_MAX, -999999);
    EXPECT_EQ(e.Y_MAX, -999999);
    EXPECT_EQ(e.X_MIN, 999999);
    EXPECT_EQ(e.Y_MIN, 999999);
}

}  // namespace
}  // namespace zrv
