#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cerrno>
#include <fstream>
#include <functional>
#include <map>
#include <optional>

#include "base/text_file.h"
#include "gcode/format_length.h"
#include "job/load.h"
#include "preview/travel.h"
#include "settings/choices.h"
#include "settings/factory_values.h"
#include "settings/settings_file.h"
#include "support/drawing_builder.h"
#include "support/example_drawings.h"
#include "support/file_bytes.h"
#include "support/recording_host.h"
#include "ui/controls/preview_redraw.h"
#include "ui/widgets/preview_widget.h"
#include "window_fixture.h"

namespace zrv::test {
namespace {

// The current folder, where a program without a name of its own would land, for one test.
class InFolder {
  public:
    explicit InFolder(const std::filesystem::path& folder) {
        std::filesystem::current_path(folder);
    }
    ~InFolder() { std::filesystem::current_path(before_); }
    InFolder(const InFolder&) = delete;
    InFolder& operator=(const InFolder&) = delete;

  private:
    std::filesystem::path before_ = std::filesystem::current_path();
};

class FlowTest : public WindowTest {
  protected:
    // Counts from now on how often List1 is emptied: every load does that once, at its start.
    void countListClears() {
        QObject::connect(find<QListWidget>("List1")->model(), &QAbstractItemModel::modelReset,
                         window_.get(), [this] { ++listClears_; });
    }
    int listClears() const { return listClears_; }

    int listClears_ = 0;
};

TEST_F(FlowTest, FiveRedrawRequestsGiveOneDrawingPass) {
    open();
    auto* picture = find<PreviewWidget>("Picture1");
    QSignalSpy passes(&window_->redraw(), &PreviewRedraw::drawn);

    auto* raster = find<QCheckBox>("Check_VIEW_RASTER");
    for (int i = 0; i < 5; ++i) {
        raster->click();
        EXPECT_TRUE(picture->isBlank()) << "blank from the first request until the tick";
    }
    QTest::qWait(600);
    EXPECT_EQ(passes.count(), 1);
    EXPECT_FALSE(picture->isBlank());
    EXPECT_EQ(text("Label_Raster"), "10mm");
}

TEST_F(FlowTest, OpeningADrawingShowsCountsTravelTimesAndScale) {
    open();
    const std::filesystem::path drawing = writeDrawing("klein.zrv", smallDrawingBytes());
    openDrawing(drawing);

    const std::vector<ScriptedPlatform::Call> dialogs = platform_.callsOf("openFile");
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].args[0], "öffnen");
    EXPECT_EQ(dialogs[0].args[1], (folder_ / "Dateien").string());
    EXPECT_EQ(dialogs[0].args[2], "ZIRVA(*.zrv *.zrv7)|*.zr*|alle(*.*)|*.*");

    waitForStatusTick();
    EXPECT_EQ(text("Label_BOHRUNGEN_ANZAHL"), "3");
    EXPECT_EQ(text("Label_LINIEN_ANZAHL"), "1");
    EXPECT_EQ(find<QGroupBox>("Frame_Fräsungen")->title().toStdString(), "Fräsungen: 1");
    EXPECT_EQ(text("Label_BOHRUNGEN_FAHRWEG"), "38mm");  // 12.7 + 25.4
    EXPECT_EQ(text("Label_FRÄSUNGEN_FAHRWEG"), "51mm");  // 50.8
    EXPECT_EQ(text("Label_FRÄSUNGEN_ZEIT"), "5min ");    // 50.8 mm at 10 mm/min
    EXPECT_EQ(text("Label_BOHRUNGEN_ZEIT"), "0min ");    // 3 x 1.5 mm at 10 mm/min
    EXPECT_TRUE(window_->windowTitle().endsWith(QStringLiteral("  klein.zrv")));
    EXPECT_EQ(find<QAction>("Menue_MAßSTAB")->text().toStdString(), "(5:2,54)");
    EXPECT_EQ(find<QAction>("MENUE_ZIRVA")->text().toStdString(), "ZIRVA40");

    // The same counts in other places: the travel follows the store, not its counts.
    openDrawing(writeDrawing("anders.zrv", test::DrawingBuilder("ZIRVA40")
                                               .point({250, 250}, test::kRot)
                                               .point({500, 250}, test::kRot)
                                               .point({500, 1000}, test::kRot)
                                               .line({{0, 0}, {1000, 0}}, test::kRot)
                                               .bytes()));
    waitForStatusTick();
    EXPECT_EQ(text("Label_BOHRUNGEN_ANZAHL"), "3");
    EXPECT_EQ(text("Label_BOHRUNGEN_FAHRWEG"), "51mm");  // 12.7 + 38.1
}

