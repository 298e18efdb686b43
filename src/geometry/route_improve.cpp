#include "geometry/route_improve.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <deque>
#include <initializer_list>
#include <numeric>
#include <optional>

#include "geometry/nearest_index.h"
#include "geometry/route_start.h"

namespace zrv {
namespace {

// Candidates per end: more find a little more, at a cost that grows with them.
constexpr std::size_t kCandidates = 8;
// The longest run of stops one Or-opt move carries elsewhere.
constexpr std::size_t kLongestRun = 3;
// A move must gain more than rounding could fake, or the search might go round in circles:
// at least this much, and more than this share of the lengths it adds and takes away, far
// above the few units in the last place each of them carries. Far coordinates so need far
// larger gains.
constexpr double kLeastGain = 1e-9;
constexpr double kRoundingShare = 1e-13;
// Looks at a stop per stop before the search gives up; a normal board needs a few.
constexpr std::size_t kLooksPerStop = 64;

bool gains(double gain, double lengths) {
    return gain > std::max(kLeastGain, kRoundingShare * lengths);
}

double distance(Point a, Point b) {
    const double dx = a.x - b.x;
    const double dy = a.y - b.y;
    return std::sqrt(dx * dx + dy * dy);
}

// The ends of the stops as members of one index; a stop whose ends are equal has one member.
// The last stop is (0, 0), where the trip starts and ends.
struct Ends {
    std::vector<Point> points;          // member -> where it is
    std::vector<std::uint32_t> stopOf;  // member -> its stop
    std::vector<std::uint32_t> first;   // stop -> the member of its start
    std::vector<std::uint32_t> last;    // stop -> the member of its end
};

Ends endsOf(std::span<const PathEnds> stops) {
    Ends ends;
    auto add = [&ends](Point p, std::size_t stop) {
        ends.points.push_back(p);
        ends.stopOf.push_back(static_cast<std::uint32_t>(stop));
        return static_cast<std::uint32_t>(ends.points.size() - 1);
    };
    for (std::size_t s = 0; s <= stops.size(); ++s) {
        const PathEnds stop = s < stops.size() ? stops[s] : PathEnds{};
        ends.first.push_back(add(stop.start, s));
        ends.last.push_back(stop.end == stop.start ? ends.first.back() : add(stop.end, s));
    }
    return ends;
}

// The tour as a cycle in an array: the stop at each place, the place of each stop, and whether
// a stop is passed from its end to its start. Reversing a stretch turns its stops round;
// reversing the rest instead gives the same cycle run the other way, so the shorter is taken.
class Tour {
  public:
    explicit Tour(std::size_t stops) : at_(stops), place_(stops), turned_(stops, false) {
        std::iota(at_.begin(), at_.end(), std::uint32_t{0});
        std::iota(place_.begin(), place_.end(), std::size_t{0});
    }

    std::size_t size() const { return at_.size(); }
    std::uint32_t at(std::size_t place) const { return at_[place % size()]; }
    std::uint32_t next(std::uint32_t s) const { return at(place_[s] + 1); }
    std::uint32_t prev(std::uint32_t s) const { return at(place_[s] + size() - 1); }
    bool turned(std::uint32_t s) const { return turned_[s]; }
    std::size_t placeOf(std::uint32_t s) const { return place_[s]; }
    // The stops from a forward to b, both counted.
    std::size_t count(std::uint32_t a, std::uint32_t b) const {
        return (place_[b] + size() - place_[a]) % size() + 1;
    }

    // Reverses the stretch from `from` forward to `to`.
    void reverse(std::uint32_t from, std::uint32_t to) {
        std::size_t length = count(from, to);
        if (2 * length > size()) {
            const std::uint32_t after = next(to);
            to = prev(from);
            from = after;
            length = size() - length;
        }
        std::size_t i = place_[from];
        std::size_t j = place_[to];
        for (std::size_t k = 0; k < length; ++k) {
            turned_[at_[(i + k) % size()]] = !turned_[at_[(i + k) % size()]];
        }
        for (std::size_t k = 0; k < length / 2; ++k) {
            std::swap(at_[i], at_[j]);
            place_[at_[i]] = i;
            place_[at_[j]] = j;
            i = (i + 1) % size();
            j = (j + size() - 1) % size();
        }
    }

