#include "ui/extra_actions.h"

#include "ui/colour_choice.h"
#include "ui/coordinate_lists.h"
#include "ui/list_double_click.h"
#include "ui/qt_text.h"

namespace zrv {

ExtraActions::ExtraActions(Context context)
    : context_(std::move(context)),
      programs_(context_.state, context_.platform, context_.setup, context_.endProgram),
      exports_(context_.state, context_.controls, context_.platform, context_.host, context_.queue,
               context_.setup),
      help_(context_.controls.List1->window(), context_.controls.List1, context_.setup.locale) {}

void ExtraActions::MENUE_EDIT_DATEI_Click() {
    programs_.MENUE_EDIT_DATEI_Click();
}
void ExtraActions::MENUE_PROGRAMM_ZIRVA40_Click() {
    programs_.choose(context_.state.paths.PROGRAMM_ZIRVA40);
}
void ExtraActions::MENUE_PROGRAMM_ZIRVA50_Click() {
    programs_.choose(context_.state.paths.PROGRAMM_ZIRVA50);
}
void ExtraActions::MENUE_PROGRAMM_ZIRVA60_Click() {
    programs_.choose(context_.state.paths.PROGRAMM_ZIRVA60);
}
void ExtraActions::MENUE_PROGRAMM_ZIRVA70_Click() {
    programs_.choose(context_.state.paths.PROGRAMM_ZIRVA70);
}
void ExtraActions::MENUE_PROGRAMM_EDITOR_Click() {
    programs_.chooseEditor();
}
void ExtraActions::MENUE_PROGRAMM_CNC_Click() {
    programs_.choose(context_.state.paths.PROGRAMM_CNC);
}
void ExtraActions::MENUE_ZIRVA_Click() {
    programs_.MENUE_ZIRVA_Click();
}
void ExtraActions::MENUE_CNC_Click() {
    programs_.MENUE_CNC_Click();
}

void ExtraActions::chooseColour(ColourButton* button) {
    button->setColour(FARBE_WAEHLEN(context_.platform, context_.redraw, button->colour()));
}
void ExtraActions::Command_FARBE_VIEW_BOHRUNGEN_Click() {
    chooseColour(context_.controls.Command_FARBE_VIEW_BOHRUNGEN);
}
void ExtraActions::Command_FARBE_WEG_BOHRUNGEN_Click() {
    chooseColour(context_.controls.Command_FARBE_WEG_BOHRUNGEN);
}
void ExtraActions::Command_FARBE_VIEW_FRAESUNGEN_Click() {
    chooseColour(context_.controls.Command_FARBE_VIEW_FRAESUNGEN);
}
void ExtraActions::Command_FARBE_WEG_FRAESUNGEN_Click() {
    chooseColour(context_.controls.Command_FARBE_WEG_FRAESUNGEN);
}

void ExtraActions::MENUE_ANALYSE_DATEI_Click() {
    exports_.dump(DumpLayout::Horizontal);
}
void ExtraActions::MENUE_ANALYSE_DATEI_VERTIKAL_Click() {
    exports_.dump(DumpLayout::Vertical);
}
void ExtraActions::MENUE_EXPORT_DATEN_FRAESUNGEN_Click() {
    exports_.MENUE_EXPORT_DATEN_FRAESUNGEN_Click();
}

void ExtraActions::showList(FigureList list) {
    showCoordinateList(context_.controls.List1, context_.state.program.store, list);
}
void ExtraActions::Koordinaten_PUNKTE_Click() {
    showList(FigureList::Punkte);
}
void ExtraActions::Koordinaten_LINIEN_Click() {
    showList(FigureList::Linien);
}
void ExtraActions::Koordinaten_Rechtecke_Click() {
    showList(FigureList::Rechtecke);
}
void ExtraActions::Koordinaten_Polygone_Click() {
    showList(FigureList::Polygone);
}
void ExtraActions::Koordinaten_KREISE_Click() {
    showList(FigureList::Kreise);
}
void ExtraActions::Koordinaten_FRAESUNGEN_Click() {
    showList(FigureList::Fraesungen);
}

void ExtraActions::List1_DblClick() {
    context_.platform.message(utf8(ListDoubleClick::selectedText(context_.controls.List1)),
                              context_.setup.programName);
}

void ExtraActions::HILFE_GERBER_PROTOKOLL_Click() {
    help_.HILFE_GERBER_PROTOKOLL_Click();
}
void ExtraActions::MENUE_HILFE_ZOLLmm_Click() {
    help_.MENUE_HILFE_ZOLLmm_Click();
}
void ExtraActions::MENUE_HILFE_KENNDATEN_Click() {
    help_.MENUE_HILFE_KENNDATEN_Click();
}

}  // namespace zrv
