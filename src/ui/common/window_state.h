#pragma once

#include <cstdint>
#include <string>

#include "job/program_state.h"
#include "reader/calibration.h"
#include "settings/probe_choices.h"
#include "settings/program_folder.h"
#include "settings/program_paths.h"
#include "text/number_locale.h"

namespace zrv {

// The program-wide state of one run: the core's state and what the window keeps beside it.
// The user's other choices live in the controls.
struct WindowState {
    ProgramState program = nothingRead();
    Calibration calibration;
    ProgramPaths paths;
    std::string machine;          // the machine profile's "$n=value" lines; empty: factory
    ProbeChoices probe;           // the height map's probe grid
    std::string DATEI_ORDNER;     // first folder of the open dialog
    std::int64_t TASK_ZIRVA = 0;  // the Zirva editor started last, 0 = none
    bool START_FERTIG = false;    // the start-up has finished; reloads before do nothing
};

// Facts of the run that never change after the start.
struct WindowSetup {
    ProgramFolder folder;                // where zrvcam.ini and "Dateien" live
    std::string commandLine;             // the arguments as given, shown
    std::string drawingToOpen;           // a drawing handed over as the one argument, or empty
    std::string programName = "zrvcam";  // the executable's name without extension
    NumberLocale locale;
};

}  // namespace zrv
