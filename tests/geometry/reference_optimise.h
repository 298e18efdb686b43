#pragma once

// The drill order, the milling order and the chaining written plainly from their rules: every
// comparison reads the coordinates from the texts again, positions are exchanged in the list
// itself, and chaining starts its scan again at the first path after every join. Slow on
// purpose; the fast code must give the very same lists.

#include <cmath>
#include <cstddef>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "geometry/optimise.h"
#include "store/entry_text.h"
#include "text/number_scan.h"

namespace zrv::reference {

struct Weights {
    double x;
    double y;
};

// The level table; the leading number of the text picks the row.
inline std::optional<Weights> weightsOf(std::string_view levelText) {
    const double level = leadingNumber(levelText);
    const Weights rows[] = {{2, 2}, {2, 4}, {4, 2}, {2, 6}, {6, 2}, {2, 8}, {8, 2}};
    for (int k = 1; k <= 7; ++k) {
        if (level == k) {
            return rows[k - 1];
        }
    }
    return std::nullopt;
}

inline double distance(Point to, Point from, Weights w) {
    return std::sqrt(std::pow(to.x - from.x, w.x) + std::pow(to.y - from.y, w.y));
}

inline Point startOf(std::string_view text) {
    return readPoint(text);
}

inline Point endOf(std::string_view text) {
    const std::vector<Point> pairs = readPairs(text);
    return pairs.empty() ? readPoint(text) : pairs.back();
}

inline void drillOrder(std::vector<std::string>& punkte, std::string_view levelText) {
    const std::optional<Weights> w = weightsOf(levelText);
    if (!w) {
        return;
    }
    Point current{0, 0};
    for (std::size_t i = 0; i < punkte.size(); ++i) {
        std::size_t kept = i;
        double best = std::numeric_limits<double>::infinity();
        for (std::size_t j = i; j < punkte.size(); ++j) {
            const double d = distance(readPoint(punkte[j]), current, *w);
            if (d <= best) {
                best = d;
                kept = j;
            }
        }
        current = readPoint(punkte[kept]);
        std::swap(punkte[i], punkte[kept]);
    }
}

inline void millingOrder(std::vector<std::string>& paths, Weights w) {
    Point current{0, 0};
    for (std::size_t i = 0; i < paths.size(); ++i) {
        std::size_t best = i;
        double bestDistance = std::numeric_limits<double>::infinity();
        bool reversed = false;
        Point next = current;
        for (std::size_t j = i; j < paths.size(); ++j) {
            const double atStart = distance(startOf(paths[j]), current, w);
            if (atStart <= bestDistance) {
                best = j;
                bestDistance = atStart;
                reversed = false;
                next = endOf(paths[j]);
            }
            const double atEnd = distance(endOf(paths[j]), current, w);
            if (atEnd < bestDistance) {
                best = j;
                bestDistance = atEnd;
                reversed = true;
                next = startOf(paths[j]);
            }
        }
        std::swap(paths[i], paths[best]);
        if (reversed) {
            paths[i] = PFAD_UMKEHREN(paths[i]);
        }
        current = next;
    }
}

// Gives the number of joins.
inline std::size_t chain(std::vector<std::string>& paths) {
    std::size_t joins = 0;
    std::size_t j = 0;
    while (j + 1 < paths.size()) {
        if (endOf(paths[j]) == startOf(paths[j + 1])) {
            paths[j] += paths[j + 1];
            paths.erase(paths.begin() + static_cast<std::ptrdiff_t>(j) + 1);
            ++joins;
            j = 0;
        } else {
            ++j;
        }
    }
    return joins;
}

// Gives the number of joins; a level outside 1 to 7 changes nothing.
inline std::size_t millingOrderAndChain(std::vector<std::string>& paths,
                                        std::string_view levelText) {
    const std::optional<Weights> w = weightsOf(levelText);
    if (!w) {
        return 0;
    }
    millingOrder(paths, *w);
    return chain(paths);
}

}  // namespace zrv::reference
