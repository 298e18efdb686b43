#pragma once

#include <cmath>
#include <optional>
#include <string_view>

namespace zrv {

// The two even exponents of an optimisation level: X differences are raised to x, Y to y.
struct Exponents {
    double x = 2;
    double y = 2;
};

// The exponents of the level whose number leads the text ("1-Standard" is level 1). Level 0,
// and any text whose leading number is not a whole number from 1 to 7, means no reordering.
std::optional<Exponents> levelExponents(std::string_view levelText);

// The value that ranks candidates. The exponents stay run-time values on purpose: a constant
// 2 lets the compiler turn pow into a product, which may round differently.
inline double weightedDistance(double dx, double dy, Exponents e) {
    return std::sqrt(std::pow(dx, e.x) + std::pow(dy, e.y));
}

}  // namespace zrv
