#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "load_helper.h"
#include "support/case_name.h"
#include "support/drawing_builder.h"
#include "support/example_drawings.h"
#include "support/file_bytes.h"
#include "support/recording_host.h"
#include "support/scratch_folder.h"

namespace zrv {
namespace {

using Lines = std::vector<std::string>;

const Lines kParserLines{"",
                         "Analyse Header",
                         "Analyse Punkte",
                         "Analyse Linien",
                         "Analyse Rechtecke",
                         "Analyse Polygone",
                         "Analyse Kreise"};

Lines concat(Lines first, const Lines& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

class Load : public testing::Test {
  protected:
    LoadResult load(const std::string& path, const Choices& choices = test::unchangedOrder()) {
        return DATEI_LADEN(state, path, choices, recorder.host);
    }
    std::string write(const std::string& name, const std::string& bytes) {
        const std::string path = folder.file(name);
        test::writeBytes(path, bytes);
        return path;
    }

    test::ScratchFolder folder;
    test::RecordingHost recorder;
    ProgramState state;
};

TEST_F(Load, AnExampleGoesThroughEveryStepInOrder) {
    const std::string bytes = test::platine40Bytes();
    const std::string path = write("platine40.zrv", bytes);
    std::vector<std::size_t> linesAtEvents;
    recorder.progress.onEvents = [&] { linesAtEvents.push_back(recorder.progress.lines.size()); };
    const LoadResult result = load(path);
    EXPECT_EQ(result.outcome, LoadOutcome::Loaded);
    EXPECT_TRUE(result.message.empty());
    EXPECT_EQ(
        recorder.progress.lines,
        concat({"Datei öffnen...", "platine40.zrv   (1.184 Bytes) ", "0,000s"}, kParserLines));
    EXPECT_TRUE(recorder.progress.messages.empty());
    EXPECT_EQ(recorder.progress.lineClears, 1);
    EXPECT_EQ(recorder.progress.previewClears, 1);
    EXPECT_EQ(recorder.progress.redrawRequests, 1);
    // The window shows every line before the load goes on: pending events run while it is the
    // last one (an empty separator line excepted).
    for (std::size_t shown = 1; shown <= recorder.progress.lines.size(); ++shown) {
        if (!recorder.progress.lines[shown - 1].empty()) {
            EXPECT_NE(std::ranges::find(linesAtEvents, shown), linesAtEvents.end()) << shown;
        }
    }
    EXPECT_EQ(recorder.progress.versionCaption, "ZIRVA40");
    EXPECT_EQ(state.file.DATEI_NAME, path);
    EXPECT_EQ(state.file.DATEI_BASIS, folder.file("platine40"));
    EXPECT_EQ(state.file.DATEI_INHALT, bytes);
    EXPECT_EQ(state.file.DATEI_VERSION, "ZIRVA40");
    EXPECT_EQ(state.store.PUNKTE.size(), 16u);
    EXPECT_EQ(state.store.FRAESUNGEN.size(), 13u);
}

TEST_F(Load, TheCLocaleWritesItsOwnSigns) {
    test::RecordingHost plain(kCLocale);
    const std::string path = write("platine70.zrv7", test::platine70Bytes());
    DATEI_LADEN(state, path, test::unchangedOrder(), plain.host);
    EXPECT_EQ(Lines(plain.progress.lines.begin(), plain.progress.lines.begin() + 3),
              (Lines{"Datei öffnen...", "platine70.zrv7   (2,240 Bytes) ", "0.000s"}));
    EXPECT_EQ(state.file.DATEI_BASIS, folder.file("platine70"));
}

TEST_F(Load, TheFileSizeIsGroupedAndTheReadTimed) {
    const std::string path = write("gross.zrv", "\x07ZIRVA40" + std::string(12345 - 8, '\0'));
    struct Case {
        const char* name;
        double start;
        const char* elapsed;
    };
    for (const Case& c :
         {Case{"quarter second", 100, "0,250s"}, Case{"over midnight", 86399.875, "0,250s"}}) {
        SCOPED_TRACE(c.name);
        test::RecordingProgress progress;
        const test::SteppingClock clock(c.start, 0.25);
        Host host{progress, clock, kGermanLocale};
        DATEI_LADEN(state, path, test::unchangedOrder(), host);
        ASSERT_GE(progress.lines.size(), 3u);
        EXPECT_EQ(progress.lines[1], "gross.zrv   (12.345 Bytes) ");
        EXPECT_EQ(progress.lines[2], c.elapsed);
    }
}

struct OutcomeCase {
    const char* name;
    const char* fileName;  // written with `bytes` unless empty
    std::string bytes;
    const char* loadName;  // the name given to the load (in the folder unless it has no "/")
    LoadOutcome outcome;
    const char* message;    // a part of the message shown; "" for none
    std::size_t listLines;  // lines in List1 afterwards
    int previewClears;

    friend void PrintTo(const OutcomeCase& row, std::ostream* out) { *out << row.name; }
};

const OutcomeCase kOutcomeCases[] = {
    {"path shorter than five characters", "", "", "abcd", LoadOutcome::NoFile, "no Datei", 1, 0},
    {"empty path", "", "", "", LoadOutcome::NoFile, "no Datei", 1, 0},
    {"missing file", "", "", "fehlt.zrv", LoadOutcome::ReadFailed, "fehlt.zrv", 1, 0},
    {"a folder", "", "", "ordner.zrv", LoadOutcome::ReadFailed, "das ist ein Ordner", 1, 0},
    {"no extension", "zeichnung", "\x07ZIRVA40", "zeichnung", LoadOutcome::ReadFailed,
     "keine Endung", 2, 0},
    {"a device", "", "", "/dev/null", LoadOutcome::ReadFailed, "keine gewöhnliche Datei", 1, 0},
    {"empty file", "leer.zrv", "", "leer.zrv", LoadOutcome::Empty, "", 3, 1},
    {"first byte not 7", "fremd.zrv", "\x08ZIRVA40", "fremd.zrv", LoadOutcome::NotZirva,
     "no ZIRVA-Datei", 5, 1},
    {"tag without ZIRVA", "tag.zrv",
     "\x07"
     "ABCDEFG",
     "tag.zrv", LoadOutcome::ForeignTag, "", 5, 1},
    {"a single byte 7: a header cut off", "sieben.zrv", "\x07", "sieben.zrv",
     LoadOutcome::AnalysisFailed, "die Kennung ist vom Dateiende abgeschnitten", 5, 1},
    {"tag cut off", "kurz.zrv", "\x07ZIRVA", "kurz.zrv", LoadOutcome::AnalysisFailed,
     "die Kennung ist vom Dateiende abgeschnitten", 5, 1},
    {"lower-case tag", "klein.zrv", "\x07zirva70", "klein.zrv", LoadOutcome::Loaded, "", 10, 1},
};

class LoadOutcomes : public testing::TestWithParam<OutcomeCase> {};

TEST_P(LoadOutcomes, EachEndsWithItsMessageAndLeavesTheStoreReset) {
    const OutcomeCase& c = GetParam();
    test::ScratchFolder folder;
    if (*c.fileName != '\0') {
        test::writeBytes(folder.file(c.fileName), c.bytes);
    }
    std::filesystem::create_directories(folder.path() / "ordner.zrv");
    // Short names and absolute paths are given as they are, the others lie in the folder.
    const std::string name = c.loadName;
    const std::string path = name.size() < 5 || name.starts_with('/') ? name : folder.file(name);
    test::RecordingHost recorder;
    ProgramState state;
    state.store.PUNKTE.push_back(" X=0001.000 Y=0001.000");
    const LoadResult result = DATEI_LADEN(state, path, test::unchangedOrder(), recorder.host);
    EXPECT_EQ(result.outcome, c.outcome);
    if (*c.message == '\0') {
        EXPECT_TRUE(recorder.progress.messages.empty());
    } else {
        ASSERT_EQ(recorder.progress.messages.size(), 1u);
        EXPECT_NE(recorder.progress.messages[0].find(c.message), std::string::npos)
            << recorder.progress.messages[0];
        EXPECT_EQ(result.message, recorder.progress.messages[0]);
    }
    EXPECT_EQ(recorder.progress.lines.size(), c.listLines);
    EXPECT_EQ(recorder.progress.previewClears, c.previewClears);
    EXPECT_TRUE(state.store.PUNKTE.empty());
    EXPECT_EQ(state.file.DATEI_NAME, path);
    EXPECT_EQ(recorder.progress.redrawRequests, c.outcome == LoadOutcome::Loaded ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Outcomes, LoadOutcomes, testing::ValuesIn(kOutcomeCases),
                         test::CaseName());

TEST_F(Load, AWrongFirstByteAfterADrawingKeepsTheCaptionButNotTheTag) {
    load(write("a.zrv7", test::platine70Bytes()));
    const LoadResult result = load(write("b.zrv", "\x01ZIRVA40"));
    EXPECT_EQ(result.outcome, LoadOutcome::NotZirva);
    EXPECT_EQ(recorder.progress.versionCaption, "ZIRVA70");
    EXPECT_EQ(state.file.DATEI_VERSION, "???");
    for (FigureList list : kAllFigureLists) {
        EXPECT_TRUE(figureList(state.store, list).empty());
    }
    EXPECT_EQ(state.store.extents.X_MAX, -999999);
}

TEST_F(Load, ASecondDrawingLeavesNothingOfTheFirst) {
    load(write("a.zrv7", test::platine70Bytes()));
    load(write("b.zrv", test::DrawingBuilder().point({50, 100}, test::kRot).bytes()));
    EXPECT_EQ(state.store.PUNKTE, (Lines{" X=0002.540 Y=0005.080"}));
    for (FigureList list : {FigureList::Linien, FigureList::Rechtecke, FigureList::Polygone,
                            FigureList::Kreise, FigureList::Fraesungen}) {
        EXPECT_TRUE(figureList(state.store, list).empty());
    }
    EXPECT_EQ(state.store.extents.X_MIN, 50 * 2.54 / 5 / 10);
    EXPECT_EQ(state.store.extents.X_MAX, state.store.extents.X_MIN);
    EXPECT_EQ(state.file.DATEI_BASIS, folder.file("b"));
}

TEST_F(Load, AnAnalysisFailureIsShownAndSkipsThePostProcessing) {
    const std::string whole = test::DrawingBuilder()
                                  .point({1, 1}, test::kRot)
                                  .line({{0, 0}, {5, 5}}, test::kBlau)
                                  .bytes();
    struct Case {
        const char* name;
        std::string bytes;
        const char* message;
    };
    const Case cases[] = {
        {"value field cut off", whole.substr(0, whole.size() - 1), "Error in: CALC_KOORDINATEN"},
        {"line cut before its colour", whole.substr(0, 8 + 32 + 8),
         "Die Zeichnung \"kaputt.zrv\" wurde nicht vollständig gelesen: Linie an Position 41: "
         "der Datensatz endet vor seiner Farbe."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::RecordingHost host;
        const LoadResult result =
            DATEI_LADEN(state, write("kaputt.zrv", c.bytes), test::unchangedOrder(), host.host);
        EXPECT_EQ(result.outcome, LoadOutcome::AnalysisFailed);
        EXPECT_EQ(result.message, c.message);
        EXPECT_EQ(host.progress.messages, (Lines{c.message}));
        EXPECT_EQ(host.progress.redrawRequests, 0);
        EXPECT_EQ(state.store.PUNKTE.size(), 1u);  // what was read before stays
        EXPECT_TRUE(state.store.LINIEN.empty());
    }
}

TEST_F(Load, AnUnusableCalibrationIsAnAnalysisFailureWithAMessage) {
    Choices choices = test::unchangedOrder();
    choices.calibration.STRECKE_ZIRVA_WERT = 0;
    const LoadResult result = load(write("a.zrv", test::platine40Bytes()), choices);
    EXPECT_EQ(result.outcome, LoadOutcome::AnalysisFailed);
    EXPECT_EQ(result.message,
              "Die Zeichnung \"a.zrv\" wurde nicht vollständig gelesen: der Maßstab ist ungültig "
              "(Strecke-ZIRVA: 0, Strecke-ORIGINAL: 2,54).");
}

TEST_F(Load, PathsWithUmlautsAndBlanks) {
    const std::string path = write("Platine für Öl.zrv", test::platine40Bytes());
    EXPECT_EQ(load(path).outcome, LoadOutcome::Loaded);
    EXPECT_EQ(recorder.progress.lines[1], "Platine für Öl.zrv   (1.184 Bytes) ");
    EXPECT_EQ(state.file.DATEI_BASIS, folder.file("Platine für Öl"));
}

TEST_F(Load, AFileWithoutReadPermissionGetsAMessage) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root reads every file";
    }
    const std::string path = write("gesperrt.zrv", test::platine40Bytes());
    std::filesystem::permissions(path, std::filesystem::perms::none);
    const LoadResult result = load(path);
    EXPECT_EQ(result.outcome, LoadOutcome::ReadFailed);
    ASSERT_EQ(recorder.progress.messages.size(), 1u);
    EXPECT_NE(recorder.progress.messages[0].find("gesperrt.zrv"), std::string::npos);
}

TEST_F(Load, AReadThatFailsAfterTheSizeWasTakenGetsAMessage) {
    // Reading the memory file of a process at offset 0 fails even for root.
    if (!std::filesystem::exists("/proc/self/mem")) {
        GTEST_SKIP() << "no /proc";
    }
    const std::string path = folder.file("speicher.zrv");
    std::filesystem::create_symlink("/proc/self/mem", path);
    const LoadResult result = load(path);
    EXPECT_EQ(result.outcome, LoadOutcome::ReadFailed);
    ASSERT_EQ(recorder.progress.messages.size(), 1u);
    EXPECT_NE(recorder.progress.messages[0].find("speicher.zrv"), std::string::npos);
    EXPECT_EQ(recorder.progress.lines.size(), 2u);  // no time line: nothing was read
    EXPECT_TRUE(state.file.DATEI_INHALT.empty());
}

}  // namespace
}  // namespace zrv
