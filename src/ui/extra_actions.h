#pragma once

#include <functional>

#include "base/host.h"
#include "ui/controls.h"
#include "ui/developer_exports.h"
#include "ui/operation_queue.h"
#include "ui/outside_programs.h"
#include "ui/platform.h"
#include "ui/preview_redraw.h"
#include "ui/reference_window.h"
#include "ui/window_state.h"

namespace zrv {

// The outside programs, colours, coordinate lists, reference tables, the drawing dump and the
// milling export. The window connects every handler already; their work lives here alone, so
// it grows without touching the window's construction.
class ExtraActions {
  public:
    struct Context {
        WindowState& state;
        Controls& controls;
        Menus& menus;
        Platform& platform;
        Host& host;
        OperationQueue& queue;
        PreviewRedraw& redraw;
        const WindowSetup& setup;
        std::function<void()> endProgram;  // MENUE_ENDE_Click
    };

    explicit ExtraActions(Context context);

    // Outside programs
    void MENUE_EDIT_DATEI_Click();
    void MENUE_PROGRAMM_ZIRVA40_Click();
    void MENUE_PROGRAMM_ZIRVA50_Click();
    void MENUE_PROGRAMM_ZIRVA60_Click();
    void MENUE_PROGRAMM_ZIRVA70_Click();
    void MENUE_PROGRAMM_EDITOR_Click();
    void MENUE_PROGRAMM_CNC_Click();
    void MENUE_ZIRVA_Click();  // also a click on Picture1
    void MENUE_CNC_Click();

    // Colours
    void Command_FARBE_VIEW_BOHRUNGEN_Click();
    void Command_FARBE_WEG_BOHRUNGEN_Click();
    void Command_FARBE_VIEW_FRAESUNGEN_Click();
    void Command_FARBE_WEG_FRAESUNGEN_Click();

    // Developer menu
    void MENUE_ANALYSE_DATEI_Click();
    void MENUE_ANALYSE_DATEI_VERTIKAL_Click();
    void Koordinaten_PUNKTE_Click();
    void Koordinaten_LINIEN_Click();
    void Koordinaten_Rechtecke_Click();
    void Koordinaten_Polygone_Click();
    void Koordinaten_KREISE_Click();
    void Koordinaten_FRAESUNGEN_Click();
    void MENUE_EXPORT_DATEN_FRAESUNGEN_Click();
    void List1_DblClick();

    // Reference tables
    void HILFE_GERBER_PROTOKOLL_Click();
    void MENUE_HILFE_ZOLLmm_Click();
    void MENUE_HILFE_KENNDATEN_Click();

  private:
    void chooseColour(ColourButton* button);
    void showList(FigureList list);

    Context context_;
    OutsidePrograms programs_;
    DeveloperExports exports_;
    HelpMenu help_;
};

}  // namespace zrv
