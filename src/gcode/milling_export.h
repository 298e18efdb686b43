#pragma once

#include <span>
#include <string>
#include <vector>

#include "text/number_locale.h"

namespace zrv {

// MENUE_EXPORT_DATEN_FRAESUNGEN without the file: one line per milling path, each pair as
// x "00.000", a tab, y "00.000", a tab, in the locale's decimal sign; a path without pairs
// gives an empty line.
std::vector<std::string> millingExportLines(std::span<const std::string> fraesungen,
                                            NumberLocale locale);

}  // namespace zrv
