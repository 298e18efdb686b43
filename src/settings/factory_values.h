#pragma once

#include <string>
#include <vector>

#include "settings/parameters.h"
#include "settings/program_paths.h"
#include "text/number_locale.h"

namespace zrv {

// The choice lists that START_WERTE fills, numbers written for the locale.
struct ChoiceLists {
    std::vector<std::string> levels;          // "0-keine" ... "7-Stufe", both level boxes
    std::vector<std::string> speedsAndFeeds;  // 0, 10, ... 90, 100, 200, ... 1000
    std::vector<std::string> heights;         // 0.1 ... 2.0
    std::vector<std::string> depths;          // -0.1 ... -2.0

    const std::vector<std::string>& of(ChoiceList list) const;
};
ChoiceLists choiceLists(NumberLocale locale);

// The start-up texts of the twelve parameter boxes.
Parameters factoryParameters(NumberLocale locale);

// The two "Standard" buttons: each writes its group's six boxes and touches nothing else.
void Command_BOHRUNG_STANDARD(Parameters& parameters, NumberLocale locale);
void Command_FRAESUNG_STANDARD(Parameters& parameters, NumberLocale locale);

// The factory program paths of this platform: "C:\" and "NOTEPAD.EXE" on Windows; elsewhere
// "/" for the programs (still the "not chosen" mark) and "xdg-open" for the text editor.
ProgramPaths factoryProgramPaths();

}  // namespace zrv
