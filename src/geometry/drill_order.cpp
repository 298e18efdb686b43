#include "geometry/drill_order.h"

#include <cstdint>
#include <numeric>
#include <optional>

#include "geometry/nearest_index.h"

namespace zrv {

std::vector<std::size_t> drillOrder(std::span<const Point> holes, Exponents exponents,
                                    const std::function<void(std::size_t)>& beforeStep) {
    const std::size_t n = holes.size();
    // The list position of every hole and the hole at every position, as the exchanges of
    // the plain tour would move them: ties go by position.
    std::vector<std::size_t> holeAt(n);
    std::iota(holeAt.begin(), holeAt.end(), std::size_t{0});
    std::vector<std::int64_t> position(n);
    std::iota(position.begin(), position.end(), std::int64_t{0});
    NearestIndex index(holes, position);

    std::optional<std::size_t> standing;  // the hole the tour stands on; (0, 0) at first
    for (std::size_t i = 0; i < n; ++i) {
        beforeStep(i);
        const std::size_t kept =
            standing ? index.nearestFrom(*standing, exponents) : index.nearest({0, 0}, exponents);
        const auto keptAt = static_cast<std::size_t>(position[kept]);
        index.remove(kept);
        if (keptAt != i) {
            const std::size_t displaced = holeAt[i];
            holeAt[keptAt] = displaced;
            position[displaced] = static_cast<std::int64_t>(keptAt);
            index.setRank(displaced, position[displaced]);
            holeAt[i] = kept;
            position[kept] = static_cast<std::int64_t>(i);
        }
        standing = kept;
    }
    return holeAt;
}

}  // namespace zrv
