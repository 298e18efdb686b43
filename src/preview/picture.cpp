#include "preview/picture.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "base/text_file.h"
#include "preview/caption_font.h"
#include "preview/png.h"
#include "preview/raster.h"

namespace zrv {

namespace {

constexpr double kRulerTopPixels = 6;  // where the window places its ruler line
constexpr double kRulerPixels = 2;
constexpr double kCaptionPixels = 12;

// Numbers for SVG: "." as decimal sign, no grouping, short.
std::string svgNumber(double value) {
    std::array<char, 64> text{};
    const auto end =
        std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::general, 10)
            .ptr;
    return std::string(text.data(), end);
}

std::string hexColour(Colour colour) {
    constexpr char kDigits[] = "0123456789abcdef";
    std::string text = "#";
    for (std::uint8_t part : {red(colour), green(colour), blue(colour)}) {
        text += kDigits[part >> 4];
        text += kDigits[part & 0xF];
    }
    return text;
}

std::string xmlEscaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '&':
                out += "&amp;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

class SvgWriter {
  public:
    explicit SvgWriter(const PictureFrame& frame) : frame_(frame) {}

    // Dots and lines of one pen in a row become one path: fewer, shorter elements.
    void add(const Primitive& p) {
        if (p.shape == Shape::Box || p.shape == Shape::Fill) {
            close();
            box(p);
            return;
        }
        if (!open_ || p.colour != colour_ || p.penWidth != penWidth_) {
            close();
            open_ = true;
            colour_ = p.colour;
            penWidth_ = p.penWidth;
            text_ +=
                "<path fill=\"none\" stroke-linecap=\"round\" stroke-linejoin=\"round\" "
                "stroke=\"" +
                hexColour(p.colour) + "\" stroke-width=\"" + width(p.penWidth) + "\" d=\"";
        }
        const Point from = place(p.from);
        text_ += 'M' + svgNumber(from.x) + ' ' + svgNumber(from.y);
        if (p.shape == Shape::Dot) {
            text_ += "h0";
        } else {
            const Point to = place(p.to);
            text_ += 'L' + svgNumber(to.x) + ' ' + svgNumber(to.y);
        }
    }

    void close() {
        if (open_) {
            text_ += "\"/>\n";
            open_ = false;
        }
    }

    std::string& text() { return text_; }
    // A length in pixels as user units, after `from`.
    std::string width(double pixels, double from = 0) const {
        return svgNumber(from + pixels / frame_.view.scale);
    }

  private:
    Point place(Point board) const {
        return {board.x, frame_.view.yUp ? 2 * frame_.yFrom + frame_.heightMm - board.y : board.y};
    }

    void box(const Primitive& p) {
        const Point a = place(p.from);
        const Point b = place(p.to);
        const std::string paint = p.shape == Shape::Fill
                                      ? "fill=\"" + hexColour(p.colour) + "\""
                                      : "fill=\"none\" stroke-linejoin=\"miter\" stroke=\"" +
                                            hexColour(p.colour) + "\" stroke-width=\"" +
                                            width(p.penWidth) + "\"";
        text_ += "<rect " + paint + " x=\"" + svgNumber(std::min(a.x, b.x)) + "\" y=\"" +
                 svgNumber(std::min(a.y, b.y)) + "\" width=\"" + svgNumber(std::fabs(b.x - a.x)) +
                 "\" height=\"" + svgNumber(std::fabs(b.y - a.y)) + "\"/>\n";
    }

