#include "preview/raster.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace zrv {

namespace {

std::size_t bytesPerPixel(PixelLayout layout) {
    return layout == PixelLayout::Rgb ? 3 : 4;
}

std::size_t index(const RgbImage& image, int x, int y) {
    return (static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width) +
            static_cast<std::size_t>(x)) *
           bytesPerPixel(image.layout);
}

std::uint32_t word(Colour colour) {
    return 0xFF000000u | (std::uint32_t{red(colour)} << 16) | (std::uint32_t{green(colour)} << 8) |
           blue(colour);
}

struct Span {
    double from = 1;
    double to = 0;

    bool empty() const { return !(from <= to); }
    void join(Span other) {
        if (other.empty()) {
            return;
        }
        *this = empty() ? other : Span{std::min(from, other.from), std::max(to, other.to)};
    }
};

// The u with lo <= u * c + e <= hi.
Span band(double c, double e, double lo, double hi) {
    if (c == 0) {
        return lo <= e && e <= hi ? Span{-1e300, 1e300} : Span{};
    }
    const double a = (lo - e) / c;
    const double b = (hi - e) / c;
    return {std::min(a, b), std::max(a, b)};
}

Span disc(Point centre, double r, double y) {
    const double h = r * r - (y - centre.y) * (y - centre.y);
    if (h < 0) {
        return {};
    }
    const double w = std::sqrt(h);
    return {centre.x - w, centre.x + w};
}

}  // namespace

void fillSpan(RgbImage& image, int y, int from, int to, Colour colour) {
    from = std::max(from, 0);
    to = std::min(to, image.width);
    if (y < 0 || y >= image.height || from >= to) {
        return;
    }
    std::uint8_t* p = &image.pixels[index(image, from, y)];
    std::uint8_t* const end = p + index(image, to - from, 0);
    if (image.layout == PixelLayout::Word) {
        const std::uint32_t w = word(colour);
        for (; p != end; p += 4) {
            std::memcpy(p, &w, 4);
        }
        return;
    }
    for (; p != end; p += 3) {
        p[0] = red(colour);
        p[1] = green(colour);
        p[2] = blue(colour);
    }
}

namespace {

class Painter {
  public:
    explicit Painter(RgbImage& image) : image_(image) {}

    void fillRow(int y, Span x, Colour colour) {
        const double first = std::max(std::ceil(x.from - 0.5), 0.0);
        const double last = std::min(std::floor(x.to - 0.5), image_.width - 1.0);
        if (!(first <= last)) {
            return;
        }
        fillSpan(image_, y, static_cast<int>(first), static_cast<int>(last) + 1, colour);
    }

    // Every pixel whose centre lies within r of the segment a-b (a round dot when a == b).
    void capsule(Point a, Point b, double r, Colour colour) {
        const double dx = b.x - a.x;
        const double dy = b.y - a.y;
        const double length = std::hypot(dx, dy);
        for (int y = firstRow(std::min(a.y, b.y) - r); y <= lastRow(std::max(a.y, b.y) + r); ++y) {
            const double yc = y + 0.5;
            Span x = disc(a, r, yc);
            if (length > 0) {
                x.join(disc(b, r, yc));
                const double k = yc - a.y;
                const Span along = band(dx, k * dy, 0, length * length);
                const Span across = band(dy, -k * dx, -r * length, r * length);
                x.join(
                    {a.x + std::max(along.from, across.from), a.x + std::min(along.to, across.to)});
            }
            fillRow(y, x, colour);
        }
    }

    void rectangle(double left, double top, double right, double bottom, Colour colour) {
        for (int y = firstRow(top); y <= lastRow(bottom); ++y) {
            if (y + 0.5 >= top && y + 0.5 <= bottom) {
                fillRow(y, {left, right}, colour);
            }
        }
    }

  private:
    int firstRow(double y) const {
        return static_cast<int>(std::clamp(std::floor(y), 0.0, 1.0 * image_.height));
    }
    int lastRow(double y) const {
        return static_cast<int>(std::clamp(std::ceil(y), -1.0, image_.height - 1.0));
    }

