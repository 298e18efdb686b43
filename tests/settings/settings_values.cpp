#include "settings_values.h"

#include <sstream>

namespace zrv::test {
namespace {

std::string exact(double value) {
    std::ostringstream text;
    text.precision(17);
    text << value;
    return text.str();
}

}  // namespace

ValueList describe(const Settings& s) {
    const Choices& c = s.choices;
    const FigureFilter& f = c.filter;
    const ViewChoices& v = c.view;
    const Parameters& p = c.parameters;
    const ExportChoices& e = c.exports;
    const auto n = [](auto value) { return std::to_string(value); };
    return {
        {"DATEI_NAME", s.DATEI_NAME},
        {"PROGRAMM_ZIRVA40", c.paths.PROGRAMM_ZIRVA40},
        {"PROGRAMM_ZIRVA50", c.paths.PROGRAMM_ZIRVA50},
        {"PROGRAMM_ZIRVA60", c.paths.PROGRAMM_ZIRVA60},
        {"PROGRAMM_ZIRVA70", c.paths.PROGRAMM_ZIRVA70},
        {"PROGRAMM_EDITOR", c.paths.PROGRAMM_EDITOR},
        {"PROGRAMM_CNC", c.paths.PROGRAMM_CNC},
        {"STRECKE_ZIRVA_WERT", exact(c.calibration.STRECKE_ZIRVA_WERT)},
        {"STRECKE_ORIGINAL_WERT", exact(c.calibration.STRECKE_ORIGINAL_WERT)},
        {"Check_VIEW_RASTER", n(v.Check_VIEW_RASTER)},
        {"Check_VIEW_LINEAL", n(v.Check_VIEW_LINEAL)},
        {"Check_BEREICH", n(v.Check_BEREICH)},
        {"Check_NULL_PUNKT", n(v.Check_NULL_PUNKT)},
        {"Check_BUENDIG", n(c.prepare.Check_BUENDIG)},
        {"Check_SPIEGELN_HORIZONTAL", n(c.prepare.Check_SPIEGELN_HORIZONTAL)},
        {"Check_FARBE_ROT", n(f.Check_FARBE_ROT)},
        {"Check_FARBE_GRUEN", n(f.Check_FARBE_GRUEN)},
        {"Check_FARBE_BLAU", n(f.Check_FARBE_BLAU)},
        {"Check_FARBE_GRAU", n(f.Check_FARBE_GRAU)},
        {"Check_FARBE_SCHWARZ", n(f.Check_FARBE_SCHWARZ)},
        {"Check_FARBE_ALLE", n(f.Check_FARBE_ALLE)},
        {"Check_ENABLED_BOHRUNGEN", n(f.Check_ENABLED_BOHRUNGEN)},
        {"Check_ENABLED_LINIEN", n(f.Check_ENABLED_LINIEN)},
        {"Check_ENABLED_RECHTECKE", n(f.Check_ENABLED_RECHTECKE)},
        {"Check_ENABLED_POLYGONE", n(f.Check_ENABLED_POLYGONE)},
        {"Check_ENABLED_KREISE", n(f.Check_ENABLED_KREISE)},
        {"Check_VIEW_BOHRUNGEN", n(v.Check_VIEW_BOHRUNGEN)},
        {"Check_WEG_BOHRUNGEN", n(v.Check_WEG_BOHRUNGEN)},
        {"Combo_BOHRUNGEN_OPTIMIEREN", c.prepare.Combo_BOHRUNGEN_OPTIMIEREN},
        {"Command_FARBE_VIEW_BOHRUNGEN", n(v.Command_FARBE_VIEW_BOHRUNGEN)},
        {"Command_FARBE_WEG_BOHRUNGEN", n(v.Command_FARBE_WEG_BOHRUNGEN)},
        {"Check_VIEW_FRAESUNGEN", n(v.Check_VIEW_FRAESUNGEN)},
        {"Check_WEG_FRAESUNGEN", n(v.Check_WEG_FRAESUNGEN)},
        {"Combo_FRAESUNGEN_OPTIMIEREN", c.prepare.Combo_FRAESUNGEN_OPTIMIEREN},
        {"Command_FARBE_VIEW_FRAESUNGEN", n(v.Command_FARBE_VIEW_FRAESUNGEN)},
        {"Command_FARBE_WEG_FRAESUNGEN", n(v.Command_FARBE_WEG_FRAESUNGEN)},
        {"Combo_BOHRUNG_SPINDLE_SPEED", p.Combo_BOHRUNG_SPINDLE_SPEED},
        {"Combo_BOHRUNG_VORSCHUB_XY", p.Combo_BOHRUNG_VORSCHUB_XY},
        {"Combo_BOHRUNG_VORSCHUB_Z_AUF", p.Combo_BOHRUNG_VORSCHUB_Z_AUF},
        {"Combo_BOHRUNG_VORSCHUB_Z_AB", p.Combo_BOHRUNG_VORSCHUB_Z_AB},
        {"Combo_BOHRUNG_HOEHE", p.Combo_BOHRUNG_HOEHE},
        {"Combo_BOHRUNG_TIEFE", p.Combo_BOHRUNG_TIEFE},
        {"Combo_FRAESUNG_SPINDLE_SPEED", p.Combo_FRAESUNG_SPINDLE_SPEED},
        {"Combo_FRAESUNG_VORSCHUB_Z_AUF", p.Combo_FRAESUNG_VORSCHUB_Z_AUF},
        {"Combo_FRAESUNG_VORSCHUB_Z_AB", p.Combo_FRAESUNG_VORSCHUB_Z_AB},
        {"Combo_FRAESUNG_VORSCHUB_XY", p.Combo_FRAESUNG_VORSCHUB_XY},
        {"Combo_FRAESUNG_HOEHE", p.Combo_FRAESUNG_HOEHE},
        {"Combo_FRAESUNG_TIEFE", p.Combo_FRAESUNG_TIEFE},
        {"Check_EXPORT_BOHRUNG", n(e.Check_EXPORT_BOHRUNG)},
        {"Check_EXPORT_FRAESUNG", n(e.Check_EXPORT_FRAESUNG)},
        {"Check_EXPORT_VORSCHAU", n(e.Check_EXPORT_VORSCHAU)},
        {"Check_EXPORT_GRBL_INFO", n(e.Check_EXPORT_GRBL_INFO)},
    };
}

Settings factorySettings(NumberLocale locale) {
    return {"", factoryChoices(locale)};
}

Settings changedSettings() {
    Settings s;
    s.DATEI_NAME = "C:\\Zeichnungen\\Übung ä.zrv";
    Choices& c = s.choices;
    c.paths = {"C:\\Programme\\Zirva 4\\ZIRVA4.EXE",
               "/opt/zirva5/zirva",
               "D:\\Zirva6\\Z6.EXE",
               "/home/jörg/zirva7",
               "/usr/bin/gedit",
               "/opt/cnc/sender"};
    c.calibration = {7.5, 3.175};
    c.view.Check_VIEW_RASTER = 1;
    c.view.Check_VIEW_LINEAL = 2;
    c.view.Check_BEREICH = 1;
    c.view.Check_NULL_PUNKT = 1;
    c.prepare.Check_BUENDIG = 1;
    c.prepare.Check_SPIEGELN_HORIZONTAL = 2;
    c.filter = {0, 2, 0, 0, 2, 0, 0, 2, 0, 2, 0};
    c.view.Check_VIEW_BOHRUNGEN = 0;
    c.view.Check_WEG_BOHRUNGEN = 2;
    c.prepare.Combo_BOHRUNGEN_OPTIMIEREN = "3-Stufe";
    c.view.Command_FARBE_VIEW_BOHRUNGEN = 0x00FF00;
    c.view.Command_FARBE_WEG_BOHRUNGEN = 0;
    c.view.Check_VIEW_FRAESUNGEN = 0;
    c.view.Check_WEG_FRAESUNGEN = 0;
    c.prepare.Combo_FRAESUNGEN_OPTIMIEREN = "7-Stufe";
    c.view.Command_FARBE_VIEW_FRAESUNGEN = 0xFFFFFF;
    c.view.Command_FARBE_WEG_FRAESUNGEN = 0x123456;
    c.parameters = {"1200 U/min", "12,5", "333", "7",     "3,25",  "-0,75",
                    "24000",      "250",  "abc", "1.5e3", " 2,0 ", "-0,05"};
    c.exports = {0, 2, 0, 0};
    return s;
}

}  // namespace zrv::test
