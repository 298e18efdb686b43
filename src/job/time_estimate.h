#pragma once

#include <cstddef>
#include <string_view>

namespace zrv {

// ZEIT_FRAESUNGEN in minutes: milling travel over the XY feed text (0 counts as 0.1).
double ZEIT_FRAESUNGEN(double fahrwegFraesungen, std::string_view feedXyText);

// ZEIT_BOHRUNGEN in minutes: |depth| x holes over the plunge feed text (0 counts as 0.1).
double ZEIT_BOHRUNGEN(std::size_t anzahlPunkte, std::string_view depthText,
                      std::string_view plungeFeedText);

}  // namespace zrv