    // Puts the stretch from `first` forward to `last` between `after` and the stop after it,
    // rotating whichever side of the cycle is shorter.
    void move(std::uint32_t first, std::uint32_t last, std::uint32_t after) {
        const std::size_t length = count(first, last);
        const std::size_t ahead = count(first, after);
        const std::size_t behind = size() - ahead + length;
        if (ahead <= behind) {
            rotate(place_[first], ahead, length);
        } else {
            rotate(place_[next(after)], behind, behind - length);
        }
    }

  private:
    void rotate(std::size_t from, std::size_t length, std::size_t by) {
        buffer_.clear();
        for (std::size_t k = 0; k < length; ++k) {
            buffer_.push_back(at(from + k));
        }
        std::rotate(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(by),
                    buffer_.end());
        for (std::size_t k = 0; k < length; ++k) {
            const std::size_t place = (from + k) % size();
            at_[place] = buffer_[k];
            place_[buffer_[k]] = place;
        }
    }

    std::vector<std::uint32_t> at_;
    std::vector<std::size_t> place_;
    std::vector<bool> turned_;
    std::vector<std::uint32_t> buffer_;
};

// First-improvement local search with a queue of stops to look at ("don't-look bits"): a stop
// leaves the queue when nothing around it shortens the trip and comes back when a move
// changes one of its neighbours.
class Search {
  public:
    explicit Search(std::span<const PathEnds> stops)
        : ends_(endsOf(stops)), tour_(stops.size() + 1), queued_(stops.size() + 1, true) {
        findCandidates();
    }

    void run() {
        std::deque<std::uint32_t> queue;
        for (std::uint32_t s = 0; s < tour_.size(); ++s) {
            queue.push_back(s);
        }
        queue_ = &queue;
        std::size_t looks = kLooksPerStop * tour_.size();
        while (!queue.empty() && looks-- > 0) {
            const std::uint32_t s = queue.front();
            queue.pop_front();
            queued_[s] = false;
            if (improveAt(s)) {
                wake({s});
            }
        }
        queue_ = nullptr;
    }

    // The trip from (0, 0), the last stop, round to it again.
    std::vector<PathVisit> visits() const {
        const auto home = static_cast<std::uint32_t>(tour_.size() - 1);
        std::vector<PathVisit> visits;
        visits.reserve(home);
        for (std::size_t k = 1; k < tour_.size(); ++k) {
            const std::uint32_t s = tour_.at(tour_.placeOf(home) + k);
            visits.push_back({s, static_cast<bool>(tour_.turned(s))});
        }
        return visits;
    }

  private:
    void findCandidates() {
        const std::vector<std::int64_t> ranks(ends_.points.size(), 0);
        const NearestIndex index(ends_.points, ranks);
        candidateStart_.push_back(0);
        for (std::size_t m = 0; m < ends_.points.size(); ++m) {
            for (std::size_t c : index.nearestPlaces(m, kCandidates, kCandidates)) {
                candidates_.push_back(static_cast<std::uint32_t>(c));
            }
            candidateStart_.push_back(candidates_.size());
        }
    }
    std::span<const std::uint32_t> candidates(std::uint32_t member) const {
        return std::span(candidates_)
            .subspan(candidateStart_[member],
                     candidateStart_[member + 1] - candidateStart_[member]);
    }

    std::uint32_t entryOf(std::uint32_t s) const {
        return tour_.turned(s) ? ends_.last[s] : ends_.first[s];
    }
    std::uint32_t exitOf(std::uint32_t s) const {
        return tour_.turned(s) ? ends_.first[s] : ends_.last[s];
    }
    Point entry(std::uint32_t s) const { return ends_.points[entryOf(s)]; }
    Point exit(std::uint32_t s) const { return ends_.points[exitOf(s)]; }
    double jump(std::uint32_t from, std::uint32_t to) const {
        return distance(exit(from), entry(to));
    }

