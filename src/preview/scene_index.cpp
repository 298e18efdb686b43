#include "preview/scene_index.h"

#include <algorithm>
#include <cmath>

namespace zrv {

namespace {

constexpr int kMostSide = 256;
constexpr int kWideCells = 16;  // a primitive over more buckets than this goes to the wide list

BoardRect boundsOf(const Primitive& p) {
    return {std::min(p.from.x, p.to.x), std::min(p.from.y, p.to.y), std::max(p.from.x, p.to.x),
            std::max(p.from.y, p.to.y)};
}

bool finite(const BoardRect& r) {
    return std::isfinite(r.left) && std::isfinite(r.top) && std::isfinite(r.right) &&
           std::isfinite(r.bottom);
}

int cellOf(double value, double origin, double size, int side) {
    const double cell = std::floor((value - origin) / size);
    if (!(cell >= 0)) {
        return 0;
    }
    return static_cast<int>(std::clamp(cell, 0.0, static_cast<double>(side - 1)));
}

}  // namespace

SceneIndex::SceneIndex(const std::vector<Primitive>& primitives) : count_(primitives.size()) {
    bool any = false;
    for (const Primitive& p : primitives) {
        const BoardRect r = boundsOf(p);
        if (!finite(r)) {
            continue;
        }
        bounds_ =
            any ? BoardRect{std::min(bounds_.left, r.left), std::min(bounds_.top, r.top),
                            std::max(bounds_.right, r.right), std::max(bounds_.bottom, r.bottom)}
                : r;
        any = true;
    }
    side_ = static_cast<int>(std::clamp(std::sqrt(static_cast<double>(primitives.size()) / 4), 1.0,
                                        static_cast<double>(kMostSide)));
    cellWidth_ = std::max((bounds_.right - bounds_.left) / side_, 1e-9);
    cellHeight_ = std::max((bounds_.bottom - bounds_.top) / side_, 1e-9);
    if (!std::isfinite(cellWidth_) || !std::isfinite(cellHeight_)) {
        cellWidth_ = cellHeight_ = 1e300;
    }

    // Two passes: count the members of each bucket, then place them.
    std::vector<Cells> spanX(primitives.size());
    std::vector<Cells> spanY(primitives.size());
    std::vector<std::uint32_t> counts(static_cast<std::size_t>(side_ * side_) + 1, 0);
    for (std::size_t i = 0; i < primitives.size(); ++i) {
        const BoardRect r = boundsOf(primitives[i]);
        spanX[i] = columns(r.left, r.right);
        spanY[i] = rows(r.top, r.bottom);
        const long cells = static_cast<long>(spanX[i].last - spanX[i].first + 1) *
                           (spanY[i].last - spanY[i].first + 1);
        if (!finite(r) || cells > kWideCells) {
            wide_.push_back(static_cast<std::uint32_t>(i));
            spanX[i].first = 1;  // marks it as placed in the wide list
            spanX[i].last = 0;
            continue;
        }
        for (int y = spanY[i].first; y <= spanY[i].last; ++y) {
            for (int x = spanX[i].first; x <= spanX[i].last; ++x) {
                ++counts[static_cast<std::size_t>(y * side_ + x) + 1];
            }
        }
    }
    bucketStart_.assign(counts.size(), 0);
    for (std::size_t b = 1; b < counts.size(); ++b) {
        bucketStart_[b] = bucketStart_[b - 1] + counts[b];
    }
    members_.resize(bucketStart_.back());
    std::vector<std::uint32_t> next(bucketStart_.begin(), bucketStart_.end() - 1);
    for (std::size_t i = 0; i < primitives.size(); ++i) {
        for (int y = spanY[i].first; y <= spanY[i].last && spanX[i].first <= spanX[i].last; ++y) {
            for (int x = spanX[i].first; x <= spanX[i].last; ++x) {
                members_[next[static_cast<std::size_t>(y * side_ + x)]++] =
                    static_cast<std::uint32_t>(i);
            }
        }
    }
}

SceneIndex::Cells SceneIndex::columns(double from, double to) const {
    return {cellOf(from, bounds_.left, cellWidth_, side_),
            cellOf(to, bounds_.left, cellWidth_, side_)};
}

SceneIndex::Cells SceneIndex::rows(double from, double to) const {
    return {cellOf(from, bounds_.top, cellHeight_, side_),
            cellOf(to, bounds_.top, cellHeight_, side_)};
}

std::vector<std::uint32_t> SceneIndex::visible(const BoardRect& area, double margin) const {
    const BoardRect a{area.left - margin, area.top - margin, area.right + margin,
                      area.bottom + margin};
    std::vector<std::uint32_t> shown;
    if (!(a.left <= bounds_.left && a.top <= bounds_.top && a.right >= bounds_.right &&
          a.bottom >= bounds_.bottom)) {
        if (a.right < bounds_.left || a.left > bounds_.right || a.bottom < bounds_.top ||
            a.top > bounds_.bottom) {
            return wide_;
        }
        const Cells x = columns(a.left, a.right);
        const Cells y = rows(a.top, a.bottom);
        shown = wide_;
        for (int row = y.first; row <= y.last; ++row) {
            const auto first = static_cast<std::size_t>(row * side_ + x.first);
            const auto last = static_cast<std::size_t>(row * side_ + x.last);
            shown.insert(shown.end(), members_.begin() + bucketStart_[first],
                         members_.begin() + bucketStart_[last + 1]);
        }
        std::sort(shown.begin(), shown.end());
        shown.erase(std::unique(shown.begin(), shown.end()), shown.end());
        return shown;
    }
    // The whole scene is in view: every primitive, in order.
    shown.resize(count_);
    for (std::size_t i = 0; i < count_; ++i) {
        shown[i] = static_cast<std::uint32_t>(i);
    }
    return shown;
}

}  // namespace zrv