    const PictureFrame& frame_;
    std::string text_;
    bool open_ = false;
    Colour colour_ = 0;
    int penWidth_ = 0;
};

// The ruler is a control on top of the picture in the window, always at the top edge, from the
// zero point.
void addRuler(SvgWriter& svg, const Ruler& ruler, double top) {
    if (!ruler.visible) {
        return;
    }
    svg.text() += "<rect fill=\"#000000\" x=\"0\" y=\"" + svg.width(kRulerTopPixels, top) +
                  "\" width=\"" + svgNumber(ruler.lengthMm) + "\" height=\"" +
                  svg.width(kRulerPixels) + "\"/>\n<text font-family=\"sans-serif\" font-size=\"" +
                  svg.width(kCaptionPixels) + "\" x=\"" + svg.width(2) + "\" y=\"" +
                  svg.width(kRulerTopPixels + 4 + kCaptionPixels, top) + "\">" +
                  xmlEscaped(ruler.caption) + "</text>\n";
}

// The caption's digits stand on the line where the SVG's text has its baseline.
void paintRuler(RgbImage& image, const Ruler& ruler, const ViewTransform& view) {
    if (!ruler.visible) {
        return;
    }
    const double zero = std::clamp(std::round(view.offsetX), 0.0, 1.0 * image.width);
    const double length =
        std::clamp(std::round(ruler.lengthMm * view.scale), 1.0, image.width - zero);
    for (int y = static_cast<int>(kRulerTopPixels);
         y < static_cast<int>(kRulerTopPixels + kRulerPixels); ++y) {
        fillSpan(image, y, static_cast<int>(zero), static_cast<int>(zero + length), rgb(0, 0, 0));
    }
    paintCaption(image, static_cast<int>(zero) + 2,
                 static_cast<int>(kRulerTopPixels + 4 + kCaptionPixels) - kCaptionGlyphHeight,
                 ruler.caption, 1, rgb(0, 0, 0));
}

struct Framed {
    double from = 0;
    double length = 0;
};

// Drawings below zero reach down to the lowest coordinate (at most 10 m, as the maxima).
Framed framed(double lowest, double highest) {
    if (!(lowest < 0)) {
        return {0, 1.05 * highest};
    }
    const double span = highest - std::max(lowest, -10000.0);
    return {highest - 1.025 * span, 1.05 * span};
}

// The background of a frame from the zero point needs no corner.
std::string backgroundCorner(const PictureFrame& frame) {
    if (frame.xFrom == 0 && frame.yFrom == 0) {
        return {};
    }
    return " x=\"" + svgNumber(frame.xFrom) + "\" y=\"" + svgNumber(frame.yFrom) + "\"";
}

}  // namespace

PictureFrame wholeBoardPicture(const PreviewScene& scene) {
    const bool yUp = scene.yUp;
    const Framed x = framed(scene.xMin, scene.xMax);
    const Framed y = framed(scene.yMin, scene.yMax);
    PictureFrame frame;
    frame.xFrom = x.from;
    frame.yFrom = y.from;
    frame.widthMm = x.length;
    frame.heightMm = y.length;
    const double scale = std::min(kPictureLongSide / std::max(frame.widthMm, frame.heightMm),
                                  kMostPixelsPerMillimetre);
    frame.width = std::max(1, static_cast<int>(std::lround(frame.widthMm * scale)));
    frame.height = std::max(1, static_cast<int>(std::lround(frame.heightMm * scale)));
    frame.view.scale = scale;
    frame.view.yUp = yUp;
    frame.view.offsetX = -x.from * scale;
    frame.view.offsetY = yUp ? (y.from + frame.heightMm) * scale : -y.from * scale;
    return frame;
}

std::string previewSvg(const PreviewScene& scene, const PictureFrame& frame) {
    SvgWriter svg(frame);
    const std::string w = svgNumber(frame.widthMm);
    const std::string h = svgNumber(frame.heightMm);
    svg.text() =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
        w + "mm\" height=\"" + h + "mm\" viewBox=\"" + svgNumber(frame.xFrom) + " " +
        svgNumber(frame.yFrom) + " " + w + " " + h + "\">\n" + "<rect fill=\"" +
        hexColour(kPictureBackground) + "\"" + backgroundCorner(frame) + " width=\"" + w +
        "\" height=\"" + h + "\"/>\n";
    for (const Primitive& p : scene.primitives) {
        svg.add(p);
    }
    svg.close();
    addRuler(svg, scene.ruler, frame.yFrom);
    svg.text() += "</svg>\n";
    return std::move(svg.text());
}

std::optional<PictureKind> pictureKind(const std::filesystem::path& path) {
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(c | 0x20); });
    if (extension == ".png") {
        return PictureKind::Png;
    }
    if (extension == ".svg") {
        return PictureKind::Svg;
    }
    return std::nullopt;
}

Status writePreviewPicture(const std::filesystem::path& path, const PreviewScene& scene) {
    const std::optional<PictureKind> kind = pictureKind(path);
    if (!kind) {
        return Status::failure("Die Vorschau kann nur als .png oder .svg gespeichert werden: \"" +
                               path.string() + "\"");
    }
    const PictureFrame frame = wholeBoardPicture(scene);
    if (*kind == PictureKind::Svg) {
        return writeFileAtomically(path, previewSvg(scene, frame));
    }
    RgbImage image = rasterise(scene, frame.view, frame.width, frame.height);
    paintRuler(image, scene.ruler, frame.view);
    const std::string png = pngBytes(image, frame.view.scale);
    if (png.empty()) {
        return Status::failure("Die Vorschau konnte nicht gepackt werden: \"" + path.string() +
                               "\"");
    }
    return writeFileAtomically(path, png);
}

}  // namespace zrv
