#pragma once

#include <cstdint>
#include <vector>

#include "preview/scene.h"
#include "preview/view_transform.h"

namespace zrv {

// A grid of buckets over a scene's primitives, built once per scene, so a frame of a zoomed
// view picks the few it shows instead of walking all of them. Primitives that span many
// buckets (grid lines, the board area) sit in one list that every frame looks at.
class SceneIndex {
  public:
    SceneIndex() = default;
    explicit SceneIndex(const std::vector<Primitive>& primitives);

    // The indices of the primitives that may touch `area` (pens of up to `margin` mm reach
    // beyond their shapes), ascending, so they keep their drawing order.
    std::vector<std::uint32_t> visible(const BoardRect& area, double margin) const;

  private:
    struct Cells {
        int first = 0;
        int last = 0;
    };
    Cells columns(double from, double to) const;
    Cells rows(double from, double to) const;

    BoardRect bounds_;
    int side_ = 0;  // buckets per row and per column
    double cellWidth_ = 1;
    double cellHeight_ = 1;
    std::size_t count_ = 0;
    std::vector<std::uint32_t> bucketStart_;  // side_ * side_ + 1 offsets into members_
    std::vector<std::uint32_t> members_;
    std::vector<std::uint32_t> wide_;
};

}  // namespace zrv
