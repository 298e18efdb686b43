#include "ui/window/window_menus.h"

namespace zrv {

namespace {

QAction* entry(QWidget* menu, const char* name, const char* caption) {
    auto* action = new QAction(QString::fromUtf8(caption), menu);
    action->setObjectName(QString::fromUtf8(name));
    menu->addAction(action);
    return action;
}

// A row of hyphens that separates groups and does nothing.
void hyphenRow(QWidget* menu, const char* name) {
    QAction* row = entry(menu, name, "");
    row->setText(QString(46, QLatin1Char('-')));
    row->setEnabled(false);
}

void separator(QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(QString::fromUtf8(name));
}

QMenu* menu(QMenuBar* bar, const char* name, const char* caption) {
    QMenu* added = bar->addMenu(QString::fromUtf8(caption));
    added->setObjectName(QString::fromUtf8(name));
    return added;
}

void buildFileMenu(QMenuBar* bar, Menus& m) {
    QMenu* datei = menu(bar, "MENUE_DATEI", "Datei");
    hyphenRow(datei, "MENUE_TRENNLINIE");
    m.MENUE_ZIRVA_OEFFNEN = entry(datei, "MENUE_ZIRVA_ÖFFNEN", "öffnen...");
    m.MENUE_ZIRVA_OEFFNEN->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    hyphenRow(datei, "MENUE_TRENNLINIE2");
    m.MENUE_EDIT_DATEI = entry(datei, "MENUE_EDIT_DATEI", "Edit... (txt-Datei)");
    hyphenRow(datei, "MENUE_TRENNLINIE3");
    m.MENUE_ENDE = entry(datei, "MENUE_ENDE", "End");
}

void buildOptionsMenu(QMenuBar* bar, Menus& m) {
    QMenu* optionen = menu(bar, "MENUE_OPTIONEN", "Optionen");
    m.STRECKE_ZIRVA = entry(optionen, "STRECKE_ZIRVA", "Strecke-ZIRVA:");
    m.STRECKE_ORIGINAL = entry(optionen, "STRECKE_ORIGINAL", "Strecke-Original:");
    hyphenRow(optionen, "MENUE_TRENNLINIE3c");
    m.MENUE_MASSSTAB_1_1 = entry(optionen, "MENUE_MAßSTAB_1_1", "Maßstab 1:1");
    m.MENUE_MASSSTAB_STANDARD =
        entry(optionen, "MENUE_MAßSTAB_STANDARD", "Maßstab Standard (5:2,54)");
    hyphenRow(optionen, "MENUE_TRENNLINIE4");
    m.MENUE_PROGRAMM_ZIRVA40 = entry(optionen, "MENUE_PROGRAMM_ZIRVA40", "Programm Zirva4.0");
    m.MENUE_PROGRAMM_ZIRVA50 = entry(optionen, "MENUE_PROGRAMM_ZIRVA50", "Programm Zirva5.0");
    m.MENUE_PROGRAMM_ZIRVA60 = entry(optionen, "MENUE_PROGRAMM_ZIRVA60", "Programm Zirva6.0");
    m.MENUE_PROGRAMM_ZIRVA70 = entry(optionen, "MENUE_PROGRAMM_ZIRVA70", "Programm Zirva7.0");
    hyphenRow(optionen, "MENUE_TRENNLINIE6");
    m.MENUE_PROGRAMM_EDITOR = entry(optionen, "MENUE_PROGRAMM_EDITOR", "Programm Editor");
    m.MENUE_PROGRAMM_CNC = entry(optionen, "MENUE_PROGRAMM_CNC", "Programm CNC");
    m.MENUE_MASCHINE_LADEN = entry(optionen, "MENUE_MASCHINE_LADEN", "Maschine ($$) laden...");
    hyphenRow(optionen, "MENUE_TRENNLINIE5");
    m.MENUE_ENTWICKLER_ON = entry(optionen, "MENUE_ENTWICKLER_ON", "Entwickler on");
    m.MENUE_ENTWICKLER_ON->setCheckable(true);
}

void buildHeightMapMenu(QMenuBar* bar, Menus& m) {
    QMenu* karte = menu(bar, "MENUE_HÖHENKARTE", "Höhenkarte");
    m.MENUE_TASTPROGRAMM = entry(karte, "MENUE_TASTPROGRAMM", "Tastprogramm schreiben");
    m.MENUE_TASTPROTOKOLL_LADEN =
        entry(karte, "MENUE_TASTPROTOKOLL_LADEN", "Tastprotokoll laden...");
    m.MENUE_HOEHENKARTE_VERWERFEN =
        entry(karte, "MENUE_HÖHENKARTE_VERWERFEN", "Höhenkarte verwerfen");
    separator(karte, "MENUE_TRENNLINIE_HK");
    const char* captions[] = {"Rasterabstand (mm)...", "Vorschub beim Antasten (mm/min)...",
                              "Tiefe beim Antasten (mm)...", "Abheben beim Antasten (mm)..."};
    for (std::size_t i = 0; i < m.MENUE_ANTASTEN_WAHL.size(); ++i) {
        m.MENUE_ANTASTEN_WAHL[i] =
            entry(karte, ("MENUE_ANTASTEN_WAHL" + std::to_string(i)).c_str(), captions[i]);
    }
}

void buildDeveloperMenu(QMenuBar* bar, Menus& m) {
    QMenu* dev = menu(bar, "MENUE_ENTWICKLER", "Entwickler");
    dev->menuAction()->setVisible(false);
    dev->menuAction()->setEnabled(false);
    m.MENUE_ENTWICKLER = dev;
    m.MENUE_ZEICHNEN = entry(dev, "MENUE_ZEICHNEN", "Zeichnen");
    separator(dev, "MENUE_TRENNLINIE2b");
    for (std::size_t i = 0; i < m.MENUE_INTERN.size(); ++i) {
        m.MENUE_INTERN[i] = entry(dev, ("MENUE_INTERN" + std::to_string(i)).c_str(), "");
        if (i == 3) {
            separator(dev, "MENUE_TRENNLINIE2c");
        }
    }
    separator(dev, "MENUE_TRENNLINIE2d");
    m.MENUE_ANALYSE_DATEI = entry(dev, "MENUE_ANALYSE_DATEI", "ZIRVA ---> TXT (horizontal)");
    m.MENUE_ANALYSE_DATEI_VERTIKAL =
        entry(dev, "MENUE_ANALYSE_DATEI_VERTIKAL", "ZIRVA ---> TXT (vertikal)");
    separator(dev, "MENUE_TRENNLINIE2e");
    m.Koordinaten_PUNKTE = entry(dev, "Koordinaten_PUNKTE", "Daten Punkte (Bohrungen)");
    separator(dev, "MENUE_TRENNLINIE2f");
    m.Koordinaten_LINIEN = entry(dev, "Koordinaten_LINIEN", "Daten Linien");
    m.Koordinaten_Rechtecke = entry(dev, "Koordinaten_Rechtecke", "Daten Rechtecke");
    m.Koordinaten_Polygone = entry(dev, "Koordinaten_Polygone", "Daten Polygone");
    m.Koordinaten_KREISE = entry(dev, "Koordinaten_KREISE", "Daten Kreise");
    separator(dev, "MENUE_TRENNLINIE2g");
    m.Koordinaten_FRAESUNGEN = entry(dev, "Koordinaten_FRÄSUNGEN", "Daten Fräsungen");
    separator(dev, "MENUE_TRENNLINIE2h");
    m.MENUE_EXPORT_DATEN_FRAESUNGEN =
        entry(dev, "MENUE_EXPORT_DATEN_FRÄSUNGEN", "Export Daten Fräsungen (txt)");
}

void buildHelpMenu(QMenuBar* bar, Menus& m) {
    QMenu* hilfe = menu(bar, "MENUE_HILFE", "?");
    m.Menue_VERSION = entry(hilfe, "Menue_VERSION", "Version");
    m.MENUE_PROGRAMM_PARAMETER = entry(hilfe, "MENUE_PROGRAMM_PARAMETER", "Parameter");
    m.HILFE_GERBER_PROTOKOLL = entry(hilfe, "HILFE_GERBER_PROTOKOLL", "Gerber-Protokoll");
    m.MENUE_HILFE1 = entry(hilfe, "MENUE_HILFE1", "Rastermaß  2,54 mm ");
    m.MENUE_HILFE_ZOLLmm = entry(hilfe, "MENUE_HILFE_ZOLLmm", "Zoll in mm");
    m.MENUE_HILFE_KENNDATEN = entry(hilfe, "MENUE_HILFE_KENNDATEN", "Kenndaten CNC-3018-pro");
}

}  // namespace

void buildMenus(QMenuBar* bar, Menus& menus) {
    buildFileMenu(bar, menus);
    menus.MENUE_REFRESH_DATEI = entry(bar, "MENUE_REFRESH_DATEI", "Refresh");
    buildOptionsMenu(bar, menus);
    buildHeightMapMenu(bar, menus);
    buildDeveloperMenu(bar, menus);
    menus.MENUE_ZIRVA = entry(bar, "MENUE_ZIRVA", "ZIRVA");
    menus.MENUE_CNC = entry(bar, "MENUE_CNC", "CNC");
    buildHelpMenu(bar, menus);
    menus.Menue_MASSSTAB = entry(bar, "Menue_MAßSTAB", "Maßstab");
}

}  // namespace zrv
