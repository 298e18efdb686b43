#include <QPushButton>
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

}  // namespace
}  // namespace zrv::test