    RgbImage& image_;
};

bool finite(Point p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}

void paintBox(Painter& painter, Point a, Point b, double r, Colour colour) {
    const double left = std::min(a.x, b.x);
    const double right = std::max(a.x, b.x);
    const double top = std::min(a.y, b.y);
    const double bottom = std::max(a.y, b.y);
    painter.rectangle(left - r, top - r, right + r, top + r, colour);
    painter.rectangle(left - r, bottom - r, right + r, bottom + r, colour);
    painter.rectangle(left - r, top - r, left + r, bottom + r, colour);
    painter.rectangle(right - r, top - r, right + r, bottom + r, colour);
}

}  // namespace

Colour RgbImage::at(int x, int y) const {
    const std::uint8_t* p = &pixels[index(*this, x, y)];
    if (layout == PixelLayout::Word) {
        std::uint32_t w = 0;
        std::memcpy(&w, p, 4);
        return rgb(static_cast<std::uint8_t>(w >> 16), static_cast<std::uint8_t>(w >> 8),
                   static_cast<std::uint8_t>(w));
    }
    return rgb(p[0], p[1], p[2]);
}

namespace {

RgbImage background(int width, int height, PixelLayout layout) {
    RgbImage image{std::max(width, 0), std::max(height, 0), {}, layout};
    // One row pixel by pixel, the others copied from it: a zoomed frame is mostly background.
    std::vector<std::uint8_t> row(index(image, 0, 1));
    if (layout == PixelLayout::Word) {
        const std::uint32_t w = word(kPictureBackground);
        for (std::size_t i = 0; i < row.size(); i += 4) {
            std::memcpy(&row[i], &w, 4);
        }
    } else {
        for (std::size_t i = 0; i < row.size(); i += 3) {
            row[i] = red(kPictureBackground);
            row[i + 1] = green(kPictureBackground);
            row[i + 2] = blue(kPictureBackground);
        }
    }
    image.pixels.reserve(index(image, 0, image.height));
    for (int y = 0; y < image.height; ++y) {
        image.pixels.insert(image.pixels.end(), row.begin(), row.end());
    }
    return image;
}

void paint(Painter& painter, const Primitive& p, const ViewTransform& view, double penScale) {
    const Point from = view.toPixels(p.from);
    const Point to = view.toPixels(p.to);
    if (!finite(from) || !finite(to)) {
        return;
    }
    const double r = std::max(p.penWidth * penScale, 1.0) / 2.0;
    if (p.shape == Shape::Box) {
        paintBox(painter, from, to, r, p.colour);
    } else if (p.shape == Shape::Fill) {
        painter.rectangle(std::min(from.x, to.x), std::min(from.y, to.y), std::max(from.x, to.x),
                          std::max(from.y, to.y), p.colour);
    } else {
        painter.capsule(from, p.shape == Shape::Dot ? from : to, r, p.colour);
    }
}

}  // namespace

RgbImage rasterise(const PreviewScene& scene, const ViewTransform& view, int width, int height,
                   double penScale, PixelLayout layout) {
    RgbImage image = background(width, height, layout);
    Painter painter(image);
    for (const Primitive& p : scene.primitives) {
        paint(painter, p, view, penScale);
    }
    return image;
}

RgbImage rasterise(const PreviewScene& scene, std::span<const std::uint32_t> only,
                   const ViewTransform& view, double penScale, int width, int height,
                   PixelLayout layout) {
    RgbImage image = background(width, height, layout);
    Painter painter(image);
    for (const std::uint32_t i : only) {
        if (i < scene.primitives.size()) {
            paint(painter, scene.primitives[i], view, penScale);
        }
    }
    return image;
}

ViewTransform devicePixels(const ViewTransform& view, double ratio) {
    ViewTransform device = view;
    device.scale *= ratio;
    device.offsetX *= ratio;
    device.offsetY *= ratio;
    return device;
}

}  // namespace zrv
