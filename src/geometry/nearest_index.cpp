#include "geometry/nearest_index.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <limits>
#include <optional>

namespace zrv {
namespace {

constexpr std::uint32_t kLeafSize = 8;
// Groups up to this size find their best member by a look at each; larger ones keep a heap.
constexpr std::uint32_t kScanLimit = 8;
constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr std::uint32_t kNoGroup = std::numeric_limits<std::uint32_t>::max();
// Samples for the split pivots: larger for larger ranges, where a good split pays more.
constexpr std::uint32_t kSampleSize = 31;
constexpr std::uint32_t kSmallSampleSize = 9;
constexpr std::uint32_t kLargeRange = 256;

std::uint64_t mixed(std::uint64_t h) {
    h ^= h >> 33;
    h *= 0xff51afd7ed558ccdULL;
    h ^= h >> 33;
    h *= 0xc4ceb9fe1a85ec53ULL;
    h ^= h >> 33;
    return h;
}

std::size_t slotOf(Point p, std::size_t capacity) {
    // -0 and 0 are one point and must meet in one slot
    const double x = p.x == 0 ? 0.0 : p.x;
    const double y = p.y == 0 ? 0.0 : p.y;
    return mixed(std::bit_cast<std::uint64_t>(x) ^ mixed(std::bit_cast<std::uint64_t>(y))) &
           (capacity - 1);
}

// Coordinates in a strict weak order for the splits: NaN goes last.
double orderKey(double v) {
    return v == v ? v : kInfinity;
}

// The median coordinate of a few entries spread over the range.
template <bool AlongX, typename E>
double sampledMedian(const std::vector<E>& entries, std::uint32_t begin, std::uint32_t end) {
    std::array<double, kSampleSize> sample{};
    const std::uint32_t count = end - begin;
    const std::uint32_t size =
        std::min(count >= kLargeRange ? kSampleSize : kSmallSampleSize, count);
    const std::uint32_t step = count / size;
    for (std::uint32_t k = 0; k < size; ++k) {
        const Point p = entries[begin + k * step].point;
        sample[k] = orderKey(AlongX ? p.x : p.y);
    }
    std::nth_element(sample.begin(), sample.begin() + size / 2, sample.begin() + size);
    return sample[size / 2];
}

// Moves the entries whose coordinate is below the pivot (never NaN) to the front of the
// range and gives where the rest starts. Copying every entry, rather than branching on the
// unpredictable comparison, keeps the pass fast.
template <bool AlongX, typename E>
std::uint32_t partitionBelow(std::vector<E>& entries, std::uint32_t begin, std::uint32_t end,
                             double pivot) {
    std::uint32_t upper = begin;
    for (std::uint32_t k = begin; k < end; ++k) {
        const E e = entries[k];
        const bool below = (AlongX ? e.point.x : e.point.y) < pivot;
        entries[k] = entries[upper];
        entries[upper] = e;
        upper += below ? 1U : 0U;
    }
    return upper;
}

// a^e by products for the even exponents of the levels. It differs from std::pow by a few
// units in the last place at most, far inside the margin below.
template <int E>
double powerByProducts(double a) {
    static_assert(E == 2 || E == 4 || E == 6 || E == 8);
    const double a2 = a * a;
    if constexpr (E == 2) {
        return a2;
    } else if constexpr (E == 4) {
        return a2 * a2;
    } else if constexpr (E == 6) {
        return a2 * a2 * a2;
    } else {
        const double a4 = a2 * a2;
        return a4 * a4;
    }
}

// A sum of powers lowered by far more than the rounding of pow, sums and products can move it.
constexpr double kLowered = 1 - 1e-9;

template <int X, int Y>
struct LoweredSum {
    double operator()(double ax, double ay) const {
        return (powerByProducts<X>(ax) + powerByProducts<Y>(ay)) * kLowered;
    }
};

struct NoBound {
    double operator()(double /*ax*/, double /*ay*/) const { return 0; }
};

// Calls run with the lowered sum for the exponents, fixed at compile time for every level so
// a bound costs a few products. Other exponents get 0, which never skips anything.
template <typename Run>
void withLoweredSum(Exponents e, Run run) {
    auto is = [e](double x, double y) { return e.x == x && e.y == y; };
    if (is(2, 2)) {
        run(LoweredSum<2, 2>{});
    } else if (is(2, 4)) {
        run(LoweredSum<2, 4>{});
    } else if (is(4, 2)) {
        run(LoweredSum<4, 2>{});
    } else if (is(2, 6)) {
        run(LoweredSum<2, 6>{});
    } else if (is(6, 2)) {
        run(LoweredSum<6, 2>{});
    } else if (is(2, 8)) {
        run(LoweredSum<2, 8>{});
    } else if (is(8, 2)) {
        run(LoweredSum<8, 2>{});
    } else {
        run(NoBound{});
    }
}

// A candidate whose lowered sum exceeds this is strictly farther than a best of distance d.
// The absolute part covers the subnormal range, where relative margins do not hold.
double limitFor(double d) {
    return d * d * (1 + 1e-9) + 1e-280;
}

// The smallest |coordinate - from| inside [low, high]. Rounding is monotone, so every
// difference computed for a point inside is at least this.
double gapTo(double from, double low, double high) {
    if (from < low) {
        return low - from;
    }
    if (from > high) {
        return from - high;
    }
    return 0;
}

}  // namespace

struct NearestIndex::Search {
    Point from;
    Exponents exponents;
    bool found = false;
    double distance = kInfinity;
    double limit = kInfinity;
    std::int64_t rank = 0;
    std::uint32_t member = 0;
};

NearestIndex::NearestIndex(std::span<const Point> points, std::span<const std::int64_t> ranks)
    : groupOf_(points.size()), rank_(ranks.begin(), ranks.end()), alive_(points.size(), true) {
    groupEqualPoints(points);
    makeHeaps();
    if (!entries_.empty()) {
        nodes_.reserve(entries_.size() / 2 + 1);
        Box all{kInfinity, -kInfinity, kInfinity, -kInfinity};
        for (const Entry& e : entries_) {
            all.widen(e.point);
        }
        build(0, static_cast<std::uint32_t>(entries_.size()), -1, all);
    }
}

// Members at equal points, as == compares them (-0 equals 0, NaN equals nothing), form one
// group, found through a hash table rather than a sort of all points.
void NearestIndex::groupEqualPoints(std::span<const Point> points) {
    std::size_t capacity = 16;
    while (capacity < 2 * points.size()) {
        capacity *= 2;
    }
    std::vector<std::uint32_t> slots(capacity, kNoGroup);
    auto newGroup = [this](Point p) {
        const auto g = static_cast<std::uint32_t>(groups_.size());
        groups_.push_back(Group{});
        entries_.push_back(Entry{p, g, 0});
        return g;
    };
    auto groupFor = [&](Point p) {
        if (std::isnan(p.x) || std::isnan(p.y)) {
            return newGroup(p);
        }
        std::size_t slot = slotOf(p, capacity);
        while (slots[slot] != kNoGroup && !(entries_[slots[slot]].point == p)) {
            slot = (slot + 1) & (capacity - 1);
        }
        if (slots[slot] == kNoGroup) {
            slots[slot] = newGroup(p);
        }
        return slots[slot];
    };
    for (std::size_t m = 0; m < points.size(); ++m) {
        const std::uint32_t g = groupFor(points[m]);
        groupOf_[m] = g;
        ++groups_[g].size;
    }
    std::uint32_t first = 0;
    for (Group& g : groups_) {
        g.first = first;
        first += g.size;
    }
    // The entries count their members while they are placed.
    members_.resize(points.size());
    for (std::uint32_t m = 0; m < points.size(); ++m) {
        const std::uint32_t g = groupOf_[m];
        members_[groups_[g].first + entries_[g].alive++] = m;
    }
}

void NearestIndex::makeHeaps() {
    heaps_.resize(groups_.size());
    for (std::size_t g = 0; g < groups_.size(); ++g) {
        const Group& group = groups_[g];
        if (group.size <= kScanLimit) {
            continue;
        }
        std::vector<HeapEntry>& heap = heaps_[g];
        heap.reserve(group.size);
        for (std::uint32_t k = group.first; k < group.first + group.size; ++k) {
            heap.emplace_back(rank_[members_[k]], members_[k]);
        }
        std::make_heap(heap.begin(), heap.end());
    }
}

// The split axis follows the box the parents' splits leave (cheap to pass down); the box a
// node keeps for the search is the tight one of its entries, gathered from below.
std::int32_t NearestIndex::build(std::uint32_t begin, std::uint32_t end, std::int32_t parent,
                                 Box room) {
    const auto index = static_cast<std::int32_t>(nodes_.size());
    nodes_.push_back(Node{{kInfinity, -kInfinity, kInfinity, -kInfinity}, begin, end});
    nodes_.back().parent = parent;
    if (end - begin <= kLeafSize) {
        Node& leaf = nodes_.back();
        for (std::uint32_t k = begin; k < end; ++k) {
            const Entry& e = entries_[k];
            leaf.box.widen(e.point);
            leaf.alive += e.alive;
            groups_[e.group].leaf = index;
            groups_[e.group].entry = k;
        }
        return index;
    }
    const bool alongX = room.xMax - room.xMin >= room.yMax - room.yMin;
    const Split parts = split(begin, end, alongX);
    Box lower = room;
    Box upper = room;
    (alongX ? lower.xMax : lower.yMax) = parts.cut;
    (alongX ? upper.xMin : upper.yMin) = parts.cut;
    const std::int32_t left = build(begin, parts.at, index, lower);
    const std::int32_t right = build(parts.at, end, index, upper);
    Node& node = nodes_[static_cast<std::size_t>(index)];
    const Node& l = nodes_[static_cast<std::size_t>(left)];
    const Node& r = nodes_[static_cast<std::size_t>(right)];
    node.left = left;
    node.right = right;
    node.box = l.box;
    node.box.widen(r.box);
    node.alive = l.alive + r.alive;
    return index;
}

// Splits the entries near their median along one axis. The tree stays correct whatever the
// split, as every node keeps the tight box of its entries; the split only decides how well
// the search prunes. So the pivot is the median of a small sample, and one branch-free pass
// moves the smaller coordinates to the front. A split that leaves little on one side (many
// equal coordinates) takes the exact median instead, which always leaves entries on both.
NearestIndex::Split NearestIndex::split(std::uint32_t begin, std::uint32_t end, bool alongX) {
    const std::uint32_t count = end - begin;
    const double pivot = alongX ? sampledMedian<true>(entries_, begin, end)
                                : sampledMedian<false>(entries_, begin, end);
    const std::uint32_t upper = alongX ? partitionBelow<true>(entries_, begin, end, pivot)
                                       : partitionBelow<false>(entries_, begin, end, pivot);
    const std::uint32_t least = std::max(count / 8, 1U);
    if (upper - begin >= least && end - upper >= least) {
        return {upper, pivot};
    }
    auto along = [alongX](const Entry& e) { return orderKey(alongX ? e.point.x : e.point.y); };
    const std::uint32_t middle = begin + count / 2;
    std::nth_element(entries_.begin() + begin, entries_.begin() + middle, entries_.begin() + end,
                     [&along](const Entry& a, const Entry& b) { return along(a) < along(b); });
    return {middle, along(entries_[middle])};
}

std::size_t NearestIndex::nearest(Point from, Exponents exponents) const {
    return nodes_.empty() ? 0 : searchOutward(0, from, exponents);
}

std::size_t NearestIndex::nearestFrom(std::size_t member, Exponents exponents) const {
    const Group& group = groups_[groupOf_[member]];
    return searchOutward(group.leaf, entries_[group.entry].point, exponents);
}

// The subtree of `start` first, then up to the top, into the other side of every node on the
// way: each subtree is looked at once, the near ones first. From the top that is one descent.
std::size_t NearestIndex::searchOutward(std::int32_t start, Point from, Exponents exponents) const {
    Search search{from, exponents};
    withLoweredSum(exponents, [&](auto lowered) {
        visit(start, lowTo(node(start).box, search, lowered), search, lowered);
        for (std::int32_t below = start, above = node(start).parent; above >= 0;
             below = above, above = node(above).parent) {
            const std::int32_t other =
                node(above).left == below ? node(above).right : node(above).left;
            visit(other, lowTo(node(other).box, search, lowered), search, lowered);
        }
    });
    return search.member;
}

template <typename Lowered>
double NearestIndex::lowTo(const Box& box, const Search& search, Lowered lowered) {
    return lowered(gapTo(search.from.x, box.xMin, box.xMax),
                   gapTo(search.from.y, box.yMin, box.yMax));
}

// low: the lowered sum of powers from the position to the node's box.
template <typename Lowered>
void NearestIndex::visit(std::int32_t index, double low, Search& search, Lowered lowered) const {
    // The bound first: a pruned node need not be loaded.
    if (search.found && low > search.limit) {
        return;
    }
    const Node& node = nodes_[static_cast<std::size_t>(index)];
    if (node.alive == 0) {
        return;
    }
    if (node.left < 0) {
        for (std::uint32_t k = node.begin; k < node.end; ++k) {
            consider(entries_[k], search, lowered);
        }
        return;
    }
    const double lowLeft = lowTo(nodes_[static_cast<std::size_t>(node.left)].box, search, lowered);
    const double lowRight =
        lowTo(nodes_[static_cast<std::size_t>(node.right)].box, search, lowered);
    if (lowRight < lowLeft) {
        visit(node.right, lowRight, search, lowered);
        visit(node.left, lowLeft, search, lowered);
    } else {
        visit(node.left, lowLeft, search, lowered);
        visit(node.right, lowRight, search, lowered);
    }
}

template <typename Lowered>
void NearestIndex::consider(const Entry& entry, Search& search, Lowered lowered) const {
    if (entry.alive == 0) {
        return;
    }
    const double dx = entry.point.x - search.from.x;
    const double dy = entry.point.y - search.from.y;
    if (search.found && lowered(std::fabs(dx), std::fabs(dy)) > search.limit) {
        return;
    }
    double distance = weightedDistance(dx, dy, search.exponents);
    if (std::isnan(distance)) {
        distance = kInfinity;
    }
    if (search.found && distance > search.distance) {
        return;
    }
    // Only now the group's best member: most candidates are farther than the best.
    const std::uint32_t member = bestMember(entry.group);
    const std::int64_t rank = rank_[member];
    if (!search.found || distance < search.distance || rank > search.rank) {
        search.found = true;
        search.distance = distance;
        search.limit = limitFor(distance);
        search.rank = rank;
        search.member = member;
    }
}

std::uint32_t NearestIndex::bestMember(std::uint32_t groupIndex) const {
    const Group& group = groups_[groupIndex];
    if (group.size == 1) {
        return members_[group.first];  // alive, or its entry would not be looked at
    }
    if (group.size <= kScanLimit) {
        std::uint32_t best = 0;
        bool any = false;
        for (std::uint32_t k = group.first; k < group.first + group.size; ++k) {
            const std::uint32_t m = members_[k];
            if (alive_[m] && (!any || rank_[m] > rank_[best])) {
                best = m;
                any = true;
            }
        }
        return best;
    }
    std::vector<HeapEntry>& heap = heaps_[groupIndex];
    while (!alive_[heap.front().second] || rank_[heap.front().second] != heap.front().first) {
        std::pop_heap(heap.begin(), heap.end());
        heap.pop_back();
    }
    return heap.front().second;
}

void NearestIndex::pushRank(std::uint32_t member) {
    const std::uint32_t groupIndex = groupOf_[member];
    if (groups_[groupIndex].size <= kScanLimit) {
        return;
    }
    std::vector<HeapEntry>& heap = heaps_[groupIndex];
    heap.emplace_back(rank_[member], member);
    std::push_heap(heap.begin(), heap.end());
}

// The nearest ones found so far in a max-heap of squared distances, so the farthest is on top.
struct NearestIndex::Nearby {
    Point from;
    std::size_t member;
    std::size_t count;
    std::vector<std::pair<double, std::size_t>> heap;
    // Set: one offer per place (its first member), the member's own place left out.
    std::optional<std::uint32_t> ownPlace;

