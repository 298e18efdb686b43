#include "geometry/nearest_index.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zrv {
namespace {

constexpr std::uint32_t kLeafSize = 8;
// Groups up to this size find their best member by a look at each; larger ones keep a heap.
constexpr std::uint32_t kScanLimit = 8;
constexpr double kInfinity = std::numeric_limits<double>::infinity();

// a^e by products for the even exponents of the levels. It differs from std::pow by a few
// units in the last place at most, far inside the margins below; for any other exponent it
// gives 0, which never skips anything.
double powerByProducts(double a, double e) {
    const double a2 = a * a;
    if (e == 2) {
        return a2;
    }
    const double a4 = a2 * a2;
    if (e == 4) {
        return a4;
    }
    if (e == 6) {
        return a4 * a2;
    }
    if (e == 8) {
        return a4 * a4;
    }
    return 0;
}

// A sum of powers lowered by far more than the rounding of pow, sums and products can move it.
double lowSum(double ax, double ay, Exponents e) {
    return (powerByProducts(ax, e.x) + powerByProducts(ay, e.y)) * (1 - 1e-9);
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
    std::vector<Entry> sorted(points.size());
    for (std::uint32_t m = 0; m < sorted.size(); ++m) {
        sorted[m] = Entry{points[m], m};
    }
    std::sort(sorted.begin(), sorted.end(), [](const Entry& a, const Entry& b) {
        return a.point.x < b.point.x || (a.point.x == b.point.x && a.point.y < b.point.y);
    });
    members_.reserve(sorted.size());
    for (const Entry& e : sorted) {
        if (entries_.empty() || !(entries_.back().point == e.point)) {
            entries_.push_back(Entry{e.point, static_cast<std::uint32_t>(groups_.size())});
            groups_.push_back(Group{static_cast<std::uint32_t>(members_.size()), 0, 0, -1});
        }
        Group& g = groups_.back();
        ++g.size;
        ++g.alive;
        groupOf_[e.group] = static_cast<std::uint32_t>(groups_.size() - 1);
        members_.push_back(e.group);
    }
    heaps_.resize(groups_.size());
    for (std::uint32_t m : members_) {
        pushRank(m);
    }
    if (!groups_.empty()) {
        nodes_.reserve(2 * groups_.size() / kLeafSize + 2);
        Box all{kInfinity, -kInfinity, kInfinity, -kInfinity};
        for (const Entry& e : entries_) {
            all.widen(e.point);
        }
        build(0, static_cast<std::uint32_t>(groups_.size()), -1, all);
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
            leaf.alive += groups_[e.group].alive;
            groups_[e.group].leaf = index;
        }
        return index;
    }
    const bool alongX = room.xMax - room.xMin >= room.yMax - room.yMin;
    const std::uint32_t middle = begin + (end - begin) / 2;
    std::nth_element(entries_.begin() + begin, entries_.begin() + middle, entries_.begin() + end,
                     [alongX](const Entry& a, const Entry& b) {
                         return alongX ? a.point.x < b.point.x : a.point.y < b.point.y;
                     });
    const Point cut = entries_[middle].point;
    Box lower = room;
    Box upper = room;
    (alongX ? lower.xMax : lower.yMax) = alongX ? cut.x : cut.y;
    (alongX ? upper.xMin : upper.yMin) = alongX ? cut.x : cut.y;
    const std::int32_t left = build(begin, middle, index, lower);
    const std::int32_t right = build(middle, end, index, upper);
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

std::size_t NearestIndex::nearest(Point from, Exponents exponents) const {
    Search search{from, exponents};
    if (!nodes_.empty()) {
        visit(0, lowTo(nodes_.front().box, search), search);
    }
    return search.member;
}

double NearestIndex::lowTo(const Box& box, const Search& search) {
    return lowSum(gapTo(search.from.x, box.xMin, box.xMax),
                  gapTo(search.from.y, box.yMin, box.yMax), search.exponents);
}

// low: the lowered sum of powers from the position to the node's box.
void NearestIndex::visit(std::int32_t index, double low, Search& search) const {
    const Node& node = nodes_[static_cast<std::size_t>(index)];
    if (node.alive == 0 || (search.found && low > search.limit)) {
        return;
    }
    if (node.left < 0) {
        for (std::uint32_t k = node.begin; k < node.end; ++k) {
            consider(entries_[k], search);
        }
        return;
    }
    const double lowLeft = lowTo(nodes_[static_cast<std::size_t>(node.left)].box, search);
    const double lowRight = lowTo(nodes_[static_cast<std::size_t>(node.right)].box, search);
    if (lowRight < lowLeft) {
        visit(node.right, lowRight, search);
        visit(node.left, lowLeft, search);
    } else {
        visit(node.left, lowLeft, search);
        visit(node.right, lowRight, search);
    }
}

void NearestIndex::consider(const Entry& entry, Search& search) const {
    if (groups_[entry.group].alive == 0) {
        return;
    }
    const double dx = entry.point.x - search.from.x;
    const double dy = entry.point.y - search.from.y;
    if (search.found && lowSum(std::fabs(dx), std::fabs(dy), search.exponents) > search.limit) {
        return;
    }
    double distance = weightedDistance(dx, dy, search.exponents);
    if (std::isnan(distance)) {
        distance = kInfinity;
    }
    const std::uint32_t member = bestMember(entry.group);
    const std::int64_t rank = rank_[member];
    if (!search.found || distance < search.distance ||
        (distance == search.distance && rank > search.rank)) {
        search.found = true;
        search.distance = distance;
        search.limit = limitFor(distance);
        search.rank = rank;
        search.member = member;
    }
}

std::uint32_t NearestIndex::bestMember(std::uint32_t groupIndex) const {
    const Group& group = groups_[groupIndex];
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

void NearestIndex::remove(std::size_t member) {
    alive_[member] = false;
    Group& group = groups_[groupOf_[member]];
    --group.alive;
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
