#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "text/number_locale.h"

namespace zrv {

// The window "Gerber-Protokoll": the G commands, the M commands and the address letters, the
// three sections parted by one empty line each.
std::span<const std::string_view> gcodeReferenceLines();

// "Kenndaten CNC-3018-pro": the travel time per feed for 1, 10 and 100 mm. The blanks inside
// the lines line the columns up in the list.
std::span<const std::string_view> machineDataLines();

// "Zoll in mm": 0.5 mm to 5.0 mm in steps of 0.1 mm, each line the inches and the millimetres
// ("0,020 ''   =0,5mm" in German). The counter runs in inches and grows by repeated addition.
std::vector<std::string> inchTableLines(NumberLocale locale);

}  // namespace zrv