// The window shows what the core makes of the example board on its own.
TEST_F(FlowTest, TheExampleBoardShowsWhatTheCoreReads) {
    const std::string example = std::string(ZRV_SOURCE_DIR) + "/examples/platine40.zrv";
    ProgramState expected;
    RecordingHost core;
    DATEI_LADEN(expected, example, factoryChoices(kGermanLocale), core.host);
    ASSERT_FALSE(expected.store.PUNKTE.empty());

    open();
    openDrawing(example);
    waitForStatusTick();
    const FigureStore& store = expected.store;
    const std::pair<const char*, std::size_t> counts[] = {
        {"Label_BOHRUNGEN_ANZAHL", store.PUNKTE.size()},
        {"Label_LINIEN_ANZAHL", store.LINIEN.size()},
        {"Label_RECHTECKE_ANZAHL", store.RECHTECKE.size()},
        {"Label_POLYGONE_ANZAHL", store.POLYGONE.size()},
        {"Label_KREISE_ANZAHL", store.KREISE.size()},
    };
    for (const auto& [label, count] : counts) {
        SCOPED_TRACE(label);
        EXPECT_EQ(text(label), std::to_string(count));
    }
    EXPECT_EQ(find<QGroupBox>("Frame_Fräsungen")->title().toStdString(),
              "Fräsungen: " + std::to_string(store.FRAESUNGEN.size()));
    EXPECT_EQ(text("Label_BOHRUNGEN_FAHRWEG"),
              FORMAT_LAENGE(FAHRWEG_BOHRUNGEN(store.PUNKTE), kGermanLocale));
    EXPECT_EQ(text("Label_FRÄSUNGEN_FAHRWEG"),
              FORMAT_LAENGE(FAHRWEG_FRAESUNGEN(store.FRAESUNGEN), kGermanLocale));
    EXPECT_TRUE(window_->windowTitle().endsWith(QStringLiteral("  platine40.zrv")));
    EXPECT_EQ(find<QAction>("MENUE_ZIRVA")->text().toStdString(), "ZIRVA40");
    EXPECT_EQ(window_->state().program.store.PUNKTE, store.PUNKTE) << "same order";
}

TEST_F(FlowTest, CancelledDialogOrEmptyFileLoadsNothing) {
    open();
    countListClears();
    platform_.fileAnswers.push_back(std::nullopt);
    trigger("MENUE_ZIRVA_ÖFFNEN");
    platform_.fileAnswers.push_back(writeDrawing("leer.zrv", "").string());
    trigger("MENUE_ZIRVA_ÖFFNEN");
    EXPECT_EQ(platform_.callsOf("openFile").size(), 2u);
    EXPECT_EQ(listClears(), 0);
    EXPECT_EQ(window_->state().program.file.DATEI_NAME, "");
}

// A picture named like the drawing is refused with a message; the drawing stays whole.
TEST_F(FlowTest, ThePreviewIsNeverSavedOverTheDrawing) {
    open();
    const std::filesystem::path drawing = writeDrawing("klein.png", smallDrawingBytes());
    openDrawing(drawing);
    platform_.fileAnswers.push_back(drawing.string());
    trigger("MENUE_VORSCHAU_SPEICHERN");
    ASSERT_EQ(platform_.messages().size(), 1U);
    EXPECT_NE(platform_.messages().front().find("ist die Zeichnung selbst"), std::string::npos);
    EXPECT_EQ(readBytes(drawing), smallDrawingBytes());
}

