#pragma once

#include <string>
#include <string_view>

#include "text/number_locale.h"

namespace zrv {

// The number patterns of the store's entries.
inline constexpr std::string_view kPunktPattern = "0000.000";
inline constexpr std::string_view kPfadPattern = "00.000";
inline constexpr std::string_view kKreisPattern = "0.000";
// Flush and mirror rewrite points and paths alike with the point pattern.
inline constexpr std::string_view kMovedPattern = kPunktPattern;

// Appends " " + marker + "=" + the value with the pattern, e.g. " X=0012,500" in German; the
// finished entry goes through KOMMA_PUNKT.
void appendValue(std::string& entry, char marker, double value, std::string_view pattern,
                 NumberLocale locale);

// Appends the pair " X=" x " Y=" y.
void appendPair(std::string& entry, double x, double y, std::string_view pattern,
                NumberLocale locale);

}  // namespace zrv
