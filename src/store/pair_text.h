#pragma once

#include <span>
#include <string>
#include <string_view>

#include "store/entry_text.h"
#include "text/number_locale.h"

namespace zrv {

// The entry text of the pairs: " X=" x " Y=" y for each, both numbers with the pattern in the
// locale, then every decimal comma turned into "." (KOMMA_PUNKT).
std::string pairsText(std::span<const Point> pairs, std::string_view pattern, NumberLocale locale);

}  // namespace zrv
