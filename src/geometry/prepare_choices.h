#pragma once

#include <string>

namespace zrv {

// The choices that change how the read figures are transformed and ordered.
struct PrepareChoices {
    int Check_BUENDIG = 0;
    int Check_SPIEGELN_HORIZONTAL = 0;
    std::string Combo_BOHRUNGEN_OPTIMIEREN = "1-Standard";
    std::string Combo_FRAESUNGEN_OPTIMIEREN = "1-Standard";
};

}  // namespace zrv
