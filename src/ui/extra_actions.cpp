#include "ui/extra_actions.h"

namespace zrv {

// Not built yet: each entry does nothing so far.

void ExtraActions::MENUE_EDIT_DATEI_Click() {}
void ExtraActions::MENUE_PROGRAMM_ZIRVA40_Click() {}
void ExtraActions::MENUE_PROGRAMM_ZIRVA50_Click() {}
void ExtraActions::MENUE_PROGRAMM_ZIRVA60_Click() {}
void ExtraActions::MENUE_PROGRAMM_ZIRVA70_Click() {}
void ExtraActions::MENUE_PROGRAMM_EDITOR_Click() {}
void ExtraActions::MENUE_PROGRAMM_CNC_Click() {}
void ExtraActions::MENUE_ZIRVA_Click() {}
void ExtraActions::MENUE_CNC_Click() {}

void ExtraActions::Command_FARBE_VIEW_BOHRUNGEN_Click() {}
void ExtraActions::Command_FARBE_WEG_BOHRUNGEN_Click() {}
void ExtraActions::Command_FARBE_VIEW_FRAESUNGEN_Click() {}
void ExtraActions::Command_FARBE_WEG_FRAESUNGEN_Click() {}

void ExtraActions::MENUE_ANALYSE_DATEI_Click() {}
void ExtraActions::MENUE_ANALYSE_DATEI_VERTIKAL_Click() {}
void ExtraActions::Koordinaten_PUNKTE_Click() {}
void ExtraActions::Koordinaten_LINIEN_Click() {}
void ExtraActions::Koordinaten_Rechtecke_Click() {}
void ExtraActions::Koordinaten_Polygone_Click() {}
void ExtraActions::Koordinaten_KREISE_Click() {}
void ExtraActions::Koordinaten_FRAESUNGEN_Click() {}
void ExtraActions::MENUE_EXPORT_DATEN_FRAESUNGEN_Click() {}
void ExtraActions::List1_DblClick() {}

void ExtraActions::HILFE_GERBER_PROTOKOLL_Click() {}
void ExtraActions::MENUE_HILFE_ZOLLmm_Click() {}
void ExtraActions::MENUE_HILFE_KENNDATEN_Click() {}

}  // namespace zrv
