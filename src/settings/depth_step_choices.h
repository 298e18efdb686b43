#pragma once

#include <string>

namespace zrv {

// The two step choices as typed (mm): "Zustellung", the depth per milling pass, and "Bohren in
// Stufen", the depth per drilling peck. Empty or 0 is off. Kept in the extra settings file.
struct DepthStepChoices {
    std::string Combo_ZUSTELLUNG;
    std::string Combo_BOHREN_IN_STUFEN;

    friend bool operator==(const DepthStepChoices&, const DepthStepChoices&) = default;
};

}  // namespace zrv
