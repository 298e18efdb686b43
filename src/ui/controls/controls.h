#pragma once

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <array>

#include "settings/parameters.h"
#include "settings/switches.h"
#include "ui/widgets/colour_button.h"

namespace zrv {

class PreviewWidget;

// The controls of the main window that the flows read and write. The window owns them (Qt
// parent ownership); this is only the list of where they are.
struct Controls {
    PreviewWidget* Picture1 = nullptr;
    QListWidget* List1 = nullptr;

    // Every check box, as kSwitches holds their rows
    std::array<QCheckBox*, kSwitches.size()> checks{};

    // Frame "Zeichnen"
    QLabel* Label_Raster = nullptr;
    QLabel* Label_POSITION = nullptr;  // under the preview: where the pointer is

    // Frame "Figuren": the count labels
    QLabel* Label_BOHRUNGEN_ANZAHL = nullptr;
    QLabel* Label_LINIEN_ANZAHL = nullptr;
    QLabel* Label_RECHTECKE_ANZAHL = nullptr;
    QLabel* Label_POLYGONE_ANZAHL = nullptr;
    QLabel* Label_KREISE_ANZAHL = nullptr;

    // Frames "Bohrungen" and "Fräsungen"
    QGroupBox* Frame_BOHRUNGEN = nullptr;
    ColourButton* Command_FARBE_VIEW_BOHRUNGEN = nullptr;
    ColourButton* Command_FARBE_WEG_BOHRUNGEN = nullptr;
    QLabel* Label_BOHRUNGEN_FAHRWEG = nullptr;
    QLabel* Label_BOHRUNGEN_ZEIT = nullptr;
    QComboBox* Combo_BOHRUNGEN_OPTIMIEREN = nullptr;
    QGroupBox* Frame_FRAESUNGEN = nullptr;
    ColourButton* Command_FARBE_VIEW_FRAESUNGEN = nullptr;
    ColourButton* Command_FARBE_WEG_FRAESUNGEN = nullptr;
    QLabel* Label_FRAESUNGEN_FAHRWEG = nullptr;
    QLabel* Label_FRAESUNGEN_ZEIT = nullptr;
    QComboBox* Combo_FRAESUNGEN_OPTIMIEREN = nullptr;

    // The twelve parameter boxes, as kParameterGroups holds their rows, and the two "Standard"
    // buttons
    std::array<std::array<QComboBox*, kParameterRoles>, 2> parameterBoxes{};
    QPushButton* Command_BOHRUNG_STANDARD = nullptr;
    QPushButton* Command_FRAESUNG_STANDARD = nullptr;
    // "Zustellung" and "Bohren in Stufen" below them (kept in the extra settings file)
    QComboBox* Combo_ZUSTELLUNG = nullptr;
    QComboBox* Combo_BOHREN_IN_STUFEN = nullptr;

    QPushButton* Command_EXPORT_GERBER = nullptr;
};

// The menu entries of the main window.
struct Menus {
    QAction* MENUE_ZIRVA_OEFFNEN = nullptr;
    QAction* MENUE_EDIT_DATEI = nullptr;
    QAction* MENUE_ENDE = nullptr;
    QAction* MENUE_REFRESH_DATEI = nullptr;

    QAction* STRECKE_ZIRVA = nullptr;
    QAction* STRECKE_ORIGINAL = nullptr;
    QAction* MENUE_MASSSTAB_1_1 = nullptr;
    QAction* MENUE_MASSSTAB_STANDARD = nullptr;
    QAction* MENUE_PROGRAMM_ZIRVA40 = nullptr;
    QAction* MENUE_PROGRAMM_ZIRVA50 = nullptr;
    QAction* MENUE_PROGRAMM_ZIRVA60 = nullptr;
    QAction* MENUE_PROGRAMM_ZIRVA70 = nullptr;
    QAction* MENUE_PROGRAMM_EDITOR = nullptr;
    QAction* MENUE_PROGRAMM_CNC = nullptr;
    QAction* MENUE_MASCHINE_LADEN = nullptr;
    // "Höhenkarte": the probe program, the probe log, dropping the map and the probe choices.
    QAction* MENUE_TASTPROGRAMM = nullptr;
    QAction* MENUE_TASTPROTOKOLL_LADEN = nullptr;
    QAction* MENUE_HOEHENKARTE_VERWERFEN = nullptr;
    std::array<QAction*, 4> MENUE_ANTASTEN_WAHL{};  // spacing, feed, depth, lift
    QAction* MENUE_ENTWICKLER_ON = nullptr;

    QMenu* MENUE_ENTWICKLER = nullptr;
    QAction* MENUE_ZEICHNEN = nullptr;
    std::array<QAction*, 16> MENUE_INTERN{};
    QAction* MENUE_ANALYSE_DATEI = nullptr;
    QAction* MENUE_ANALYSE_DATEI_VERTIKAL = nullptr;
    QAction* Koordinaten_PUNKTE = nullptr;
    QAction* Koordinaten_LINIEN = nullptr;
    QAction* Koordinaten_Rechtecke = nullptr;
    QAction* Koordinaten_Polygone = nullptr;
    QAction* Koordinaten_KREISE = nullptr;
    QAction* Koordinaten_FRAESUNGEN = nullptr;
    QAction* MENUE_EXPORT_DATEN_FRAESUNGEN = nullptr;

    QAction* MENUE_ZIRVA = nullptr;
    QAction* MENUE_CNC = nullptr;

    QAction* Menue_VERSION = nullptr;
    QAction* MENUE_PROGRAMM_PARAMETER = nullptr;
    QAction* HILFE_GERBER_PROTOKOLL = nullptr;
    QAction* MENUE_HILFE1 = nullptr;
    QAction* MENUE_HILFE_ZOLLmm = nullptr;
    QAction* MENUE_HILFE_KENNDATEN = nullptr;

    QAction* Menue_MASSSTAB = nullptr;
};

// The three timers of the main window.
struct Timers {
    QTimer* Timer_START = nullptr;
    QTimer* Timer_ANZEIGE = nullptr;
    QTimer* Timer_ZEICHNEN = nullptr;
};

}  // namespace zrv
