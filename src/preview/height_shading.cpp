#include "preview/height_shading.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace zrv {
namespace {

constexpr Colour kProbePoint = rgb(64, 64, 64);

double height(const HeightGrid& map, std::size_t i, std::size_t j) {
    return map.heights[j * map.grid.nx + i];
}

std::uint8_t channel(double value) {
    return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0, 255.0)));
}

}  // namespace

Colour heightColour(double fraction) {
    // Pale tones, so the figures drawn over them stay readable.
    struct Tone {
        double r, g, b;
    };
    constexpr Tone kLow{110, 150, 255};
    constexpr Tone kMiddle{130, 225, 130};
    constexpr Tone kHigh{255, 120, 100};
    const double f = std::isfinite(fraction) ? std::clamp(fraction, 0.0, 1.0) : 0.5;
    const Tone& from = f < 0.5 ? kLow : kMiddle;
    const Tone& to = f < 0.5 ? kMiddle : kHigh;
    const double t = f < 0.5 ? 2 * f : 2 * f - 1;
    return rgb(channel(from.r + (to.r - from.r) * t), channel(from.g + (to.g - from.g) * t),
               channel(from.b + (to.b - from.b) * t));
}

void addHeightShading(PreviewScene& scene, const HeightGrid& map) {
    const Grid& grid = map.grid;
    if (map.heights.size() != grid.nx * grid.ny || map.heights.empty()) {
        return;
    }
    const auto [low, high] = std::minmax_element(map.heights.begin(), map.heights.end());
    const double span = *high - *low;
    // A copy: clang 14 cannot capture a structured binding.
    const auto fraction = [lowest = *low, span](double h) {
        return span > 0 ? (h - lowest) / span : 0.5;
    };
    std::vector<Primitive> shading;
    for (std::size_t j = 0; j + 1 < grid.ny; ++j) {
        for (std::size_t i = 0; i + 1 < grid.nx; ++i) {
            const double mean = (height(map, i, j) + height(map, i + 1, j) + height(map, i, j + 1) +
                                 height(map, i + 1, j + 1)) /
                                4;
            shading.push_back({Shape::Fill, grid.node(i, j), grid.node(i + 1, j + 1), 1,
                               heightColour(fraction(mean))});
        }
    }
    for (std::size_t j = 0; j < grid.ny; ++j) {
        for (std::size_t i = 0; i < grid.nx; ++i) {
            shading.push_back({Shape::Dot, grid.node(i, j), grid.node(i, j), 3, kProbePoint});
        }
    }
    for (const auto at : {low, high}) {
        const auto k = static_cast<std::size_t>(at - map.heights.begin());
        const Point p = grid.node(k % grid.nx, k / grid.nx);
        shading.push_back({Shape::Dot, p, p, 10, heightColour(at == low ? 0 : 1)});
    }
    scene.primitives.insert(scene.primitives.begin(), shading.begin(), shading.end());
}

}  // namespace zrv