    void wake(std::initializer_list<std::uint32_t> stops) {
        for (std::uint32_t s : stops) {
            if (!queued_[s]) {
                queued_[s] = true;
                queue_->push_back(s);
            }
        }
    }

    bool improveAt(std::uint32_t s) {
        if (twoOptAfter(s) || twoOptBefore(s)) {
            return true;
        }
        for (std::size_t length = 1; length <= kLongestRun; ++length) {
            if (moveRun(s, length)) {
                return true;
            }
        }
        return false;
    }

    // Replaces a -> next(a) and c -> next(c) by a -> c and next(a) -> next(c), for c whose
    // exit is near a's exit.
    bool twoOptAfter(std::uint32_t a) {
        const std::uint32_t b = tour_.next(a);
        const double removed = jump(a, b);
        for (std::uint32_t m : candidates(exitOf(a))) {
            const double added = distance(exit(a), ends_.points[m]);
            if (removed - added <= kLeastGain) {
                break;  // candidates come nearest first
            }
            const std::uint32_t c = ends_.stopOf[m];
            if (c == a || c == b || m != exitOf(c)) {
                continue;
            }
            const std::uint32_t d = tour_.next(c);
            const double kept = jump(c, d);
            const double other = distance(entry(b), entry(d));
            if (gains(removed + kept - added - other, removed + kept + added + other)) {
                tour_.reverse(b, c);
                wake({a, b, c, d});
                return true;
            }
        }
        return false;
    }

    // The same for the way into a: prev(a) -> a and prev(c) -> c become a <- c (entry to
    // entry) and prev(a) -> prev(c).
    bool twoOptBefore(std::uint32_t a) {
        const std::uint32_t p = tour_.prev(a);
        const double removed = jump(p, a);
        for (std::uint32_t m : candidates(entryOf(a))) {
            const double added = distance(entry(a), ends_.points[m]);
            if (removed - added <= kLeastGain) {
                break;
            }
            const std::uint32_t c = ends_.stopOf[m];
            if (c == a || c == p || m != entryOf(c)) {
                continue;
            }
            const std::uint32_t q = tour_.prev(c);
            const double kept = jump(q, c);
            const double other = distance(exit(p), exit(q));
            if (gains(removed + kept - added - other, removed + kept + added + other)) {
                tour_.reverse(a, q);
                wake({p, a, q, c});
                return true;
            }
        }
        return false;
    }

    // A run of stops and the way its removal saves.
    struct Run {
        std::uint32_t first, last, before, after;
        std::size_t length;
        double saved;
        double lengths;  // of the three jumps
        bool holds(const Tour& tour, std::uint32_t s) const {
            return tour.count(first, s) <= length;
        }
    };
    struct Insertion {
        std::uint32_t after;  // the run goes between it and its successor
        bool turned;
        double added;    // with the candidate's jump left out
        double lengths;  // of the two jumps
    };

    // Or-opt: the run of `length` stops from `first` moved next to a candidate of one of its
    // ends, in either direction.
    bool moveRun(std::uint32_t first, std::size_t length) {
        if (tour_.size() < length + 3) {
            return false;
        }
        std::uint32_t last = first;
        for (std::size_t k = 1; k < length; ++k) {
            last = tour_.next(last);
        }
        const std::uint32_t before = tour_.prev(first);
        const std::uint32_t after = tour_.next(last);
        const double in = jump(before, first);
        const double out = jump(last, after);
        const double across = jump(before, after);
        const double saved = in + out - across;
        if (saved <= kLeastGain) {
            return false;
        }
        const Run run{first, last, before, after, length, saved, in + out + across};
        return tryNear(run, entryOf(first), true) || tryNear(run, exitOf(last), false);
    }

