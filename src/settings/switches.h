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
// in a new Choices. A row of kSwitches, for example
//
//   SwitchRow{.value = choiceAt<&C::filter, &F::Check_FARBE_ROT>, .name = "Check_FARBE_ROT",
//             .caption = "Farbe rot", .click = Reload, .cell = {Colours, 0, 0}, .line = 17,
//             .lineLabel = " Zirva Farben"},
//
// is the box "Farbe rot" in the first row and column of the colour frame; a click reloads the
// drawing with choices.filter.Check_FARBE_ROT set; its value is line 17 of zrvcam.ini, followed
// by " Zirva Farben". A row without `.line` has `.key`, its key in zrvcam_extra.ini.
struct SwitchRow {
    ChoiceRef<int> value;
    std::string_view name;     // the box's object name, as the window spells it
    std::string_view caption;  // its text in the panel
    ClickEffect click;
    PanelCell cell;
    int line = 0;                     // its line in the settings file, from 1; 0: none
    std::string_view lineLabel = {};  // written after the value on that line
    std::string_view key = {};        // its key in the extra settings file when it has no line
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
    // clang-format off
    SwitchRow{.value = choiceAt<&C::view, &V::Check_VIEW_RASTER>, .name = "Check_VIEW_RASTER", .caption = "Raster", .click = Redraw, .cell = {Drawing, 0, 0}, .line = 11},
    SwitchRow{.value = choiceAt<&C::view, &V::Check_VIEW_LINEAL>, .name = "Check_VIEW_LINEAL", .caption = "Lineal", .click = Redraw, .cell = {Drawing, 1, 0, 2}, .line = 12},
    SwitchRow{.value = choiceAt<&C::view, &V::Check_BEREICH>, .name = "Check_BEREICH", .caption = "Bereich", .click = Redraw, .cell = {Drawing, 2, 0, 2}, .line = 13},
    SwitchRow{.value = choiceAt<&C::view, &V::Check_NULL_PUNKT>, .name = "Check_NULL_PUNKT", .caption = "Null-Punkt", .click = Redraw, .cell = {Drawing, 3, 0, 2}, .line = 14},
    SwitchRow{.value = choiceAt<&C::prepare, &P::Check_BUENDIG>, .name = "Check_BÜNDIG", .caption = "bündig", .click = Reload, .cell = {Drawing, 4, 0, 2}, .line = 15},
    SwitchRow{.value = choiceAt<&C::prepare, &P::Check_SPIEGELN_HORIZONTAL>, .name = "Check_SPIEGELN_HORIZONTAL", .caption = "spiegeln-horizontal", .click = Reload, .cell = {Drawing, 5, 0, 2}, .line = 16},
    SwitchRow{.value = choiceAt<&C::filter, &F::Check_FARBE_ROT>, .name = "Check_FARBE_ROT", .caption = "Farbe rot", .click = Reload, .cell = {Colours, 0, 0}, .line = 17, .lineLabel = " Zirva Farben"},
    SwitchRow{.value = choiceAt<&C::filter, &F::Check_FARBE_GRUEN>, .name = "Check_FARBE_GRÜN", .caption = "Farbe grün", .click = Reload, .cell = {Colours, 1, 0}, .line = 18},
    SwitchRow{.value = choiceAt<&C::filter, &F::Check_FARBE_BLAU>, .name = "Check_FARBE_BLAU", .caption = "Farbe blau", .click = Reload, .cell = {Colours, 2, 0}, .line = 19},
    SwitchRow{.value = choiceAt<&C::filter, &F::Check_FARBE_GRAU>, .name = "Check_FARBE_GRAU", .caption = "Farbe grau", .click = Reload, .cell = {Colours, 3, 0}, .line = 20},
    SwitchRow{.value = choiceAt<&C::filter, &F::Check_FARBE_SCHWARZ>, .name = "Check_FARBE_SCHWARZ", .caption = "Farbe schwarz", .click = Reload, .cell = {Colours, 4, 0}, .line = 21},
    SwitchRow{.value = choiceAt<&C::filter, &F::Check_FARBE_ALLE>, .name = "Check_FARBE_ALLE", .caption = "Farbe alle", .click = Reload, .cell = {Colours, 5, 0}, .line = 22},
    SwitchRow{.value = choiceAt<&C::filter, &F::Check_ENABLED_BOHRUNGEN>, .name = "Check_ENABLED_BOHRUNGEN", .caption = "Punkte (Bohrungen)", .click = Reload, .cell = {Figures, 0, 0}, .line = 23, .lineLabel = " Zirva Figuren"},
    SwitchRow{.value = choiceAt<&C::filter, &F::Check_ENABLED_LINIEN>, .name = "Check_ENABLED_LINIEN", .caption = "Linien", .click = Reload, .cell = {Figures, 1, 0}, .line = 24},
    SwitchRow{.value = choiceAt<&C::filter, &F::Check_ENABLED_RECHTECKE>, .name = "Check_ENABLED_RECHTECKE", .caption = "Rechtecke", .click = Reload, .cell = {Figures, 2, 0}, .line = 25},
    SwitchRow{.value = choiceAt<&C::filter, &F::Check_ENABLED_POLYGONE>, .name = "Check_ENABLED_POLYGONE", .caption = "Polygone", .click = Reload, .cell = {Figures, 3, 0}, .line = 26},
    SwitchRow{.value = choiceAt<&C::filter, &F::Check_ENABLED_KREISE>, .name = "Check_ENABLED_KREISE", .caption = "Kreise", .click = Reload, .cell = {Figures, 4, 0}, .line = 27},
    SwitchRow{.value = choiceAt<&C::view, &V::Check_VIEW_BOHRUNGEN>, .name = "Check_VIEW_BOHRUNGEN", .caption = "View", .click = Redraw, .cell = {Drilling, 0, 0}, .line = 28, .lineLabel = " Optimierung Bohrungen"},
    SwitchRow{.value = choiceAt<&C::view, &V::Check_WEG_BOHRUNGEN>, .name = "Check_WEG_BOHRUNGEN", .caption = "Weg", .click = Redraw, .cell = {Drilling, 1, 0}, .line = 29},
    SwitchRow{.value = choiceAt<&C::view, &V::Check_VIEW_FRAESUNGEN>, .name = "Check_VIEW_FRÄSUNGEN", .caption = "View", .click = Redraw, .cell = {Milling, 0, 0}, .line = 33, .lineLabel = " Optimierung Fräsungen"},
    SwitchRow{.value = choiceAt<&C::view, &V::Check_WEG_FRAESUNGEN>, .name = "Check_WEG_FRÄSUNGEN", .caption = "Weg", .click = Redraw, .cell = {Milling, 1, 0}, .line = 34},
    SwitchRow{.value = choiceAt<&C::exports, &E::Check_EXPORT_BOHRUNG>, .name = "Check_EXPORT_BOHRUNG", .caption = "Export Bohrung", .click = None, .cell = {Export, 0, 0}, .line = 50, .lineLabel = " Gerber-Export"},
    SwitchRow{.value = choiceAt<&C::exports, &E::Check_EXPORT_FRAESUNG>, .name = "Check_EXPORT_FRÄSUNG", .caption = "Export Fräsung", .click = None, .cell = {Export, 1, 0}, .line = 51},
    SwitchRow{.value = choiceAt<&C::exports, &E::Check_EXPORT_VORSCHAU>, .name = "Check_EXPORT_VORSCHAU", .caption = "Vorschau (txt)", .click = None, .cell = {Export, 0, 1}, .line = 52},
    SwitchRow{.value = choiceAt<&C::exports, &E::Check_EXPORT_GRBL_INFO>, .name = "Check_EXPORT_GRBL_INFO", .caption = "GRBL-Info", .click = None, .cell = {Export, 1, 1}, .line = 53},
    SwitchRow{.value = choiceAt<&C::prepare, &P::Check_BOHRUNGEN_WEG_VERBESSERN>, .name = "Check_BOHRUNGEN_WEG_VERBESSERN", .caption = "Weg verbessern", .click = Reload, .cell = {Drilling, 2, 3}, .key = "weg_verbessern_bohrungen"},
    SwitchRow{.value = choiceAt<&C::prepare, &P::Check_FRAESUNGEN_WEG_VERBESSERN>, .name = "Check_FRÄSUNGEN_WEG_VERBESSERN", .caption = "Weg verbessern", .click = Reload, .cell = {Milling, 2, 3}, .key = "weg_verbessern_fraesungen"},
    SwitchRow{.value = choiceAt<&C::view, &V::Check_Y_NACH_OBEN>, .name = "Check_Y_NACH_OBEN", .caption = "Y nach oben (wie auf der Maschine)", .click = Redraw, .cell = {Drawing, 6, 0, 2}, .key = "ansicht_y_nach_oben"},
    // clang-format on
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
