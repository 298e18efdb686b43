#pragma once

#include <string>
#include <vector>

#include "settings/parameters.h"
#include "text/number_locale.h"

namespace zrv::test {

inline const std::string kSeparator = "(" + std::string(89, '=') + ")";

// The start-up parameters after cleaning, as the boxes show them in the locale.
Parameters startParameters(NumberLocale locale);

// The worked example: one hole, one milling path of two pairs, GRBL queries off.
inline constexpr const char* kExampleHole = " X=0010.000 Y=0020.000";
inline constexpr const char* kExamplePath = " X=00.000 Y=00.000 X=30.000 Y=00.000";
inline constexpr double kExampleFahrwegBohrungen = 0;
inline constexpr double kExampleFahrwegFraesungen = 30;
inline constexpr double kExampleZeitBohrungen = 0.15;
inline constexpr double kExampleZeitFraesungen = 3;

// Its 81 lines, with the date line and the output path given.
std::vector<std::string> workedExampleLines(const std::string& dateLine,
                                            const std::string& outputPath);

}  // namespace zrv::test