TEST_F(FlowTest, DistanceDialogAcceptsOnlyPositiveNumbers) {
    open();
    openDrawing(writeDrawing("klein.zrv", smallDrawingBytes()));
    countListClears();
    struct Case {
        const char* name;
        std::optional<std::string> answer;
        bool accepted;
    };
    const Case cases[] = {
        {"decimal comma", "2,54", true},    {"decimal point", "2.54", true},
        {"with unit", "2,54 mm", true},     {"zero", "0", false},
        {"negative", "-1", false},          {"letters", "abc", false},
        {"cancelled", std::nullopt, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        trigger("MENUE_MAßSTAB_1_1");
        ASSERT_DOUBLE_EQ(window_->state().calibration.STRECKE_ORIGINAL_WERT, 1.0);
        const int clearsBefore = listClears();
        platform_.inputAnswers.push_back(c.answer);
        trigger("STRECKE_ORIGINAL");

        const ScriptedPlatform::Call dialog = platform_.callsOf("inputText").back();
        EXPECT_EQ(dialog.args, (std::vector<std::string>{"z.B. 2,54 mm", "Strecke-ORIGINAL", "1"}));
        EXPECT_DOUBLE_EQ(window_->state().calibration.STRECKE_ORIGINAL_WERT,
                         c.accepted ? 2.54 : 1.0);
        EXPECT_EQ(listClears() - clearsBefore, c.accepted ? 1 : 0) << "reloads";
    }

    platform_.inputAnswers.push_back("7,5");
    trigger("STRECKE_ZIRVA");
    EXPECT_EQ(platform_.callsOf("inputText").back().args,
              (std::vector<std::string>{"z.B. 5,0 mm", "Strecke-ZIRVA", "1"}));
    EXPECT_DOUBLE_EQ(window_->state().calibration.STRECKE_ZIRVA_WERT, 7.5);
}

TEST_F(FlowTest, ScaleEntriesRecalibrateAndReloadTheDrawing) {
    open();
    openDrawing(writeDrawing("klein.zrv", smallDrawingBytes()));
    trigger("MENUE_MAßSTAB_1_1");
    EXPECT_NEAR(window_->state().program.store.extents.X_MAX, 100.0, 1e-4);  // 1000 units
    trigger("MENUE_MAßSTAB_STANDARD");
    EXPECT_NEAR(window_->state().program.store.extents.X_MAX, 50.8, 1e-4);
    EXPECT_DOUBLE_EQ(window_->state().calibration.STRECKE_ZIRVA_WERT, 5.0);
}

TEST_F(FlowTest, StandardButtonWritesOnlyItsGroup) {
    open();
    find<QComboBox>("Combo_BOHRUNG_VORSCHUB_XY")->setEditText(QStringLiteral("abc"));
    find<QPushButton>("Command_BOHRUNG_STANDARD")->click();
    EXPECT_EQ(find<QComboBox>("Combo_BOHRUNG_VORSCHUB_XY")->currentText(), "1000");
    EXPECT_EQ(find<QComboBox>("Combo_BOHRUNG_HÖHE")->currentText(), "1");
    EXPECT_EQ(find<QComboBox>("Combo_BOHRUNG_TIEFE")->currentText(), "-2,1");
    EXPECT_EQ(find<QComboBox>("Combo_FRÄSUNG_VORSCHUB_XY")->currentText(), "10");

    find<QPushButton>("Command_FRÄSUNG_STANDARD")->click();
    EXPECT_EQ(find<QComboBox>("Combo_FRÄSUNG_VORSCHUB_XY")->currentText(), "50");
    EXPECT_EQ(find<QComboBox>("Combo_FRÄSUNG_VORSCHUB_Z_AUF")->currentText(), "1000");
}

TEST_F(FlowTest, ExportCleansTheBoxesWritesSettingsAndProgramAndShowsIt) {
    open();
    const std::filesystem::path drawing = writeDrawing("klein.zrv", smallDrawingBytes());
    openDrawing(drawing);
    find<QComboBox>("Combo_BOHRUNG_SPINDLE_SPEED")->setEditText(QStringLiteral("12abc"));
    find<QComboBox>("Combo_FRÄSUNG_HÖHE")->setEditText(QStringLiteral("1,50 mm"));

    find<QPushButton>("Command_EXPORT_GERBER")->click();
    EXPECT_EQ(find<QComboBox>("Combo_BOHRUNG_SPINDLE_SPEED")->currentText(), "12");
    EXPECT_EQ(find<QComboBox>("Combo_FRÄSUNG_HÖHE")->currentText(), "1,5");

    const std::vector<std::string> settings = settingsFileLines();
    ASSERT_EQ(settings.size(), 54u);
    EXPECT_EQ(settings[0], drawing.string());
    EXPECT_EQ(settings[37], "12");

    const std::filesystem::path program = folder_ / "klein.nc";
    const TextLines written = readTextFile(program);
    ASSERT_TRUE(written.status.ok()) << written.status.error;
    EXPECT_EQ(written.lines.back(), "M30 (Programm-Ende)");
    EXPECT_TRUE(platform_.messages().empty());

    const std::vector<ScriptedPlatform::Call> starts = platform_.callsOf("startProcess");
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(starts[0].args,
              (std::vector<std::string>{factoryProgramPaths().PROGRAMM_EDITOR, program.string()}));

    find<QCheckBox>("Check_EXPORT_VORSCHAU")->click();
    find<QPushButton>("Command_EXPORT_GERBER")->click();
    EXPECT_EQ(platform_.callsOf("startProcess").size(), 1u) << "no preview without the tick";
}

// The step boxes reach the export: refused like the parameters, then written and kept.
TEST_F(FlowTest, ExportTakesTheStepBoxes) {
    open();
    openDrawing(writeDrawing("klein.zrv", smallDrawingBytes()));
    find<QComboBox>("Combo_ZUSTELLUNG")->setEditText(QStringLiteral("abc"));
    find<QPushButton>("Command_EXPORT_GERBER")->click();
    const std::string refusal = "Export abgebrochen: Zustellung ist keine Zahl: \"abc\"";
    EXPECT_EQ(platform_.messages(), std::vector<std::string>{refusal});
    EXPECT_EQ(listLines(), std::vector<std::string>{refusal});

    find<QComboBox>("Combo_ZUSTELLUNG")->setEditText(QStringLiteral("0,05"));
    find<QComboBox>("Combo_BOHREN_IN_STUFEN")->setEditText(QStringLiteral("0,5"));
    find<QPushButton>("Command_EXPORT_GERBER")->click();
    const TextLines written = readTextFile(folder_ / "klein.nc");
    const auto has = [&](const std::string& line) {
        return std::ranges::find(written.lines, line) != written.lines.end();
    };
    EXPECT_TRUE(has("(Zustellung: 0.05 mm, 2 Durchgänge)"));
    EXPECT_TRUE(has("(Bohren in Stufen: 0.5 mm, 3 Stufen)"));
    const TextLines extra = readTextFile(folder_ / "zrvcam_extra.ini");
    EXPECT_TRUE(std::ranges::find(extra.lines, "zustellung=0,05") != extra.lines.end());
}

// Without a drawing in memory nothing is written: neither ".nc" in the current folder nor an
// empty program over the one of the drawing that could not be read again.
TEST_F(FlowTest, ExportWithoutADrawingSaysSoAndWritesNoProgram) {
    const InFolder inTestFolder(folder_);
    open();
    const std::filesystem::path drawing = writeDrawing("klein.zrv", smallDrawingBytes());
    const std::filesystem::path program = folder_ / "klein.nc";
    struct Case {
        const char* name;
        std::function<void()> arrange;
        std::string message;
    };
    const Case cases[] = {
        {"nothing opened yet", [] {}, "no Datei"},
        {"the drawing is gone when read again",
         [&] {
             openDrawing(drawing);
             find<QPushButton>("Command_EXPORT_GERBER")->click();
             ASSERT_TRUE(std::filesystem::exists(program));
             std::filesystem::remove(drawing);
             trigger("MENUE_REFRESH_DATEI");
         },
         "Export abgebrochen: Die Datei \"" + drawing.string() +
             "\" kann nicht gelesen werden: " + systemErrorText(ENOENT)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.arrange();
        const std::string written = readBytes(program);
        const std::size_t messagesBefore = platform_.messages().size();
        const std::size_t startsBefore = platform_.callsOf("startProcess").size();
        std::filesystem::remove(folder_ / "zrvcam.ini");

        find<QPushButton>("Command_EXPORT_GERBER")->click();
        ASSERT_EQ(platform_.messages().size(), messagesBefore + 1);
        EXPECT_EQ(platform_.messages().back(), c.message);
        EXPECT_FALSE(std::filesystem::exists(folder_ / ".nc"));
        EXPECT_EQ(readBytes(program), written);
        EXPECT_EQ(platform_.callsOf("startProcess").size(), startsBefore);
        EXPECT_EQ(settingsFileLines().size(), 54u) << "the settings are saved all the same";
    }
}

TEST_F(FlowTest, SavingThePreviewWithoutADrawingSaysSo) {
    open();
    trigger("MENUE_VORSCHAU_SPEICHERN");
    EXPECT_EQ(
        platform_.messages(),
        std::vector<std::string>{"Keine Zeichnung geladen – es gibt keine Vorschau zu speichern."});
    EXPECT_TRUE(platform_.callsOf("saveFile").empty());
}

// Until the settings file has been applied the boxes hold no choice of the user's.
TEST_F(FlowTest, ExportBeforeTheEndOfStartUpKeepsTheSettingsFile) {
    Settings saved{"", factoryChoices(kGermanLocale)};
    saved.choices.parameters.Combo_FRAESUNG_VORSCHUB_XY = "345";
    ASSERT_TRUE(PARAMETER_SPEICHERN(folder_ / "zrvcam.ini", saved, kGermanLocale).ok());
    const std::vector<std::string> before = settingsFileLines();

    const InFolder inTestFolder(folder_);
    open(setup(), false);
    find<QPushButton>("Command_EXPORT_GERBER")->click();
    EXPECT_EQ(settingsFileLines(), before);
    EXPECT_FALSE(std::filesystem::exists(folder_ / ".nc"));
    ASSERT_TRUE(waitFor([this] { return window_->state().START_FERTIG; }));
    EXPECT_EQ(find<QComboBox>("Combo_FRÄSUNG_VORSCHUB_XY")->currentText(), "345");
    EXPECT_TRUE(platform_.messages().empty());
}

TEST_F(FlowTest, ExportStopsWhenTheSettingsCannotBeWritten) {
    std::ofstream(folder_ / "blocker") << "a file where the folder should be";
    WindowSetup blocked = setup();
    blocked.folder.settingsFile = folder_ / "blocker" / "zrvcam.ini";
    open(blocked);
    openDrawing(writeDrawing("klein.zrv", smallDrawingBytes()));
    find<QPushButton>("Command_EXPORT_GERBER")->click();
    ASSERT_EQ(platform_.messages().size(), 1u);
    EXPECT_EQ(platform_.messages()[0].rfind("Error: ", 0), 0u) << platform_.messages()[0];
    EXPECT_FALSE(std::filesystem::exists(folder_ / "klein.nc"));
}

TEST_F(FlowTest, RefusedProgramIsReportedOnceAndNotShown) {
    open();
    openDrawing(writeDrawing("klein.zrv", smallDrawingBytes()));
    find<QComboBox>("Combo_FRÄSUNG_VORSCHUB_XY")->setEditText(QStringLiteral("0"));
    find<QPushButton>("Command_EXPORT_GERBER")->click();
    EXPECT_EQ(platform_.messages().size(), 1u);
    EXPECT_TRUE(platform_.callsOf("startProcess").empty());
    EXPECT_FALSE(std::filesystem::exists(folder_ / "klein.nc"));
    EXPECT_EQ(settingsFileLines().size(), 54u) << "the settings are saved before writing";
}

// A typed value is the value: no box fills in the rest of an item that begins with it ("1" of
// "10", "1,0" or "1-Standard"), whether it is left with Enter or Tab.
TEST_F(FlowTest, TypedValuesStayAsTyped) {
    open().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));  // a list is offered only in focus
    for (QComboBox* box : window_->findChildren<QComboBox*>()) {
        for (const Qt::Key leave : {Qt::Key_Return, Qt::Key_Tab}) {
            SCOPED_TRACE(box->objectName().toStdString());
            box->setFocus();
            box->lineEdit()->selectAll();
            QTest::keyClicks(box->lineEdit(), QStringLiteral("1"));
            QTest::keyClick(box->lineEdit(), leave);
            EXPECT_EQ(box->currentText(), QStringLiteral("1"));
        }
    }
}

