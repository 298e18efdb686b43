#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <utility>
#include <vector>

#include "geometry/weighted_distance.h"
#include "store/entry_text.h"

namespace zrv {

// A k-d tree over points ("members") that finds the alive member with the smallest weighted
// distance from a position, and among equal distances the one with the highest rank. Members
// can be removed and their ranks changed between queries. Members at identical coordinates
// share one tree entry; a large such group keeps its ranks in a lazy heap, so heaps of
// repeated points cost little more than one point.
//
// A subtree or a point is skipped only when a bound proves it strictly farther than the best
// found so far; everything at an equal distance is looked at, so ties come out exactly as a
// full scan gives them.
class NearestIndex {
  public:
    NearestIndex(std::span<const Point> points, std::span<const std::int64_t> ranks);

    // The best alive member from a position; there must be one.
    std::size_t nearest(Point from, Exponents exponents) const;
    // The same from where a member stands (alive or not), searched outward from its leaf:
    // cheaper when the answer is close, as on a tour.
    std::size_t nearestFrom(std::size_t member, Exponents exponents) const;
    void remove(std::size_t member);
    void setRank(std::size_t member, std::int64_t rank);
    // Up to `count` alive members nearest by straight distance to where a member stands, the
    // member itself left out, nearest first (ties in no set order): candidates for a route.
    std::vector<std::size_t> nearestMembers(std::size_t member, std::size_t count) const;
    // The same with each place counted once however many members stand there: the others at
    // the member's own place, then the members at the `count` nearest other places, at most
    // `perPlace` from each place. Copies so never hide the next place.
    std::vector<std::size_t> nearestPlaces(std::size_t member, std::size_t count,
                                           std::size_t perPlace) const;

  private:
    struct Box {
        double xMin, xMax, yMin, yMax;
        void widen(Point p) {
            xMin = std::min(xMin, p.x);
            xMax = std::max(xMax, p.x);
            yMin = std::min(yMin, p.y);
            yMax = std::max(yMax, p.y);
        }
        void widen(const Box& b) {
            xMin = std::min(xMin, b.xMin);
            xMax = std::max(xMax, b.xMax);
            yMin = std::min(yMin, b.yMin);
            yMax = std::max(yMax, b.yMax);
        }
    };
    struct Node {
        Box box;
        std::uint32_t begin, end;  // range of entries_ below this node
        std::int32_t left = -1, right = -1, parent = -1;
        std::uint32_t alive = 0;
    };
    struct Group {
        std::uint32_t first = 0;  // its members are members_[first, first + size)
        std::uint32_t size = 0;
        std::uint32_t entry = 0;  // its place in entries_
        std::int32_t leaf = -1;
    };
    struct Entry {
        Point point;
        std::uint32_t group;
        std::uint32_t alive;  // alive members of the group, kept here for the leaf scans
    };
    using HeapEntry = std::pair<std::int64_t, std::uint32_t>;  // rank, member
    struct Search;
    struct Nearby;

    void groupEqualPoints(std::span<const Point> points);
    void makeHeaps();
    const Node& node(std::int32_t index) const { return nodes_[static_cast<std::size_t>(index)]; }
    std::int32_t build(std::uint32_t begin, std::uint32_t end, std::int32_t parent, Box room);
    struct Split {
        std::uint32_t at;  // the first entry of the upper part
        double cut;        // a coordinate between the parts
    };
    Split split(std::uint32_t begin, std::uint32_t end, bool alongX);
    std::size_t searchOutward(std::int32_t start, Point from, Exponents exponents) const;
    template <typename Lowered>
    static double lowTo(const Box& box, const Search& search, Lowered lowered);
    template <typename Lowered>
    void visit(std::int32_t node, double low, Search& search, Lowered lowered) const;
    template <typename Lowered>
    void consider(const Entry& entry, Search& search, Lowered lowered) const;
    void collect(std::int32_t node, Nearby& nearby) const;
    void addPlace(std::uint32_t group, std::size_t member, std::size_t perPlace,
                  std::vector<std::size_t>& to) const;
    std::uint32_t bestMember(std::uint32_t group) const;
    void pushRank(std::uint32_t member);

    std::vector<Node> nodes_;
    std::vector<Group> groups_;
    std::vector<Entry> entries_;          // one per group, in tree order
    std::vector<std::uint32_t> groupOf_;  // member -> group
    std::vector<std::int64_t> rank_;
    std::vector<bool> alive_;
    std::vector<std::uint32_t> members_;  // members grouped by their point
    // Only large groups use their heap; stale entries are dropped when they come to the top.
    mutable std::vector<std::vector<HeapEntry>> heaps_;
};

}  // namespace zrv
