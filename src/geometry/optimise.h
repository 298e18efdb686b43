#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/host.h"
// PFAD_UMKEHREN, which the milling order applies to the paths it enters from their far end.
#include "geometry/path_reverse.h"
#include "geometry/prepare_choices.h"
#include "store/figure_store.h"

namespace zrv {

// GRAFIC_OPTIMIEREN: BOHRUNGEN_OPTIMIEREN, then FRAESUNGEN_OPTIMIEREN, each followed by the
// route improvement pass when its box is ticked (at any level, "0-keine" too).
void GRAFIC_OPTIMIEREN(FigureStore& store, const PrepareChoices& choices, Host& host);

// Greedy nearest-neighbour drill order from (0, 0) at the level of the text. Always shows "?"
// as the drill travel first; a level text whose leading number is not 1 to 7 reorders nothing.
void BOHRUNGEN_OPTIMIEREN(std::vector<std::string>& punkte, std::string_view levelText, Host& host);

// Orders the milling paths (entering each from the nearer end) and joins touching neighbours.
// A level text whose leading number is not 1 to 7 neither orders nor joins.
void FRAESUNGEN_OPTIMIEREN(std::vector<std::string>& fraesungen, std::string_view levelText,
                           Host& host);

}  // namespace zrv
