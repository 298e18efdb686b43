#pragma once

#include <string>

#include "text/number_locale.h"

namespace zrv {

// The twelve machining parameters, held as the texts of their editable boxes.
struct Parameters {
    std::string Combo_BOHRUNG_SPINDLE_SPEED;
    std::string Combo_BOHRUNG_VORSCHUB_XY;
    std::string Combo_BOHRUNG_VORSCHUB_Z_AUF;
    std::string Combo_BOHRUNG_VORSCHUB_Z_AB;
    std::string Combo_BOHRUNG_HOEHE;
    std::string Combo_BOHRUNG_TIEFE;
    std::string Combo_FRAESUNG_SPINDLE_SPEED;
    std::string Combo_FRAESUNG_VORSCHUB_Z_AUF;
    std::string Combo_FRAESUNG_VORSCHUB_Z_AB;
    std::string Combo_FRAESUNG_VORSCHUB_XY;
    std::string Combo_FRAESUNG_HOEHE;
    std::string Combo_FRAESUNG_TIEFE;

    friend bool operator==(const Parameters&, const Parameters&) = default;
};

}  // namespace zrv