// After a load that did not read the drawing whole the milling table and the program refuse,
// naming the drawing and the cause, keep the old files, and the next whole read ends it.
TEST_F(FlowTest, AHalfReadDrawingIsRefusedUntilItIsReadWhole) {
    open();
    const std::filesystem::path drawing =
        writeDrawing("kaputt.zrv", platine40Bytes().substr(0, 600));
    const std::filesystem::path program = writeDrawing("kaputt.nc", "alt");
    platform_.fileAnswers.push_back(drawing.string());
    trigger("MENUE_ZIRVA_ÖFFNEN");
    trigger("MENUE_EXPORT_DATEN_FRÄSUNGEN");
    find<QPushButton>("Command_EXPORT_GERBER")->click();
    const std::string refusal =
        "Export abgebrochen: Die Zeichnung \"kaputt.zrv\" wurde nicht vollständig gelesen: ein "
        "Wert ist vom Dateiende abgeschnitten (Error in: CALC_KOORDINATEN).";
    EXPECT_EQ(platform_.messages(),
              (std::vector<std::string>{"Error in: CALC_KOORDINATEN", refusal, refusal}));
    EXPECT_EQ(listLines(), std::vector<std::string>{refusal});
    EXPECT_EQ(readBytes(program), "alt");
    EXPECT_FALSE(std::filesystem::exists(folder_ / "kaputt_EXPORT.txt"));

    writeDrawing("kaputt.zrv", platine40Bytes());
    trigger("MENUE_REFRESH_DATEI");
    find<QPushButton>("Command_EXPORT_GERBER")->click();
    EXPECT_TRUE(readBytes(program).ends_with("M30 (Programm-Ende)\r\n"));
}

