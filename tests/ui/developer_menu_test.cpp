#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "base/text_file.h"
#include "settings/factory_values.h"
#include "support/drawing_builder.h"
#include "support/file_bytes.h"
#include "text/hex.h"
#include "window_fixture.h"

namespace zrv::test {
namespace {

using Lines = std::vector<std::string>;

class DeveloperMenuTest : public WindowTest {
  protected:
    Lines editorStarts() const {
        Lines files;
        for (const ScriptedPlatform::Call& call : platform_.callsOf("startProcess")) {
            EXPECT_EQ(call.args[0], factoryProgramPaths().PROGRAMM_EDITOR);
            files.push_back(call.args[1]);
        }
        return files;
    }
};

TEST_F(DeveloperMenuTest, WithoutADrawingEveryListShowsOnlyItsHeading) {
    open();
    const std::pair<const char*, const char*> lists[] = {
        {"Koordinaten_PUNKTE", "Koordinaten Punkte"},
        {"Koordinaten_LINIEN", "Koordinaten Linien"},
        {"Koordinaten_Rechtecke", "Koordinaten Rechtecke"},
        {"Koordinaten_Polygone", "Koordinaten Polygone"},
        {"Koordinaten_KREISE", "Koordinaten Kreise"},
        {"Koordinaten_FRÄSUNGEN", "Koordinaten Fräsungen"},
    };
    for (const auto& [entry, heading] : lists) {
        SCOPED_TRACE(entry);
        trigger(entry);
        EXPECT_EQ(listLines(), Lines{heading}) << "nothing accumulates";
    }
}

TEST_F(DeveloperMenuTest, PointListsStopAfterIndex1000AndPolygonListsGoOn) {
    DrawingBuilder builder;
    for (int i = 0; i < 1500; ++i) {
        const auto x = static_cast<float>(10 * (i % 50) + 10);
        const auto y = static_cast<float>(10 * (i / 50) + 10);
        builder.point({x, y}, kRot).polygon({{x, y}, {x + 5, y}, {x, y + 5}}, kBlau);
    }
    open();
    openDrawing(writeDrawing("viele.zrv", builder.bytes()));
    const FigureStore& store = window_->state().program.store;
    ASSERT_EQ(store.PUNKTE.size(), 1500u);
    ASSERT_EQ(store.POLYGONE.size(), 1500u);

    trigger("Koordinaten_PUNKTE");
    Lines lines = listLines();
    ASSERT_EQ(lines.size(), 1002u) << "the heading and the entries 0 to 1000";
    EXPECT_EQ(lines.front(), "Koordinaten Punkte");
    EXPECT_EQ(Lines(lines.begin() + 1, lines.end()),
              Lines(store.PUNKTE.begin(), store.PUNKTE.begin() + 1001));

    trigger("Koordinaten_Polygone");
    lines = listLines();
    ASSERT_EQ(lines.size(), 1501u);
    EXPECT_EQ(lines.front(), "Koordinaten Polygone");
    EXPECT_EQ(Lines(lines.begin() + 1, lines.end()), store.POLYGONE);
}

// As the desktop sends it: press, release, press, release, and Qt makes the double click.
void doubleClick(QListWidget* list, QPoint inViewport) {
    QWidget* window = list->window();
    const QPoint at = list->viewport()->mapTo(window, inViewport);
    QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {}, at);
}

TEST_F(DeveloperMenuTest, DoubleClickShowsTheSelectedLineAlsoOnTheEmptyArea) {
    open();
    auto* list = find<QListWidget>("List1");
    trigger("Koordinaten_PUNKTE");  // the heading alone
    const QPoint below(10, list->viewport()->height() - 3);
    ASSERT_EQ(list->itemAt(below), nullptr) << "the area below the line is empty";

    doubleClick(list, below);
    EXPECT_EQ(platform_.messages(), Lines{""}) << "nothing selected: an empty message";
    doubleClick(list, list->visualItemRect(list->item(0)).center());
    QTest::qWait(600);  // apart from the next pair
    doubleClick(list, below);
    EXPECT_EQ(platform_.messages(), (Lines{"", "Koordinaten Punkte", ""}))
        << "one message per double click; a press on the empty area leaves no line selected";

    trigger("MENUE_HILFE_KENNDATEN");
    QTest::qWait(600);
    doubleClick(list, list->visualItemRect(list->item(3)).center());
    EXPECT_EQ(platform_.messages().back(), "Vorschub  10: = 6s") << "the line clicked on";
    EXPECT_EQ(platform_.callsOf("message").back().args[1], "zrvcam");
}

// The dump reads the drawing from disk again, so it shows the file as it is now.
TEST_F(DeveloperMenuTest, DumpsReloadThenWriteAndOpenTheFileInTheEditor) {
    open();
    const std::filesystem::path drawing = writeDrawing("platine.zrv", smallDrawingBytes());
    openDrawing(drawing);
    const std::string changed = DrawingBuilder().point({100, 100}, kRot).bytes();
    writeBytes(drawing, changed);

    std::string horizontal;
    std::string vertical;
    for (char byte : changed) {
        const std::string digits = HEX_BYTE(static_cast<std::uint8_t>(byte));
        horizontal += digits + "\t";
        vertical += digits + "\r\n";
    }
    const std::string dump = (folder_ / "platine_EXPORT.txt").string();
    const std::pair<const char*, std::string> cases[] = {
        {"MENUE_ANALYSE_DATEI", horizontal + "\r\n"},
        {"MENUE_ANALYSE_DATEI_VERTIKAL", vertical},
    };
    for (const auto& [entry, expected] : cases) {
        SCOPED_TRACE(entry);
        trigger(entry);
        EXPECT_EQ(readFileBytes(dump).bytes, expected);
        EXPECT_EQ(window_->state().program.store.PUNKTE.size(), 1u) << "reloaded";
        const Lines lines = listLines();
        ASSERT_GE(lines.size(), 4u)
            << ::testing::PrintToString(lines) << ::testing::PrintToString(platform_.messages());
        EXPECT_EQ(Lines(lines.end() - 4, lines.end()),
                  (Lines{"", "Export als Text-Datei... wait", dump, "ok"}));
        EXPECT_EQ(editorStarts().back(), dump);
    }
    EXPECT_EQ(editorStarts().size(), 2u);
    EXPECT_TRUE(platform_.messages().empty());
}

TEST_F(DeveloperMenuTest, AnEmptyDrawingFileGetsAnEmptyDump) {
    open();
    const std::filesystem::path drawing = writeDrawing("leer.zrv", smallDrawingBytes());
    openDrawing(drawing);
    writeBytes(drawing, "");
    const std::string dump = (folder_ / "leer_EXPORT.txt").string();
    const std::pair<const char*, std::string> cases[] = {
        {"MENUE_ANALYSE_DATEI", "\r\n"},
        {"MENUE_ANALYSE_DATEI_VERTIKAL", ""},
    };
    for (const auto& [entry, expected] : cases) {
        SCOPED_TRACE(entry);
        trigger(entry);
        const auto written = readFileBytes(dump);
        ASSERT_TRUE(written.status.ok()) << written.status.error;
        EXPECT_EQ(written.bytes, expected);
        EXPECT_EQ(editorStarts().back(), dump);
    }
    EXPECT_TRUE(platform_.messages().empty()) << ::testing::PrintToString(platform_.messages());
}

TEST_F(DeveloperMenuTest, MillingExportWritesTheTableAndOpensIt) {
    open();
    openDrawing(writeDrawing("platine.zrv", smallDrawingBytes()));
    trigger("MENUE_EXPORT_DATEN_FRÄSUNGEN");
    const std::string table = (folder_ / "platine_EXPORT.txt").string();
    const TextLines written = readTextFile(table);
    ASSERT_TRUE(written.status.ok()) << written.status.error;
    EXPECT_EQ(written.lines, Lines{"00,000\t00,000\t50,800\t00,000\t"});
    EXPECT_EQ(editorStarts(), Lines{table});
}

// The dumps and the exports are different requests: while one waits, the others are not lost.
TEST_F(DeveloperMenuTest, OutputsAskedForDuringARunningOperationAllFollowIt) {
    open();
    openDrawing(writeDrawing("platine.zrv", smallDrawingBytes()));
    platform_.calls.clear();
    platform_.duringOpenFile = [this] {
        find<QPushButton>("Command_EXPORT_GERBER")->click();
        trigger("MENUE_ANALYSE_DATEI");
        trigger("MENUE_ANALYSE_DATEI_VERTIKAL");
        trigger("MENUE_EXPORT_DATEN_FRÄSUNGEN");
        trigger("MENUE_ANALYSE_DATEI");
        EXPECT_TRUE(platform_.callsOf("startProcess").empty()) << "nothing runs in the dialog";
    };
    trigger("MENUE_ZIRVA_ÖFFNEN");
    const std::string dump = (folder_ / "platine_EXPORT.txt").string();
    EXPECT_EQ(editorStarts(), (Lines{(folder_ / "platine.nc").string(), dump, dump, dump}));
    EXPECT_TRUE(platform_.messages().empty()) << ::testing::PrintToString(platform_.messages());
}

// Without a drawing the output would be "_EXPORT.txt" in whatever folder is current.
TEST_F(DeveloperMenuTest, NothingIsWrittenWithoutADrawing) {
    open();
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(folder_);
    for (const char* entry :
         {"MENUE_EXPORT_DATEN_FRÄSUNGEN", "MENUE_ANALYSE_DATEI", "MENUE_ANALYSE_DATEI_VERTIKAL"}) {
        SCOPED_TRACE(entry);
        trigger(entry);
        EXPECT_EQ(platform_.messages().back(), "no Datei");
    }
    std::filesystem::current_path(before);
    EXPECT_EQ(platform_.messages().size(), 3u) << "one message each";
    EXPECT_FALSE(std::filesystem::exists(folder_ / "_EXPORT.txt"));
    EXPECT_TRUE(platform_.callsOf("startProcess").empty());
}

}  // namespace
}  // namespace zrv::test
