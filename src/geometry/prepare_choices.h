#pragma once

#include <string>

namespace zrv {

// The choices that change how the read figures are transformed and ordered.
struct PrepareChoices {
    int Check_BUENDIG = 0;
    int Check_SPIEGELN_HORIZONTAL = 0;
    std::string Combo_BOHRUNGEN_OPTIMIEREN = "1-Standard";
    std::string Combo_FRAESUNGEN_OPTIMIEREN = "1-Standard";
    // The improvement pass after each order (1: on); kept in the extra settings file.
    int Check_BOHRUNGEN_WEG_VERBESSERN = 0;
    int Check_FRAESUNGEN_WEG_VERBESSERN = 0;
};

}  // namespace zrv
