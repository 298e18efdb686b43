#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "base/status.h"
#include "preview/scene.h"
#include "preview/view_transform.h"

namespace zrv {

// The preview of the whole board as a picture: (0, 0) to (xMax, yMax) with a 5 % margin, at a
// scale that makes the longer side kPictureLongSide pixels (at most kMostPixelsPerMillimetre).
// Where parts lie below zero the frame reaches from the lowest coordinate, with half the margin
// on either side. Pen widths stay in those pixels, in the SVG too.
inline constexpr double kPictureLongSide = 1200;

struct PictureFrame {
    double xFrom = 0;  // the board coordinates of the frame's lowest corner
    double yFrom = 0;
    double widthMm = 0;
    double heightMm = 0;
    int width = 1;  // pixels
    int height = 1;
    ViewTransform view;
};

PictureFrame wholeBoardPicture(const PreviewScene& scene);

// The picture as SVG: board millimetres are the user units, and width and height in mm give
// it its true size.
std::string previewSvg(const PreviewScene& scene, const PictureFrame& frame);

enum class PictureKind { Png, Svg };

// By the path's extension (".png", ".svg", in any case); none for any other.
std::optional<PictureKind> pictureKind(const std::filesystem::path& path);

// Writes the whole board's picture in the kind the extension names; a German message for an
// extension that names no kind or a failed write.
Status writePreviewPicture(const std::filesystem::path& path, const PreviewScene& scene);

}  // namespace zrv
