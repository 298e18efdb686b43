#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "job/load.h"
#include "reader/analysis.h"
#include "reader/record_scan.h"
#include "support/case_name.h"
#include "support/drawing_builder.h"
#include "support/file_bytes.h"
#include "support/recording_host.h"
#include "support/scratch_folder.h"

namespace zrv {
namespace {

using test::DrawingBuilder;

constexpr std::size_t kFull = kListCapacity;  // 30001

// Figure i on a grid wide enough that no two figures touch (so nothing is chained).
test::Vertex at(std::size_t i) {
    return {static_cast<float>(i % 150) * 60, static_cast<float>(i / 150) * 60};
}

struct Kind {
    const char* name;
    FigureList list;
    const char* listName;
    void (*add)(DrawingBuilder&, std::size_t i);
};

const std::vector<Kind> kMillingKinds = {
    {"Linien", FigureList::Linien, "LINIEN",
     [](DrawingBuilder& d, std::size_t i) {
         d.line({at(i), {at(i).x + 20, at(i).y}}, test::kBlau);
     }},
    {"Rechtecke", FigureList::Rechtecke, "RECHTECKE",
     [](DrawingBuilder& d, std::size_t i) {
         d.rectangle(at(i), {at(i).x + 20, at(i).y + 10}, test::kSchwarz);
     }},
    {"Polygone", FigureList::Polygone, "POLYGONE",
     [](DrawingBuilder& d, std::size_t i) {
         d.polygon({at(i), {at(i).x + 20, at(i).y}, {at(i).x, at(i).y + 20}}, test::kGruen);
     }},
    {"Kreise", FigureList::Kreise, "KREISE",
     [](DrawingBuilder& d, std::size_t i) {
         d.circle(at(i), {at(i).x + 20, at(i).y + 20}, 0, 0, test::kGrau);
     }},
};

struct Loaded {
    LoadResult result;
    ProgramState state;
    std::vector<std::string> messages;
    std::vector<std::string> lines;
    int redraws = 0;
};

// The whole load from disk with the factory choices: flush off, both optimisations on.
Loaded load(const std::string& bytes) {
    const test::ScratchFolder folder;
    const std::string path = folder.file("limits.zrv");
    test::writeBytes(path, bytes);
    Loaded loaded;
    test::RecordingHost recorder;
    loaded.result = DATEI_LADEN(loaded.state, path, factoryChoices(kGermanLocale), recorder.host);
    loaded.messages = recorder.progress.messages;
    loaded.lines = recorder.progress.lines;
    loaded.redraws = recorder.progress.redrawRequests;
    return loaded;
}

std::string drawingOf(const Kind& kind, std::size_t count) {
    DrawingBuilder drawing;
    for (std::size_t i = 0; i < count; ++i) {
        kind.add(drawing, i);
    }
    return drawing.bytes();
}

class MillingKindLimits : public testing::TestWithParam<Kind> {};

TEST_P(MillingKindLimits, AFullListLoadsWithEveryStep) {
    const Loaded loaded = load(drawingOf(GetParam(), kFull));
    ASSERT_EQ(loaded.result.outcome, LoadOutcome::Loaded) << loaded.result.message;
    EXPECT_TRUE(loaded.messages.empty());
    EXPECT_EQ(figureList(loaded.state.store, GetParam().list).size(), kFull);
    EXPECT_EQ(loaded.state.store.FRAESUNGEN.size(), kFull);
    EXPECT_EQ(loaded.redraws, 1);
}

TEST_P(MillingKindLimits, OneMoreIsAnAnalysisFailureThatKeepsTheFullList) {
    const Loaded loaded = load(drawingOf(GetParam(), kFull + 1));
    ASSERT_EQ(loaded.result.outcome, LoadOutcome::AnalysisFailed);
    const std::string expected =
        analysisFailureText("limits.zrv", "die Liste " + std::string(GetParam().listName) +
                                              " ist voll (höchstens 30001 Einträge)");
    EXPECT_EQ(loaded.result.message, expected);
    EXPECT_EQ(loaded.messages, std::vector<std::string>{expected});
    EXPECT_EQ(figureList(loaded.state.store, GetParam().list).size(), kFull);
    EXPECT_EQ(loaded.state.store.FRAESUNGEN.size(), kFull);
    EXPECT_EQ(loaded.redraws, 0);  // no flush, mirror, optimisation or preview
}

INSTANTIATE_TEST_SUITE_P(Kinds, MillingKindLimits, testing::ValuesIn(kMillingKinds),
                         test::CaseName{});

// The point scan stops itself: the 30001st point is announced, not counted, not kept.
TEST(PointLimits, The30001stPointGivesTheMessageAndOneMoreChangesNothing) {
    for (const std::size_t count : {kFull, kFull + 1}) {
        SCOPED_TRACE(count);
        DrawingBuilder drawing;
        for (std::size_t i = 0; i < count; ++i) {
            drawing.point(at(i), test::kRot);
        }
        const Loaded loaded = load(drawing.bytes());
        ASSERT_EQ(loaded.result.outcome, LoadOutcome::Loaded);
        EXPECT_EQ(loaded.messages, std::vector<std::string>{"maximal 30000 möglich"});
        const std::vector<std::string>& punkte = loaded.state.store.PUNKTE;
        ASSERT_EQ(punkte.size(), kFull - 1);
        // The grid's last point (the 30001st) lies alone at Y = 200 rows x 60 x 0.0508 mm.
        EXPECT_TRUE(std::none_of(punkte.begin(), punkte.end(), [](const std::string& entry) {
            return entry.find("Y=0609.600") != std::string::npos;
        }));
        EXPECT_EQ(loaded.redraws, 1);
    }
}

// Lines, rectangles and polygons share the milling list: it takes 30001 in all.
TEST(MillingLimits, TheSharedListOverflowsThroughTheSumOfKinds) {
    const auto build = [](std::size_t polygons) {
        DrawingBuilder drawing;
        for (std::size_t i = 0; i < 10000; ++i) {
            kMillingKinds[0].add(drawing, i);
            kMillingKinds[1].add(drawing, 10000 + i);
        }
        for (std::size_t i = 0; i < polygons; ++i) {
            kMillingKinds[2].add(drawing, 20000 + i);
        }
        return drawing.bytes();
    };
    const Loaded full = load(build(10001));
    ASSERT_EQ(full.result.outcome, LoadOutcome::Loaded) << full.result.message;
    EXPECT_EQ(full.state.store.FRAESUNGEN.size(), kFull);

    const Loaded over = load(build(10002));
    ASSERT_EQ(over.result.outcome, LoadOutcome::AnalysisFailed);
    EXPECT_EQ(over.result.message,
              analysisFailureText("limits.zrv",
                                  "die Liste FRÄSUNGEN ist voll (höchstens 30001 Einträge)"));
    EXPECT_EQ(over.state.store.POLYGONE.size(), 10001u);
    EXPECT_EQ(over.state.store.FRAESUNGEN.size(), kFull);
    EXPECT_EQ(over.redraws, 0);
}

// Random bytes behind a valid header end in a clear outcome: read whole, or a named failure.
TEST(RandomFile, EndsLoadedOrWithAShownMessage) {
    std::mt19937 random(30001);
    std::uniform_int_distribution<int> byte(0, 255);
    for (const char* header : {"\x07ZIRVA70", "\x07ZIRVA40"}) {
        SCOPED_TRACE(header + 1);
        std::string bytes(header);
        for (int i = 0; i < (2 << 20); ++i) {
            bytes += static_cast<char>(byte(random));
        }
        const Loaded loaded = load(bytes);
        const LoadOutcome outcome = loaded.result.outcome;
        ASSERT_TRUE(outcome == LoadOutcome::Loaded || outcome == LoadOutcome::AnalysisFailed);
        if (outcome == LoadOutcome::AnalysisFailed) {
            EXPECT_EQ(loaded.messages, std::vector<std::string>{loaded.result.message});
        }
        EXPECT_EQ(loaded.state.file.DATEI_INHALT, bytes);
    }
}

// A marker every four bytes whose fixed bytes are not zero: the status list names the first
// thousand and counts the rest in one line.
TEST(FaultFlood, TheStatusListStaysBounded) {
    struct Case {
        std::size_t faults;
        std::size_t questionLines;
        const char* summary;  // the line after them, if any
    };
    for (const Case& c :
         {Case{999, 999, nullptr}, Case{1000, 1000, nullptr}, Case{1001, 1000, "... 1 weitere"},
          Case{50000, 1000, "... 49000 weitere"}}) {
        SCOPED_TRACE(c.faults);
        std::string bytes = "\x07ZIRVA40";
        for (std::size_t i = 0; i < c.faults; ++i) {
            bytes.append("\x02\x00\x01\xFF", 4);
        }
        bytes.append(3, '\xFF');  // the last marker's fixed bytes too: not cut by the end
        const Loaded loaded = load(bytes);
        ASSERT_EQ(loaded.result.outcome, LoadOutcome::Loaded);
        const auto rechtecke =
            std::find(loaded.lines.begin(), loaded.lines.end(), "Analyse Rechtecke");
        ASSERT_NE(rechtecke, loaded.lines.end());
        const auto faultLines =
            static_cast<std::size_t>(std::count(rechtecke, loaded.lines.end(), "?"));
        EXPECT_EQ(faultLines, c.questionLines);
        const auto after = rechtecke + 1 + static_cast<std::ptrdiff_t>(c.questionLines);
        ASSERT_LT(after, loaded.lines.end());
        EXPECT_EQ(*after, c.summary != nullptr ? c.summary : "Analyse Polygone");
    }
}

}  // namespace
}  // namespace zrv
