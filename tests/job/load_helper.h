#pragma once

#include "job/load.h"
#include "settings/choices.h"

namespace zrv::test {

// Choices that leave the read store as it is: no flush, no mirror, no optimisation.
inline Choices unchangedOrder() {
    Choices choices = factoryChoices(kGermanLocale);
    choices.prepare.Check_BUENDIG = 0;
    choices.prepare.Check_SPIEGELN_HORIZONTAL = 0;
    choices.prepare.Combo_BOHRUNGEN_OPTIMIEREN = "0-keine";
    choices.prepare.Combo_FRAESUNGEN_OPTIMIEREN = "0-keine";
    return choices;
}

}  // namespace zrv::test
