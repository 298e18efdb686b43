#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <algorithm>
#include <fstream>

#include "base/text_file.h"
#include "settings/factory_values.h"
#include "settings/settings_file.h"
#include "support/file_bytes.h"
#include "ui/controls/preview_redraw.h"
#include "ui/widgets/preview_widget.h"
#include "window_fixture.h"

namespace zrv::test {
namespace {

struct NamedCaption {
    const char* name;
    const char* caption;
};

TEST_F(WindowTest, EveryControlCarriesItsNameAndCaption) {
    open(setup(), false);
    const NamedCaption buttons[] = {
        {"Check_VIEW_RASTER", "Raster"},
        {"Check_VIEW_LINEAL", "Lineal"},
        {"Check_BEREICH", "Bereich"},
        {"Check_NULL_PUNKT", "Null-Punkt"},
        {"Check_BÜNDIG", "bündig"},
        {"Check_SPIEGELN_HORIZONTAL", "spiegeln-horizontal"},
        {"Check_FARBE_ROT", "Farbe rot"},
        {"Check_FARBE_GRÜN", "Farbe grün"},
        {"Check_FARBE_BLAU", "Farbe blau"},
        {"Check_FARBE_GRAU", "Farbe grau"},
        {"Check_FARBE_SCHWARZ", "Farbe schwarz"},
        {"Check_FARBE_ALLE", "Farbe alle"},
        {"Check_ENABLED_BOHRUNGEN", "Punkte (Bohrungen)"},
        {"Check_ENABLED_LINIEN", "Linien"},
        {"Check_ENABLED_RECHTECKE", "Rechtecke"},
        {"Check_ENABLED_POLYGONE", "Polygone"},
        {"Check_ENABLED_KREISE", "Kreise"},
        {"Check_VIEW_BOHRUNGEN", "View"},
        {"Check_WEG_BOHRUNGEN", "Weg"},
        {"Check_VIEW_FRÄSUNGEN", "View"},
        {"Check_WEG_FRÄSUNGEN", "Weg"},
        {"Check_EXPORT_BOHRUNG", "Export Bohrung"},
        {"Check_EXPORT_FRÄSUNG", "Export Fräsung"},
        {"Check_EXPORT_VORSCHAU", "Vorschau (txt)"},
        {"Check_EXPORT_GRBL_INFO", "GRBL-Info"},
        {"Command_BOHRUNG_STANDARD", "Standard"},
        {"Command_FRÄSUNG_STANDARD", "Standard"},
        {"Command_EXPORT_GERBER", "Export RS274-D (Gerber) "},
        {"Command_FARBE_VIEW_BOHRUNGEN", ""},
        {"Command_FARBE_WEG_BOHRUNGEN", ""},
        {"Command_FARBE_VIEW_FRÄSUNGEN", ""},
        {"Command_FARBE_WEG_FRÄSUNGEN", ""},
    };
    for (const NamedCaption& button : buttons) {
        SCOPED_TRACE(button.name);
        auto* found = find<QAbstractButton>(button.name);
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(found->text(), QString::fromUtf8(button.caption));
    }

    const std::string hyphens(46, '-');
    const NamedCaption entries[] = {
        {"MENUE_TRENNLINIE", hyphens.c_str()},
        {"MENUE_ZIRVA_ÖFFNEN", "öffnen..."},
        {"MENUE_TRENNLINIE2", hyphens.c_str()},
        {"MENUE_EDIT_DATEI", "Edit... (txt-Datei)"},
        {"MENUE_TRENNLINIE3", hyphens.c_str()},
        {"MENUE_ENDE", "End"},
        {"MENUE_REFRESH_DATEI", "Refresh"},
        {"STRECKE_ZIRVA", "Strecke-ZIRVA:"},
        {"STRECKE_ORIGINAL", "Strecke-Original:"},
        {"MENUE_TRENNLINIE3c", hyphens.c_str()},
        {"MENUE_MAßSTAB_1_1", "Maßstab 1:1"},
        {"MENUE_MAßSTAB_STANDARD", "Maßstab Standard (5:2,54)"},
        {"MENUE_TRENNLINIE4", hyphens.c_str()},
        {"MENUE_PROGRAMM_ZIRVA40", "Programm Zirva4.0"},
        {"MENUE_PROGRAMM_ZIRVA50", "Programm Zirva5.0"},
        {"MENUE_PROGRAMM_ZIRVA60", "Programm Zirva6.0"},
        {"MENUE_PROGRAMM_ZIRVA70", "Programm Zirva7.0"},
        {"MENUE_TRENNLINIE6", hyphens.c_str()},
        {"MENUE_PROGRAMM_EDITOR", "Programm Editor"},
        {"MENUE_PROGRAMM_CNC", "Programm CNC"},
        {"MENUE_TRENNLINIE5", hyphens.c_str()},
        {"MENUE_ENTWICKLER_ON", "Entwickler on"},
        {"MENUE_ZEICHNEN", "Zeichnen"},
        {"MENUE_INTERN0", ""},
        {"MENUE_INTERN15", ""},
        {"MENUE_ANALYSE_DATEI", "ZIRVA ---> TXT (horizontal)"},
        {"MENUE_ANALYSE_DATEI_VERTIKAL", "ZIRVA ---> TXT (vertikal)"},
        {"Koordinaten_PUNKTE", "Daten Punkte (Bohrungen)"},
        {"Koordinaten_LINIEN", "Daten Linien"},
        {"Koordinaten_Rechtecke", "Daten Rechtecke"},
        {"Koordinaten_Polygone", "Daten Polygone"},
        {"Koordinaten_KREISE", "Daten Kreise"},
        {"Koordinaten_FRÄSUNGEN", "Daten Fräsungen"},
        {"MENUE_EXPORT_DATEN_FRÄSUNGEN", "Export Daten Fräsungen (txt)"},
        {"MENUE_ZIRVA", "ZIRVA"},
        {"MENUE_CNC", "CNC"},
        {"Menue_VERSION", "Version"},
        {"MENUE_PROGRAMM_PARAMETER", "Parameter"},
        {"HILFE_GERBER_PROTOKOLL", "Gerber-Protokoll"},
        {"MENUE_HILFE1", "Rastermaß  2,54 mm "},
        {"MENUE_HILFE_ZOLLmm", "Zoll in mm"},
        {"MENUE_HILFE_KENNDATEN", "Kenndaten CNC-3018-pro"},
        {"Menue_MAßSTAB", "Maßstab"},
    };
    for (const NamedCaption& entry : entries) {
        SCOPED_TRACE(entry.name);
        auto* found = find<QAction>(entry.name);
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(found->text(), QString::fromUtf8(entry.caption));
    }
    for (const char* separator :
         {"MENUE_TRENNLINIE2b", "MENUE_TRENNLINIE2c", "MENUE_TRENNLINIE2d", "MENUE_TRENNLINIE2e",
          "MENUE_TRENNLINIE2f", "MENUE_TRENNLINIE2g", "MENUE_TRENNLINIE2h"}) {
        SCOPED_TRACE(separator);
        auto* found = find<QAction>(separator);
        ASSERT_NE(found, nullptr);
        EXPECT_TRUE(found->isSeparator());
    }

    for (const char* label :
         {"Label_BOHRUNGEN_ANZAHL", "Label_LINIEN_ANZAHL", "Label_RECHTECKE_ANZAHL",
          "Label_POLYGONE_ANZAHL", "Label_KREISE_ANZAHL", "Label_BOHRUNGEN_FAHRWEG",
          "Label_BOHRUNGEN_ZEIT", "Label_FRÄSUNGEN_FAHRWEG", "Label_FRÄSUNGEN_ZEIT"}) {
        SCOPED_TRACE(label);
        EXPECT_EQ(text(label), "--");
    }
    EXPECT_EQ(text("Label_Raster"), "?");
    EXPECT_EQ(find<QGroupBox>("Frame_Fräsungen")->title().toStdString(), "Fräsungen");
    EXPECT_EQ(find<QGroupBox>("Frame6")->title().toStdString(), "Zeichnen");
    EXPECT_EQ(find<QGroupBox>("Frame10")->title().toStdString(), "Zirva-Farben");
    EXPECT_EQ(find<QGroupBox>("Frame5")->title().toStdString(), "Figuren");
    for (const char* box :
         {"Combo_BOHRUNG_SPINDLE_SPEED", "Combo_BOHRUNG_VORSCHUB_XY",
          "Combo_BOHRUNG_VORSCHUB_Z_AUF", "Combo_BOHRUNG_VORSCHUB_Z_AB", "Combo_BOHRUNG_HÖHE",
          "Combo_BOHRUNG_TIEFE", "Combo_FRÄSUNG_SPINDLE_SPEED", "Combo_FRÄSUNG_VORSCHUB_Z_AUF",
          "Combo_FRÄSUNG_VORSCHUB_Z_AB", "Combo_FRÄSUNG_VORSCHUB_XY", "Combo_FRÄSUNG_HÖHE",
          "Combo_FRÄSUNG_TIEFE", "Combo_BOHRUNGEN_OPTIMIEREN", "Combo_FRÄSUNGEN_OPTIMIEREN"}) {
        SCOPED_TRACE(box);
        auto* found = find<QComboBox>(box);
        ASSERT_NE(found, nullptr);
        EXPECT_TRUE(found->isEditable());
    }
    EXPECT_NE(find<PreviewWidget>("Picture1"), nullptr);
    EXPECT_NE(find<QListWidget>("List1"), nullptr);
    EXPECT_NE(find<QWidget>("Line_LINEAL"), nullptr);
    EXPECT_NE(find<QLabel>("Label_ORIGINAL"), nullptr);

    struct TimerDesign {
        const char* name;
        int interval;
        bool active;
    };
    for (const TimerDesign& timer :
         {TimerDesign{"Timer_START", 100, true}, TimerDesign{"Timer_ANZEIGE", 200, false},
          TimerDesign{"Timer_ZEICHNEN", 200, false}}) {
        SCOPED_TRACE(timer.name);
        auto* found = find<QTimer>(timer.name);
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(found->interval(), timer.interval);
        EXPECT_EQ(found->isActive(), timer.active);
    }
}

TEST_F(WindowTest, FirstStartWithoutSettingsFileUsesFactoryValuesAndWritesThemAtTheEnd) {
    open();
    EXPECT_EQ(listLines(), std::vector<std::string>{"Werkseinstellung"});
    EXPECT_TRUE(std::filesystem::exists(folder_ / "zrvcam.ini"));
    EXPECT_TRUE(std::filesystem::is_directory(folder_ / "Dateien"));
    EXPECT_EQ(window_->state().DATEI_ORDNER, (folder_ / "Dateien").string());

    EXPECT_EQ(find<QComboBox>("Combo_FRÄSUNG_VORSCHUB_XY")->currentText(), "10");
    EXPECT_EQ(find<QComboBox>("Combo_BOHRUNG_VORSCHUB_XY")->currentText(), "500");
    EXPECT_EQ(find<QComboBox>("Combo_BOHRUNG_TIEFE")->currentText(), "-1,5");
    EXPECT_EQ(find<QComboBox>("Combo_BOHRUNGEN_OPTIMIEREN")->currentText(), "1-Standard");
    auto* heights = find<QComboBox>("Combo_FRÄSUNG_HÖHE");
    EXPECT_EQ(heights->count(), 20);
    EXPECT_EQ(heights->findText(QStringLiteral("2,1")), -1);
    EXPECT_EQ(find<QComboBox>("Combo_BOHRUNG_SPINDLE_SPEED")->count(), 20);
    EXPECT_EQ(find<QComboBox>("Combo_FRÄSUNGEN_OPTIMIEREN")->count(), 8);
    EXPECT_TRUE(find<QCheckBox>("Check_FARBE_ALLE")->isChecked());
    EXPECT_FALSE(find<QCheckBox>("Check_BÜNDIG")->isChecked());
    EXPECT_DOUBLE_EQ(window_->state().calibration.STRECKE_ORIGINAL_WERT, 2.54);

    ASSERT_TRUE(window_->close());
    const std::vector<std::string> lines = settingsFileLines();
    ASSERT_EQ(lines.size(), 54u);
    EXPECT_EQ(lines.front(), "");
    EXPECT_EQ(lines.back(), "ENDE");
    EXPECT_EQ(lines[46], "10");  // milling XY feed
}

TEST_F(WindowTest, CommandLineIsShownBeforeTheSettingsAreRead) {
    WindowSetup withArguments = setup();
    withArguments.commandLine = "--fenster C:\\pcb\\board.zrv";
    open(withArguments, false);
    ASSERT_EQ(platform_.calls.size(), 1u);
    EXPECT_EQ(platform_.calls[0].kind, "message");
    EXPECT_EQ(platform_.calls[0].args[0], "Parameter: --fenster C:\\pcb\\board.zrv");
    EXPECT_TRUE(listLines().empty()) << "the settings were read before the message";
    ASSERT_TRUE(waitFor([this] { return window_->state().START_FERTIG; }));
    EXPECT_EQ(platform_.messages().size(), 1u);
}

TEST_F(WindowTest, EmptyCommandLineShowsNoMessage) {
    open();
    EXPECT_TRUE(platform_.messages().empty());
}

// A file manager hands over one drawing: it is read once, after the settings are applied and
// instead of the remembered drawing, and no "Parameter" box stands in the way.
TEST_F(WindowTest, DrawingHandedOverIsOpenedInsteadOfTheRememberedOne) {
    struct Case {
        const char* name;
        int revision;  // of the settings file; 0: no file
        bool rasterFromSettings;
    };
    const Case cases[] = {{"no settings file", 0, false},
                          {"settings remember another drawing", kRevision, true},
                          {"settings of another revision", kRevision + 1, false}};
    Settings saved{writeDrawing("gemerkt.zrv", "\x07ZIRVA40").string(),
                   factoryChoices(kGermanLocale)};
    saved.choices.view.Check_VIEW_RASTER = 1;
    std::filesystem::create_directory(folder_ / "Platinen");
    const std::string handedOver = writeDrawing("Platinen/neu.zrv", smallDrawingBytes()).string();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> lines = settingsLines(saved, kGermanLocale);
        lines[1] = std::to_string(c.revision);
        std::filesystem::remove(folder_ / "zrvcam.ini");
        ASSERT_TRUE(c.revision == 0 || writeTextFile(folder_ / "zrvcam.ini", lines).ok());
        WindowSetup withDrawing = setup();
        withDrawing.commandLine = withDrawing.drawingToOpen = handedOver;
        open(withDrawing, false);
        int listClears = 0;
        QObject::connect(find<QListWidget>("List1")->model(), &QAbstractItemModel::modelReset,
                         [&listClears] { ++listClears; });
        ASSERT_TRUE(waitFor([this] { return window_->state().START_FERTIG; }));
        EXPECT_TRUE(platform_.messages().empty());
        EXPECT_EQ(window_->state().program.file.DATEI_NAME, handedOver);
        EXPECT_EQ(window_->state().program.store.PUNKTE.size(), 3u);
        EXPECT_EQ(listClears, 1) << "the remembered drawing must not be read as well";
        EXPECT_EQ(window_->state().DATEI_ORDNER, (folder_ / "Platinen").string());
        EXPECT_EQ(find<QCheckBox>("Check_VIEW_RASTER")->isChecked(), c.rasterFromSettings);
        window_.reset();
    }
}

TEST_F(WindowTest, ReloadRequestsBeforeTheEndOfStartUpDoNothing) {
    open(setup(), false);
    trigger("MENUE_REFRESH_DATEI");
    find<QCheckBox>("Check_BÜNDIG")->click();
    find<QCheckBox>("Check_BÜNDIG")->click();
    EXPECT_TRUE(listLines().empty());
    ASSERT_TRUE(waitFor([this] { return window_->state().START_FERTIG; }));
    EXPECT_EQ(listLines(), std::vector<std::string>{"Werkseinstellung"});
    EXPECT_TRUE(platform_.messages().empty()) << "a reload without a drawing would say so";
}

TEST_F(WindowTest, SavedSettingWithoutLinesReadsTheDrawingOnceAtStart) {
    const std::filesystem::path drawing = writeDrawing("board.zrv", smallDrawingBytes());
    Settings saved{drawing.string(), factoryChoices(kGermanLocale)};
    saved.choices.filter.Check_ENABLED_LINIEN = 0;
    saved.choices.view.Check_VIEW_RASTER = 1;
    ASSERT_TRUE(PARAMETER_SPEICHERN(folder_ / "zrvcam.ini", saved, kGermanLocale).ok());

    open(setup(), false);
    int listClears = 0;
    QObject::connect(find<QListWidget>("List1")->model(), &QAbstractItemModel::modelReset,
                     [&listClears] { ++listClears; });
    ASSERT_TRUE(waitFor([this] { return window_->state().START_FERTIG; }));

    EXPECT_EQ(listClears, 1) << "the drawing must be read once, by the settings loader";
    EXPECT_FALSE(find<QCheckBox>("Check_ENABLED_LINIEN")->isChecked());
    EXPECT_TRUE(find<QCheckBox>("Check_VIEW_RASTER")->isChecked());
    EXPECT_EQ(window_->state().program.store.PUNKTE.size(), 3u);
    EXPECT_TRUE(window_->state().program.store.LINIEN.empty());
    EXPECT_EQ(window_->state().DATEI_ORDNER, folder_.string());
}

// "End" and the window's close button both write the settings.
TEST_F(WindowTest, EndAndCloseButtonWriteTheSettings) {
    for (bool throughMenu : {true, false}) {
        SCOPED_TRACE(throughMenu ? "End" : "close button");
        std::filesystem::remove(folder_ / "zrvcam.ini");
        open();
        find<QCheckBox>("Check_VIEW_RASTER")->click();
        find<QComboBox>("Combo_BOHRUNG_SPINDLE_SPEED")->setEditText(QStringLiteral("12,5"));
        if (throughMenu) {
            trigger("MENUE_ENDE");
        } else {
            window_->close();
        }
        EXPECT_FALSE(window_->isVisible());
        const std::vector<std::string> lines = settingsFileLines();
        ASSERT_EQ(lines.size(), 54u);
        EXPECT_EQ(lines[10], " 1 ");   // Check_VIEW_RASTER
        EXPECT_EQ(lines[37], "12,5");  // Combo_BOHRUNG_SPINDLE_SPEED
        window_.reset();
    }
}

// The choices the 54 lines have no room for come back from the file beside them, and a machine
// value that could not be taken is named in the status list.
TEST_F(WindowTest, ExtraSettingsComeBackAtStartAndAreWrittenAtTheEnd) {
    test::writeBytes(folder_ / "zrvcam_extra.ini",
                     "weg_verbessern_fraesungen=1\r\n$110=abc\r\n$120=50\r\n");
    open();
    EXPECT_TRUE(find<QCheckBox>("Check_FRÄSUNGEN_WEG_VERBESSERN")->isChecked());
    EXPECT_FALSE(find<QCheckBox>("Check_BOHRUNGEN_WEG_VERBESSERN")->isChecked());
    const std::vector<std::string> lines = listLines();
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const std::string& line) {
        return line.find("$110=abc") != std::string::npos;
    }));

    find<QCheckBox>("Check_BOHRUNGEN_WEG_VERBESSERN")->click();
    trigger("MENUE_ENDE");
    const std::string saved = test::readBytes(folder_ / "zrvcam_extra.ini");
    for (const char* line :
         {"weg_verbessern_bohrungen=1\r\n", "weg_verbessern_fraesungen=1\r\n", "$120=50\r\n"}) {
        EXPECT_NE(saved.find(line), std::string::npos) << line;
    }
    EXPECT_EQ(settingsFileLines().size(), 54u);
}

