#include <QCheckBox>
#include <QPushButton>
#include <algorithm>
#include <string>

#include "job/height_map_file.h"
#include "settings/choices.h"
#include "support/file_bytes.h"
#include "support/probe_log_text.h"
#include "window_fixture.h"

namespace zrv::test {
namespace {

class HeightMapWindowTest : public WindowTest {
  protected:
    // The controller's reports for the probe program of the open drawing: a tilted board.
    std::filesystem::path writeLog() const {
        const ProbeGridResult grid =
            drawingProbeGrid(window_->state().program, factoryChoices(kGermanLocale), kCLocale);
        writeBytes(folder_ / "log.txt",
                   probeLogText(grid.grid, [](double x, double) { return 0.004 * x; }));
        return folder_ / "log.txt";
    }

    void loadLog() {
        platform_.fileAnswers.push_back(writeLog().string());
        trigger("MENUE_TASTPROTOKOLL_LADEN");
    }

    bool hasMap() const { return window_->state().program.heightMap.has_value(); }

    bool listed(const std::string& start) const {
        const std::vector<std::string> lines = listLines();
        return std::ranges::any_of(lines,
                                   [&](const std::string& l) { return l.starts_with(start); });
    }
};

// Probe program, log, levelled export, a refused choice, dropping, and another drawing.
TEST_F(HeightMapWindowTest, ProbeLoadExportChooseAndDrop) {
    open();
    openDrawing(writeDrawing("klein.zrv", smallDrawingBytes()));
    trigger("MENUE_TASTPROGRAMM");
    EXPECT_TRUE(readBytes(folder_ / "klein_ANTASTEN.nc").starts_with("(zrvcam Tastprogramm"));
    loadLog();
    ASSERT_TRUE(hasMap());
    const std::vector<std::string> lines = listLines();  // the map's line, then the job time
    ASSERT_GE(lines.size(), 2U);
    EXPECT_TRUE(lines[lines.size() - 2].starts_with("Höhenkarte: ")) << lines[lines.size() - 2];
    find<QPushButton>("Command_EXPORT_GERBER")->click();
    EXPECT_NE(readBytes(folder_ / "klein.nc").find("(Nivelliert mit der H\xf6henkarte log.txt)"),
              std::string::npos);
    EXPECT_TRUE(listed("Nivelliert mit der Höhenkarte log.txt"));

    platform_.inputAnswers = {"0", "5"};
    trigger("MENUE_ANTASTEN_WAHL0");
    EXPECT_EQ(platform_.messages().size(), 1U);
    EXPECT_EQ(window_->state().probe.antasten_raster, 10);
    trigger("MENUE_ANTASTEN_WAHL0");
    EXPECT_EQ(window_->state().probe.antasten_raster, 5);

    trigger("MENUE_HÖHENKARTE_VERWERFEN");
    EXPECT_FALSE(hasMap());
    platform_.inputAnswers = {"10"};
    trigger("MENUE_ANTASTEN_WAHL0");
    loadLog();
    ASSERT_TRUE(hasMap());
    openDrawing(writeDrawing("andere.zrv", smallDrawingBytes()));
    EXPECT_FALSE(hasMap());
}

// A refused log keeps the map and says so; the probe program follows the boxes as they stand;
// a changed box that shaped the program drops the map with a line.
TEST_F(HeightMapWindowTest, RefusedLogKeepsTheMapChangedChoiceDropsIt) {
    open();
    openDrawing(writeDrawing("klein.zrv", smallDrawingBytes()));
    loadLog();
    ASSERT_TRUE(hasMap());
    writeBytes(folder_ / "leer.txt", "ok\r\n");
    platform_.fileAnswers.push_back((folder_ / "leer.txt").string());
    trigger("MENUE_TASTPROTOKOLL_LADEN");
    EXPECT_TRUE(hasMap());
    EXPECT_TRUE(listed("Tastprotokoll nicht übernommen: ")) << platform_.messages().size();
    EXPECT_TRUE(listed("Höhenkarte bleibt: log.txt"));

    // Holes at X 12.7 … 25.4, Y 12.7 … 38.1 and X0 Y0: 4 × 5 nodes; the line adds X 50.8.
    find<QCheckBox>("Check_EXPORT_FRÄSUNG")->click();
    EXPECT_FALSE(hasMap());
    EXPECT_TRUE(listed("Höhenkarte verworfen: „Export Fräsung“ geändert")) << listLines().back();
    trigger("MENUE_TASTPROGRAMM");
    EXPECT_NE(readBytes(folder_ / "klein_ANTASTEN.nc").find("(Raster: 4 x 5 Punkte"),
              std::string::npos);
    find<QCheckBox>("Check_EXPORT_FRÄSUNG")->click();
    trigger("MENUE_TASTPROGRAMM");
    EXPECT_NE(readBytes(folder_ / "klein_ANTASTEN.nc").find("(Raster: 7 x 5 Punkte"),
              std::string::npos);

    loadLog();
    ASSERT_TRUE(hasMap());
    find<QCheckBox>("Check_SPIEGELN_HORIZONTAL")->click();
    EXPECT_TRUE(waitFor([&] { return !hasMap() && listed("Datei öffnen..."); }));
    EXPECT_TRUE(waitFor([&] { return listed("Höhenkarte verworfen: „spiegeln-horizontal“"); }));
}

}  // namespace
}  // namespace zrv::test