    // Candidates near the run's entry (atEntry) or exit; a candidate end that is a stop's exit
    // takes the run after that stop, an entry before it.
    bool tryNear(const Run& run, std::uint32_t member, bool atEntry) {
        const Point from = ends_.points[member];
        for (std::uint32_t m : candidates(member)) {
            const double near = distance(from, ends_.points[m]);
            if (run.saved - near <= kLeastGain) {
                break;
            }
            const std::uint32_t c = ends_.stopOf[m];
            if (run.holds(tour_, c)) {
                continue;
            }
            std::optional<Insertion> place;
            if (m == exitOf(c) && c != run.before) {
                place = insertAfter(run, c, atEntry);
            }
            if ((!place || !worth(run, *place, near)) && m == entryOf(c) && c != run.after) {
                place = insertBefore(run, c, atEntry);
            }
            if (place && worth(run, *place, near)) {
                apply(run, *place);
                return true;
            }
        }
        return false;
    }

    // c -> run -> next(c): the run's entry (or, turned, its exit) meets c's exit.
    Insertion insertAfter(const Run& run, std::uint32_t c, bool atEntry) const {
        const std::uint32_t d = tour_.next(c);
        const double other = atEntry ? jump(run.last, d) : distance(entry(run.first), entry(d));
        const double dropped = jump(c, d);
        return {c, !atEntry, other - dropped, other + dropped};
    }
    // prev(c) -> run -> c: the run's exit (or, turned, its entry) meets c's entry.
    Insertion insertBefore(const Run& run, std::uint32_t c, bool atEntry) const {
        const std::uint32_t b = tour_.prev(c);
        const double other = atEntry ? distance(exit(b), exit(run.last)) : jump(b, run.first);
        const double dropped = jump(b, c);
        return {b, atEntry, other - dropped, other + dropped};
    }
    static bool worth(const Run& run, const Insertion& place, double near) {
        return gains(run.saved - near - place.added, run.lengths + near + place.lengths);
    }

    void apply(const Run& run, const Insertion& place) {
        const std::uint32_t next = tour_.next(place.after);
        tour_.move(run.first, run.last, place.after);
        if (place.turned) {
            tour_.reverse(run.first, run.last);
        }
        wake({run.before, run.after, run.first, run.last, place.after, next});
    }

    Ends ends_;
    Tour tour_;
    std::vector<bool> queued_;
    std::deque<std::uint32_t>* queue_ = nullptr;
    std::vector<std::uint32_t> candidates_;
    std::vector<std::size_t> candidateStart_;
};

std::vector<PathVisit> givenOrder(std::size_t stops) {
    std::vector<PathVisit> visits(stops);
    for (std::size_t s = 0; s < stops; ++s) {
        visits[s].path = s;
    }
    return visits;
}

// The search on the stops as the start visits them, its visits told in the stops' own numbers.
std::vector<PathVisit> searchFrom(std::span<const PathEnds> stops,
                                  std::span<const PathVisit> start) {
    if (stops.size() < 2) {
        return {start.begin(), start.end()};
    }
    std::vector<PathEnds> arranged;
    arranged.reserve(start.size());
    for (const PathVisit& v : start) {
        const PathEnds& stop = stops[v.path];
        arranged.push_back(v.reversed ? PathEnds{stop.end, stop.start} : stop);
    }
    Search search(arranged);
    search.run();
    std::vector<PathVisit> visits = search.visits();
    for (PathVisit& v : visits) {
        v = {start[v.path].path, v.reversed != start[v.path].reversed};
    }
    return visits;
}

}  // namespace

double roundTripJumps(std::span<const PathEnds> stops, std::span<const PathVisit> visits) {
    double length = 0;
    Point at{0, 0};
    for (const PathVisit& v : visits) {
        const PathEnds& stop = stops[v.path];
        length += distance(at, v.reversed ? stop.end : stop.start);
        at = v.reversed ? stop.start : stop.end;
    }
    return length + distance(at, {0, 0});
}

std::vector<PathVisit> improveRoute(std::span<const PathEnds> stops) {
    std::vector<PathVisit> given = givenOrder(stops.size());
    if (stops.size() < 2) {
        return given;
    }
    const MergedStops merged = mergeEqualPlaces(stops);
    const std::vector<PathVisit> improved =
        expandVisits(merged, searchFrom(merged.stops, startOrder(merged.stops)));
    // Rounding in the gains could in theory add up; the sums decide.
    if (roundTripJumps(stops, improved) < roundTripJumps(stops, given)) {
        return improved;
    }
    return given;
}

}  // namespace zrv