// The boxes hold the user's choices only once the settings file has been applied.
TEST_F(WindowTest, ClosingBeforeTheEndOfStartUpKeepsTheSettingsFile) {
    Settings saved{"", factoryChoices(kGermanLocale)};
    saved.choices.parameters.Combo_BOHRUNG_SPINDLE_SPEED = "12345";
    ASSERT_TRUE(PARAMETER_SPEICHERN(folder_ / "zrvcam.ini", saved, kGermanLocale).ok());
    const std::vector<std::string> before = settingsFileLines();

    open(setup(), false);
    EXPECT_TRUE(window_->close());
    EXPECT_EQ(settingsFileLines(), before);
    EXPECT_EQ(before[37], "12345");
}

TEST_F(WindowTest, FailedSaveAtTheEndKeepsTheProgramOpen) {
    std::ofstream(folder_ / "blocker") << "a file where the folder should be";
    WindowSetup blocked = setup();
    blocked.folder.settingsFile = folder_ / "blocker" / "zrvcam.ini";
    open(blocked);
    window_->close();
    EXPECT_TRUE(window_->isVisible());
    ASSERT_EQ(platform_.messages().size(), 1u);
    EXPECT_NE(platform_.messages()[0].find("nicht gespeichert"), std::string::npos);
}

TEST_F(WindowTest, StatusDisplayShowsCalibrationPathsAndEmptyCounts) {
    WindowSetup withArguments = setup();
    withArguments.commandLine = "x";
    open(withArguments);
    waitForStatusTick();
    const std::string editor = factoryProgramPaths().PROGRAMM_EDITOR;
    const NamedCaption captions[] = {
        {"STRECKE_ZIRVA", "STRECKE-ZIRVA: 5 mm"},
        {"STRECKE_ORIGINAL", "STRECKE-ORIGINAL: 2,54 mm"},
        {"Menue_VERSION", "zrvcam   Version: 2"},
        {"MENUE_PROGRAMM_PARAMETER", "Programm Paramer: x"},
        {"MENUE_INTERN0", "X-min 0mm"},
        {"MENUE_INTERN3", "y-max 0mm"},
        {"MENUE_INTERN4", ""},
        {"MENUE_INTERN12", "FreeFile:1"},
    };
    for (const NamedCaption& caption : captions) {
        SCOPED_TRACE(caption.name);
        EXPECT_EQ(find<QAction>(caption.name)->text(), QString::fromUtf8(caption.caption));
    }
    EXPECT_EQ(find<QAction>("MENUE_PROGRAMM_EDITOR")->text().toStdString(),
              "RROGRAMM_EDITOR: " + editor);
    EXPECT_EQ(text("Label_BOHRUNGEN_ANZAHL"), "0");
    EXPECT_EQ(text("Label_KREISE_ANZAHL"), "0");
    EXPECT_EQ(find<QGroupBox>("Frame_BOHRUNGEN")->title().toStdString(), "Bohrungen: 0");
    EXPECT_EQ(text("Label_FRÄSUNGEN_FAHRWEG"), "0,0mm");
    EXPECT_EQ(text("Label_BOHRUNGEN_ZEIT"), "0min ");
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d  $"))
                    .match(window_->windowTitle())
                    .hasMatch())
        << window_->windowTitle().toStdString();
}

}  // namespace
}  // namespace zrv::test
