#include "geometry/weighted_distance.h"

#include <array>

#include "text/number_scan.h"

namespace zrv {

std::optional<Exponents> levelExponents(std::string_view levelText) {
    static constexpr std::array<Exponents, 7> kLevels{{
        {2, 2},  // 1: Euclidean
        {2, 4},  // 2: rows
        {4, 2},  // 3: columns
        {2, 6},  // 4
        {6, 2},  // 5
        {2, 8},  // 6
        {8, 2},  // 7
    }};
    const double level = leadingNumber(levelText);
    for (std::size_t k = 0; k < kLevels.size(); ++k) {
        if (level == static_cast<double>(k + 1)) {
            return kLevels[k];
        }
    }
    return std::nullopt;
}

}  // namespace zrv
