#pragma once

#include "settings/parameters.h"
#include "settings/settings_file.h"
#include "settings/switches.h"

namespace zrv::settings_layout {

// The check boxes whose settings lines lie from `first` to `last`, in the order of the lines.
template <class C, class Visitor>
void checkLines(C& choices, Visitor& line, int first, int last) {
    for (const SwitchRow& row : kSwitches) {
        if (row.line >= first && row.line <= last) {
            line.check(switchValue(choices, row), row.lineLabel);
        }
    }
}

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
    checkLines(c, line, 11, 29);
    line.text(c.prepare.Combo_BOHRUNGEN_OPTIMIEREN);
    line.colour(c.view.Command_FARBE_VIEW_BOHRUNGEN);
    line.colour(c.view.Command_FARBE_WEG_BOHRUNGEN);
    checkLines(c, line, 33, 34);
    line.text(c.prepare.Combo_FRAESUNGEN_OPTIMIEREN);
    line.colour(c.view.Command_FARBE_VIEW_FRAESUNGEN);
    line.colour(c.view.Command_FARBE_WEG_FRAESUNGEN);
    for (const ParameterGroup* group : kParameterGroups) {
        for (const ParameterRow& row : *group) {
            line.text(c.parameters.*row.text);
        }
    }
    checkLines(c, line, 50, 53);
    line.end();
}

}  // namespace zrv::settings_layout
