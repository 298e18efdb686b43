#pragma once

#include <string>

#include "geometry/prepare_choices.h"
#include "preview/view_choices.h"
#include "reader/calibration.h"
#include "reader/figure_filter.h"
#include "settings/depth_step_choices.h"
#include "settings/export_choices.h"
#include "settings/parameters.h"
#include "settings/probe_choices.h"
#include "settings/program_paths.h"
#include "text/number_locale.h"

namespace zrv {

// A plain snapshot of the user's choices, made by the caller when an operation starts: the
// window builds it from its controls, the command-line tool from a settings file, tests by hand.
struct Choices {
    FigureFilter filter;
    PrepareChoices prepare;
    ViewChoices view;
    Parameters parameters;
    ExportChoices exports;
    DepthStepChoices steps;  // kept in the extra settings file
    Calibration calibration;
    ProgramPaths paths;
    // The machine of the job time: the controller's "$n=value" lines as the user gave them
    // (answer to "$$"); empty for the factory profile. Kept in the extra settings file.
    std::string machine;
    ProbeChoices probe;  // the height map's probe grid, also kept in the extra settings file
};

// The factory settings (the numbers in the parameter texts written for the locale).
Choices factoryChoices(NumberLocale locale);

}  // namespace zrv
