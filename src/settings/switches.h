#pragma once

#include <array>
#include <string_view>
#include <type_traits>
#include <utility>

#include "settings/choices.h"

namespace zrv {

// Where a value lives in Choices, as a table row holds it; `choiceAt` makes one.
template <class T>
struct ChoiceRef {
    T& (*of)(Choices&) = nullptr;
    const T& (*in)(const Choices&) = nullptr;
};

template <auto part, auto member>
using ChoiceMember = std::remove_reference_t<decltype((std::declval<Choices&>().*part).*member)>;

// choiceAt<&Choices::view, &ViewChoices::Check_VIEW_RASTER> stands for
// choices.view.Check_VIEW_RASTER.
template <auto part, auto member>
inline constexpr ChoiceRef<ChoiceMember<part, member>> choiceAt = {
    [](Choices& c) -> ChoiceMember<part, member>& { return (c.*part).*member; },
    [](const Choices& c) -> const ChoiceMember<part, member>& { return (c.*part).*member; }};

// What a click on a check box starts: a redraw of the preview, a reload of the drawing, or
// nothing until the box is read (the export's boxes).
enum class ClickEffect { Redraw, Reload, None };

// The frames of the panel that hold check boxes.
enum class PanelFrame { Drawing, Colours, Figures, Drilling, Milling, Export };

// Where a check box sits in its frame's grid.
struct PanelCell {
    PanelFrame frame;
    int row;
    int column;
    int columns = 1;
};

// One check box: everything the panel, the reading and writing of its value, its connection
// and the settings files need to know about it. Its state in the window's design is its value
// in a new Choices.
struct SwitchRow {
    ChoiceRef<int> value;
    std::string_view name;     // the box's object name, as the window spells it
    std::string_view caption;  // its text in the panel
    ClickEffect click;
    PanelCell cell;
    int line;                    // its line in the settings file, from 1; 0: none
    std::string_view lineLabel;  // written after the value on that line
    std::string_view key;        // its key in the extra settings file when it has no line
};

namespace switch_rows {
using C = Choices;
using V = ViewChoices;
using P = PrepareChoices;
using F = FigureFilter;
using E = ExportChoices;
using enum ClickEffect;
using enum PanelFrame;

// In the order of the settings file, the boxes of the extra file last.
inline constexpr std::array kSwitches = {
    SwitchRow{choiceAt<&C::view, &V::Check_VIEW_RASTER>,
              "Check_VIEW_RASTER",
              "Raster",
              Redraw,
              {Drawing, 0, 0},
              11,
              "",
              ""},
    SwitchRow{choiceAt<&C::view, &V::Check_VIEW_LINEAL>,
              "Check_VIEW_LINEAL",
              "Lineal",
              Redraw,
              {Drawing, 1, 0, 2},
              12,
              "",
              ""},
    SwitchRow{choiceAt<&C::view, &V::Check_BEREICH>,
              "Check_BEREICH",
              "Bereich",
              Redraw,
              {Drawing, 2, 0, 2},
              13,
              "",
              ""},
    SwitchRow{choiceAt<&C::view, &V::Check_NULL_PUNKT>,
              "Check_NULL_PUNKT",
              "Null-Punkt",
              Redraw,
              {Drawing, 3, 0, 2},
              14,
              "",
              ""},
    SwitchRow{choiceAt<&C::prepare, &P::Check_BUENDIG>,
              "Check_BÜNDIG",
              "bündig",
              Reload,
              {Drawing, 4, 0, 2},
              15,
              "",
              ""},
    SwitchRow{choiceAt<&C::prepare, &P::Check_SPIEGELN_HORIZONTAL>,
              "Check_SPIEGELN_HORIZONTAL",
              "spiegeln-horizontal",
              Reload,
              {Drawing, 5, 0, 2},
              16,
              "",
              ""},
    SwitchRow{choiceAt<&C::filter, &F::Check_FARBE_ROT>,
              "Check_FARBE_ROT",
              "Farbe rot",
              Reload,
              {Colours, 0, 0},
              17,
              " Zirva Farben",
              ""},
    SwitchRow{choiceAt<&C::filter, &F::Check_FARBE_GRUEN>,
              "Check_FARBE_GRÜN",
              "Farbe grün",
              Reload,
              {Colours, 1, 0},
              18,
              "",
              ""},
    SwitchRow{choiceAt<&C::filter, &F::Check_FARBE_BLAU>,
              "Check_FARBE_BLAU",
              "Farbe blau",
              Reload,
              {Colours, 2, 0},
              19,
              "",
              ""},
    SwitchRow{choiceAt<&C::filter, &F::Check_FARBE_GRAU>,
              "Check_FARBE_GRAU",
              "Farbe grau",
              Reload,
              {Colours, 3, 0},
              20,
              "",
              ""},
    SwitchRow{choiceAt<&C::filter, &F::Check_FARBE_SCHWARZ>,
              "Check_FARBE_SCHWARZ",
              "Farbe schwarz",
              Reload,
              {Colours, 4, 0},
              21,
              "",
              ""},
    SwitchRow{choiceAt<&C::filter, &F::Check_FARBE_ALLE>,
              "Check_FARBE_ALLE",
              "Farbe alle",
              Reload,
              {Colours, 5, 0},
              22,
              "",
              ""},
    SwitchRow{choiceAt<&C::filter, &F::Check_ENABLED_BOHRUNGEN>,
              "Check_ENABLED_BOHRUNGEN",
              "Punkte (Bohrungen)",
              Reload,
              {Figures, 0, 0},
              23,
              " Zirva Figuren",
              ""},
    SwitchRow{choiceAt<&C::filter, &F::Check_ENABLED_LINIEN>,
              "Check_ENABLED_LINIEN",
              "Linien",
              Reload,
              {Figures, 1, 0},
              24,
              "",
              ""},
    SwitchRow{choiceAt<&C::filter, &F::Check_ENABLED_RECHTECKE>,
              "Check_ENABLED_RECHTECKE",
              "Rechtecke",
              Reload,
              {Figures, 2, 0},
              25,
              "",
              ""},
    SwitchRow{choiceAt<&C::filter, &F::Check_ENABLED_POLYGONE>,
              "Check_ENABLED_POLYGONE",
              "Polygone",
              Reload,
              {Figures, 3, 0},
              26,
              "",
              ""},
    SwitchRow{choiceAt<&C::filter, &F::Check_ENABLED_KREISE>,
              "Check_ENABLED_KREISE",
              "Kreise",
              Reload,
              {Figures, 4, 0},
              27,
              "",
              ""},
    SwitchRow{choiceAt<&C::view, &V::Check_VIEW_BOHRUNGEN>,
              "Check_VIEW_BOHRUNGEN",
              "View",
              Redraw,
              {Drilling, 0, 0},
              28,
              " Optimierung Bohrungen",
              ""},
    SwitchRow{choiceAt<&C::view, &V::Check_WEG_BOHRUNGEN>,
              "Check_WEG_BOHRUNGEN",
              "Weg",
              Redraw,
              {Drilling, 1, 0},
              29,
              "",
              ""},
    SwitchRow{choiceAt<&C::view, &V::Check_VIEW_FRAESUNGEN>,
              "Check_VIEW_FRÄSUNGEN",
              "View",
              Redraw,
              {Milling, 0, 0},
              33,
              " Optimierung Fräsungen",
              ""},
    SwitchRow{choiceAt<&C::view, &V::Check_WEG_FRAESUNGEN>,
              "Check_WEG_FRÄSUNGEN",
              "Weg",
              Redraw,
              {Milling, 1, 0},
              34,
              "",
              ""},
    SwitchRow{choiceAt<&C::exports, &E::Check_EXPORT_BOHRUNG>,
              "Check_EXPORT_BOHRUNG",
              "Export Bohrung",
              None,
              {Export, 0, 0},
              50,
              " Gerber-Export",
              ""},
    SwitchRow{choiceAt<&C::exports, &E::Check_EXPORT_FRAESUNG>,
              "Check_EXPORT_FRÄSUNG",
              "Export Fräsung",
              None,
              {Export, 1, 0},
              51,
              "",
              ""},
    SwitchRow{choiceAt<&C::exports, &E::Check_EXPORT_VORSCHAU>,
              "Check_EXPORT_VORSCHAU",
              "Vorschau (txt)",
              None,
              {Export, 0, 1},
              52,
              "",
              ""},
    SwitchRow{choiceAt<&C::exports, &E::Check_EXPORT_GRBL_INFO>,
              "Check_EXPORT_GRBL_INFO",
              "GRBL-Info",
              None,
              {Export, 1, 1},
              53,
              "",
              ""},
    SwitchRow{choiceAt<&C::prepare, &P::Check_BOHRUNGEN_WEG_VERBESSERN>,
              "Check_BOHRUNGEN_WEG_VERBESSERN",
              "Weg verbessern",
              Reload,
              {Drilling, 2, 3},
              0,
              "",
              "weg_verbessern_bohrungen"},
    SwitchRow{choiceAt<&C::prepare, &P::Check_FRAESUNGEN_WEG_VERBESSERN>,
              "Check_FRÄSUNGEN_WEG_VERBESSERN",
              "Weg verbessern",
              Reload,
              {Milling, 2, 3},
              0,
              "",
              "weg_verbessern_fraesungen"},
    SwitchRow{choiceAt<&C::view, &V::Check_Y_NACH_OBEN>,
              "Check_Y_NACH_OBEN",
              "Y nach oben (wie auf der Maschine)",
              Redraw,
              {Drawing, 6, 0, 2},
              0,
              "",
              "ansicht_y_nach_oben"},
};

}  // namespace switch_rows
using switch_rows::kSwitches;

// A row's value in the choices, writable where the choices are.
inline int& switchValue(Choices& choices, const SwitchRow& row) {
    return row.value.of(choices);
}
inline const int& switchValue(const Choices& choices, const SwitchRow& row) {
    return row.value.in(choices);
}

}  // namespace zrv
