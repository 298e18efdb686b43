#pragma once

#include "settings/parameters.h"
#include "settings/settings_file.h"

namespace zrv::settings_layout {

// The 54 lines of the settings file in their order. The writer and the reader both walk this
// one list, so the two can never disagree about a position. `S` is Settings or const Settings;
// the visitor offers text, revision, calibration, check (with an optional label), colour, end.
template <class S, class Visitor>
void forEachLine(S& settings, Visitor& line) {
    auto& c = settings.choices;
    line.text(settings.DATEI_NAME);
    line.revision();
    line.text(c.paths.PROGRAMM_ZIRVA40);
    line.text(c.paths.PROGRAMM_ZIRVA50);
    line.text(c.paths.PROGRAMM_ZIRVA60);
    line.text(c.paths.PROGRAMM_ZIRVA70);
    line.text(c.paths.PROGRAMM_EDITOR);
    line.text(c.paths.PROGRAMM_CNC);
    line.calibration(c.calibration.STRECKE_ZIRVA_WERT);
    line.calibration(c.calibration.STRECKE_ORIGINAL_WERT);
    line.check(c.view.Check_VIEW_RASTER);
    line.check(c.view.Check_VIEW_LINEAL);
    line.check(c.view.Check_BEREICH);
    line.check(c.view.Check_NULL_PUNKT);
    line.check(c.prepare.Check_BUENDIG);
    line.check(c.prepare.Check_SPIEGELN_HORIZONTAL);
    line.check(c.filter.Check_FARBE_ROT, " Zirva Farben");
    line.check(c.filter.Check_FARBE_GRUEN);
    line.check(c.filter.Check_FARBE_BLAU);
    line.check(c.filter.Check_FARBE_GRAU);
    line.check(c.filter.Check_FARBE_SCHWARZ);
    line.check(c.filter.Check_FARBE_ALLE);
    line.check(c.filter.Check_ENABLED_BOHRUNGEN, " Zirva Figuren");
    line.check(c.filter.Check_ENABLED_LINIEN);
    line.check(c.filter.Check_ENABLED_RECHTECKE);
    line.check(c.filter.Check_ENABLED_POLYGONE);
    line.check(c.filter.Check_ENABLED_KREISE);
    line.check(c.view.Check_VIEW_BOHRUNGEN, " Optimierung Bohrungen");
    line.check(c.view.Check_WEG_BOHRUNGEN);
    line.text(c.prepare.Combo_BOHRUNGEN_OPTIMIEREN);
    line.colour(c.view.Command_FARBE_VIEW_BOHRUNGEN);
    line.colour(c.view.Command_FARBE_WEG_BOHRUNGEN);
    line.check(c.view.Check_VIEW_FRAESUNGEN, " Optimierung Fräsungen");
    line.check(c.view.Check_WEG_FRAESUNGEN);
    line.text(c.prepare.Combo_FRAESUNGEN_OPTIMIEREN);
    line.colour(c.view.Command_FARBE_VIEW_FRAESUNGEN);
    line.colour(c.view.Command_FARBE_WEG_FRAESUNGEN);
    for (const ParameterGroup* group : kParameterGroups) {
        for (const ParameterRow& row : *group) {
            line.text(c.parameters.*row.text);
        }
    }
    line.check(c.exports.Check_EXPORT_BOHRUNG, " Gerber-Export");
    line.check(c.exports.Check_EXPORT_FRAESUNG);
    line.check(c.exports.Check_EXPORT_VORSCHAU);
    line.check(c.exports.Check_EXPORT_GRBL_INFO);
    line.end();
}

}  // namespace zrv::settings_layout
