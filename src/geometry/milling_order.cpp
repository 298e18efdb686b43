#include "geometry/milling_order.h"

#include <cstdint>
#include <numeric>
#include <optional>

#include "geometry/nearest_index.h"

namespace zrv {
namespace {

// Ranks that order ties as the scan does: a start replaces the kept candidate on an equal
// distance (so the last start scanned wins), an end never does (so the first end wins).
constexpr std::int64_t kStartRanks = std::int64_t{1} << 40;
std::int64_t startRank(std::size_t position) {
    return kStartRanks + static_cast<std::int64_t>(position);
}
std::int64_t endRank(std::size_t position) {
    return -static_cast<std::int64_t>(position);
}

}  // namespace

PathEnds pathEnds(std::string_view text) {
    const Point start = readPoint(text);
    return {start, readLastPair(text).value_or(start)};
}

std::vector<PathVisit> millingOrder(std::span<const PathEnds> paths, Exponents exponents) {
    const std::size_t n = paths.size();
    // Member 2p is the start of path p, member 2p + 1 its end.
    std::vector<Point> ends(2 * n);
    std::vector<std::int64_t> ranks(2 * n);
    for (std::size_t p = 0; p < n; ++p) {
        ends[2 * p] = paths[p].start;
        ends[2 * p + 1] = paths[p].end;
        ranks[2 * p] = startRank(p);
        ranks[2 * p + 1] = endRank(p);
    }
    NearestIndex index(ends, ranks);
    std::vector<std::size_t> pathAt(n);
    std::iota(pathAt.begin(), pathAt.end(), std::size_t{0});
    std::vector<std::size_t> position = pathAt;

    std::vector<PathVisit> tour;
    tour.reserve(n);
    std::optional<std::size_t> standing;  // the path end the tour stands on; (0, 0) at first
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t member =
            standing ? index.nearestFrom(*standing, exponents) : index.nearest({0, 0}, exponents);
        const std::size_t kept = member / 2;
        const bool reversed = member % 2 == 1;
        index.remove(2 * kept);
        index.remove(2 * kept + 1);
        const std::size_t keptAt = position[kept];
        if (keptAt != i) {
            const std::size_t displaced = pathAt[i];
            pathAt[keptAt] = displaced;
            position[displaced] = keptAt;
            index.setRank(2 * displaced, startRank(keptAt));
            index.setRank(2 * displaced + 1, endRank(keptAt));
        }
        tour.push_back({kept, reversed});
        // Entered at its end, the path is left at its start.
        standing = reversed ? 2 * kept : 2 * kept + 1;
    }
    return tour;
}

}  // namespace zrv