    bool full() const { return heap.size() >= count; }
    bool beyond(double squared) const { return full() && squared >= heap.front().first; }
    void offer(double squared, std::size_t m) {
        heap.emplace_back(squared, m);
        std::push_heap(heap.begin(), heap.end());
        if (heap.size() > count) {
            std::pop_heap(heap.begin(), heap.end());
            heap.pop_back();
        }
    }
};

std::vector<std::size_t> NearestIndex::nearestMembers(std::size_t member, std::size_t count) const {
    const Group& group = groups_[groupOf_[member]];
    Nearby nearby{entries_[group.entry].point, member, count, {}, std::nullopt};
    if (count == 0 || nodes_.empty()) {
        return {};
    }
    nearby.heap.reserve(count + 1);
    collect(0, nearby);
    std::sort_heap(nearby.heap.begin(), nearby.heap.end());
    std::vector<std::size_t> members;
    members.reserve(nearby.heap.size());
    for (const auto& [squared, m] : nearby.heap) {
        members.push_back(m);
    }
    return members;
}

std::vector<std::size_t> NearestIndex::nearestPlaces(std::size_t member, std::size_t count,
                                                     std::size_t perPlace) const {
    const std::uint32_t own = groupOf_[member];
    std::vector<std::size_t> members;
    addPlace(own, member, perPlace, members);
    if (count == 0 || nodes_.empty()) {
        return members;
    }
    Nearby nearby{entries_[groups_[own].entry].point, member, count, {}, own};
    nearby.heap.reserve(count + 1);
    collect(0, nearby);
    std::sort_heap(nearby.heap.begin(), nearby.heap.end());
    for (const auto& [squared, m] : nearby.heap) {
        addPlace(groupOf_[m], member, perPlace, members);
    }
    return members;
}

void NearestIndex::addPlace(std::uint32_t group, std::size_t member, std::size_t perPlace,
                            std::vector<std::size_t>& to) const {
    const Group& g = groups_[group];
    std::size_t taken = 0;
    for (std::uint32_t j = g.first; j < g.first + g.size && taken < perPlace; ++j) {
        const std::uint32_t m = members_[j];
        if (alive_[m] && m != member) {
            to.push_back(m);
            ++taken;
        }
    }
}

void NearestIndex::collect(std::int32_t index, Nearby& nearby) const {
    auto gapSquared = [&nearby](const Box& box) {
        const double gx = gapTo(nearby.from.x, box.xMin, box.xMax);
        const double gy = gapTo(nearby.from.y, box.yMin, box.yMax);
        return gx * gx + gy * gy;
    };
    const Node& n = node(index);
    if (n.alive == 0 || nearby.beyond(gapSquared(n.box))) {
        return;
    }
    if (n.left >= 0) {
        // The nearer child first, so the farther one is mostly pruned.
        const bool leftFirst = gapSquared(node(n.left).box) <= gapSquared(node(n.right).box);
        collect(leftFirst ? n.left : n.right, nearby);
        collect(leftFirst ? n.right : n.left, nearby);
        return;
    }
    for (std::uint32_t k = n.begin; k < n.end; ++k) {
        const Entry& e = entries_[k];
        const double dx = e.point.x - nearby.from.x;
        const double dy = e.point.y - nearby.from.y;
        const double squared = dx * dx + dy * dy;
        if (e.alive == 0 || std::isnan(squared) || nearby.beyond(squared)) {
            continue;
        }
        const Group& g = groups_[e.group];
        if (nearby.ownPlace) {
            if (e.group != *nearby.ownPlace) {
                nearby.offer(squared, members_[g.first]);
            }
            continue;
        }
        for (std::uint32_t j = g.first; j < g.first + g.size && !nearby.beyond(squared); ++j) {
            const std::uint32_t m = members_[j];
            if (alive_[m] && m != nearby.member) {
                nearby.offer(squared, m);
            }
        }
    }
}

void NearestIndex::remove(std::size_t member) {
    alive_[member] = false;
    const Group& group = groups_[groupOf_[member]];
    --entries_[group.entry].alive;
    for (std::int32_t node = group.leaf; node >= 0;
         node = nodes_[static_cast<std::size_t>(node)].parent) {
        --nodes_[static_cast<std::size_t>(node)].alive;
    }
}

void NearestIndex::setRank(std::size_t member, std::int64_t rank) {
    rank_[member] = rank;
    pushRank(static_cast<std::uint32_t>(member));
}

}  // namespace zrv