TEST_F(FlowTest, DeveloperModeStaysOnOnceSwitchedOn) {
    open();
    auto* developer = find<QMenu>("MENUE_ENTWICKLER");
    EXPECT_FALSE(developer->menuAction()->isVisible());
    EXPECT_FALSE(developer->menuAction()->isEnabled());
    trigger("MENUE_ENTWICKLER_ON");
    trigger("MENUE_ENTWICKLER_ON");
    EXPECT_TRUE(find<QAction>("MENUE_ENTWICKLER_ON")->isChecked());
    EXPECT_TRUE(developer->menuAction()->isVisible());
    EXPECT_TRUE(developer->menuAction()->isEnabled());
}

// A reload clicked while a load lets pending events run waits until that load has ended.
TEST_F(FlowTest, ReloadDuringARunningLoadRunsAfterIt) {
    open();
    openDrawing(writeDrawing("erste.zrv", smallDrawingBytes()));
    const std::filesystem::path second = writeDrawing("zweite.zrv", smallDrawingBytes());
    countListClears();
    QTimer::singleShot(0, [this] { trigger("MENUE_REFRESH_DATEI"); });
    platform_.fileAnswers.push_back(second.string());
    trigger("MENUE_ZIRVA_ÖFFNEN");

    EXPECT_EQ(listClears(), 2) << "the open and then the reload";
    const std::vector<std::string> lines = listLines();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "Datei öffnen..."), 1);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "Analyse Header"), 1)
        << "a reload inside the open would leave the open's later lines behind its own";
    EXPECT_EQ(window_->state().program.file.DATEI_NAME, second.string());
    EXPECT_EQ(window_->state().program.store.PUNKTE.size(), 3u);
}

