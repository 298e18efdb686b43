#pragma once

#include <cstddef>
#include <string_view>

namespace zrv {

// ZEIT_FRAESUNGEN in minutes: milling travel over the XY feed text (0 counts as 0.1). NaN, no
// estimate, when the feed is beyond any machine or the quotient is not finite.
double ZEIT_FRAESUNGEN(double fahrwegFraesungen, std::string_view feedXyText);

// ZEIT_BOHRUNGEN in minutes: |depth| x holes over the plunge feed text (0 counts as 0.1); NaN
// in the same cases.
double ZEIT_BOHRUNGEN(std::size_t anzahlPunkte, std::string_view depthText,
                      std::string_view plungeFeedText);

}  // namespace zrv
