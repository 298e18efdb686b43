#pragma once

// Random drawings rich in ties for comparing the fast optimisers with the plain ones: integer
// grids, repeated points, closed paths, reversed and touching segments. Deterministic for a
// given seed.

#include <cstddef>
#include <random>
#include <string>
#include <vector>

#include "store/entry_text.h"
#include "store/pair_text.h"

namespace zrv::test {

class RandomFigures {
  public:
    explicit RandomFigures(unsigned seed) : rng_(seed) {}

    std::size_t below(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_);
    }
    bool chance(double p) { return std::bernoulli_distribution(p)(rng_); }
    double uniform(double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(rng_);
    }

    // A point on a grid of size x size cells of the given spacing, shifted by origin.
    Point gridPoint(std::size_t size, double spacing, double origin = 0) {
        return {origin + spacing * static_cast<double>(below(size)),
                origin + spacing * static_cast<double>(below(size))};
    }

    // Holes of one of several kinds; kind is taken modulo the number of kinds.
    std::vector<Point> holes(std::size_t n, std::size_t kind) {
        std::vector<Point> points;
        for (std::size_t k = 0; k < n; ++k) {
            switch (kind % 5) {
                case 0:  // a small grid: many equal distances and repeated holes
                    points.push_back(gridPoint(4, 1));
                    break;
                case 1:  // the 2.54 mm pitch of parts
                    points.push_back(gridPoint(12, 2.54));
                    break;
                case 2:  // around the zero point, negative values too
                    points.push_back(gridPoint(7, 0.5, -1.5));
                    break;
                case 3:  // anywhere, three decimals
                    points.push_back({uniform(-50, 150), uniform(-50, 150)});
                    break;
                default:  // every hole twice or more
                    points.push_back(k > 0 && chance(0.6) ? points[below(k)] : gridPoint(9, 1.27));
                    break;
            }
        }
        return points;
    }

    // Milling paths of one of several kinds, each a list of points.
    std::vector<std::vector<Point>> paths(std::size_t n, std::size_t kind) {
        std::vector<std::vector<Point>> result;
        Point walker{0, 0};
        for (std::size_t k = 0; k < n; ++k) {
            switch (kind % 5) {
                case 0: {  // segments on a small grid: repeated ends, closed and reversed ones
                    result.push_back({gridPoint(3, 1), gridPoint(3, 1)});
                    break;
                }
                case 1: {  // touching chains in random order and direction
                    const Point next{walker.x + static_cast<double>(below(3)) - 1,
                                     walker.y + static_cast<double>(below(3)) - 1};
                    result.push_back(chance(0.5) ? std::vector{walker, next}
                                                 : std::vector{next, walker});
                    walker = chance(0.1) ? gridPoint(5, 1) : next;
                    break;
                }
                case 2: {  // closed figures: rectangles and polygons
                    const Point a = gridPoint(5, 2);
                    const Point b{a.x + 1 + static_cast<double>(below(2)), a.y + 1};
                    result.push_back({a, {b.x, a.y}, b, {a.x, b.y}, a});
                    break;
                }
                case 3: {  // polylines of one to five points
                    std::vector<Point> line;
                    const std::size_t count = 1 + below(5);
                    for (std::size_t m = 0; m < count; ++m) {
                        line.push_back(gridPoint(6, 0.5, -1));
                    }
                    result.push_back(line);
                    break;
                }
                default: {  // anything, and a few copies of earlier paths
                    if (k > 0 && chance(0.3)) {
                        result.push_back(result[below(k)]);
                    } else {
                        result.push_back({{uniform(-20, 80), uniform(-20, 80)},
                                          {uniform(-20, 80), uniform(-20, 80)}});
                    }
                    break;
                }
            }
        }
        return result;
    }

    // Texts as the store writes them; paths take one of the patterns of lines and circles.
    std::vector<std::string> holeTexts(const std::vector<Point>& points) {
        std::vector<std::string> texts;
        for (const Point& p : points) {
            texts.push_back(pairsText(std::span(&p, 1), "0000.000", kCLocale));
        }
        return texts;
    }
    std::vector<std::string> pathTexts(const std::vector<std::vector<Point>>& paths) {
        std::vector<std::string> texts;
        for (const auto& path : paths) {
            texts.push_back(pairsText(path, chance(0.2) ? "0.000" : "00.000", kCLocale));
        }
        return texts;
    }

  private:
    std::mt19937 rng_;
};

}  // namespace zrv::test