// Holes are drawn crisp: pure red stays beside the travel line drawn over each of them.
TEST_F(FlowTest, PreviewShowsAHoleInItsColourWhereTheHoleIs) {
    open();
    openDrawing(writeDrawing("klein.zrv", smallDrawingBytes()));
    auto* picture = find<PreviewWidget>("Picture1");
    const QImage travelled = picture->grab().toImage();
    for (const Point hole : {Point{12.7, 12.7}, Point{25.4, 12.7}, Point{25.4, 38.1}}) {
        SCOPED_TRACE(testing::Message() << hole.x << " " << hole.y);
        std::map<QRgb, int> around;
        for (int k = 0; k < 25; ++k) {
            ++around[travelled.pixel(picture->toPixels(hole).toPoint() +
                                     QPoint(k % 5 - 2, k / 5 - 2))];
        }
        EXPECT_GE(around[qRgb(255, 0, 0)], 3);
        EXPECT_GE(around[qRgb(192, 192, 192)], 1) << "the travel line is drawn over the hole";
    }
    QSignalSpy passes(&window_->redraw(), &PreviewRedraw::drawn);
    find<QCheckBox>("Check_WEG_BOHRUNGEN")->click();
    ASSERT_TRUE(waitFor([&passes] { return passes.count() > 0; }));

    const QImage image = picture->grab().toImage();
    const QPointF hole = picture->toPixels({25.4, 38.1});
    EXPECT_EQ(image.pixelColor(hole.toPoint()), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(picture->toPixels({40, 25}).toPoint()), QColor(254, 249, 222));
}

}  // namespace
}  // namespace zrv::test
