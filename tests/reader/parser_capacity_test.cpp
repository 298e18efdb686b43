#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "analyse_helper.h"
#include "support/drawing_builder.h"

namespace zrv {
namespace {

using test::analyse;
using test::DrawingBuilder;

DrawingBuilder points(std::size_t count) {
    DrawingBuilder drawing;
    for (std::size_t i = 0; i < count; ++i) {
        drawing.point({static_cast<float>(i % 1000), static_cast<float>(i / 1000)}, test::kRot);
    }
    return drawing;
}

DrawingBuilder& addLines(DrawingBuilder& drawing, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        const auto x = static_cast<float>(i % 1000);
        drawing.line({{x, 0}, {x, 10}}, test::kBlau);
    }
    return drawing;
}

bool announced(const test::Analysed& result, const char* line) {
    return std::find(result.lines.begin(), result.lines.end(), line) != result.lines.end();
}

TEST(Capacity, The30001stPointEndsThePointScanWithAMessage) {
    DrawingBuilder drawing = points(30001);
    drawing.line({{0, 0}, {1, 1}}, test::kBlau);
    const auto result = analyse(drawing.bytes());
    ASSERT_TRUE(result.status.ok()) << result.status.error;
    EXPECT_EQ(result.store.PUNKTE.size(), 30000u);
    EXPECT_EQ(result.messages, (std::vector<std::string>{"maximal 30000 möglich"}));
    EXPECT_EQ(result.store.LINIEN.size(), 1u);  // the later parsers still run
}

TEST(Capacity, ThirtyThousandPointsFitWithoutAMessage) {
    const auto result = analyse(points(30000).bytes());
    EXPECT_EQ(result.store.PUNKTE.size(), 30000u);
    EXPECT_TRUE(result.messages.empty());
}

TEST(Capacity, ALineListHolds30001Entries) {
    DrawingBuilder drawing;
    const auto result = analyse(addLines(drawing, 30001).bytes());
    ASSERT_TRUE(result.status.ok()) << result.status.error;
    EXPECT_EQ(result.store.LINIEN.size(), 30001u);
    EXPECT_EQ(result.store.FRAESUNGEN.size(), 30001u);
}

TEST(Capacity, OneLineMoreIsAnAnalysisFailureThatKeepsWhatWasRead) {
    DrawingBuilder drawing;
    addLines(drawing, 30002).rectangle({0, 0}, {5, 5}, test::kSchwarz);
    const auto result = analyse(drawing.bytes());
    ASSERT_FALSE(result.status.ok());
    EXPECT_EQ(result.status.error,
              "Die Zeichnung \"test.zrv\" wurde nicht vollständig gelesen: die Liste LINIEN ist "
              "voll (höchstens 30001 Einträge).");
    EXPECT_EQ(result.store.LINIEN.size(), 30001u);
    EXPECT_EQ(result.store.FRAESUNGEN.size(), 30001u);
    EXPECT_FALSE(announced(result, "Analyse Rechtecke"));  // the analysis ended there
}

TEST(Capacity, TheSharedMillingListOverflowsAcrossKinds) {
    DrawingBuilder drawing;
    addLines(drawing, 30001)
        .rectangle({0, 0}, {5, 5}, test::kSchwarz)
        .circle({0, 0}, {5, 5}, 0, 0, test::kGrau);
    FigureFilter filter;
    const auto rectangles = analyse(drawing.bytes(), filter);
    ASSERT_FALSE(rectangles.status.ok());
    EXPECT_NE(rectangles.status.error.find("die Liste FRÄSUNGEN ist voll"), std::string::npos);
    EXPECT_TRUE(rectangles.store.RECHTECKE.empty());  // neither list takes the figure

    filter.Check_ENABLED_RECHTECKE = 0;
    const auto circles = analyse(drawing.bytes(), filter);
    ASSERT_FALSE(circles.status.ok());
    // A circle is stored in KREISE before its milling path finds the list full.
    EXPECT_EQ(circles.store.KREISE.size(), 1u);
    EXPECT_EQ(circles.store.FRAESUNGEN.size(), 30001u);
}

}  // namespace
}  // namespace zrv
