#include "support/drawing_builder.h"

#include <algorithm>
#include <bit>
#include <stdexcept>

namespace zrv::test {

namespace {

constexpr std::string_view kPunktMarker{"\x08\x01\x00\x02", 4};
constexpr std::string_view kLinieMarker{"\x04\x00\x01", 3};
constexpr std::string_view kRechteckMarker{"\x02\x00\x01", 3};
constexpr std::string_view kPolygonMarker{"\x05\x00\x01", 3};
constexpr std::string_view kKreisMarker{"\x01\x00\x01", 3};
constexpr std::array kMarkers{kPunktMarker, kLinieMarker, kRechteckMarker, kPolygonMarker,
                              kKreisMarker};

constexpr std::size_t kPunktSize = 32;
constexpr std::size_t kRechteckSize = 56;
constexpr std::size_t kOlderKreisSize = 48;
constexpr std::size_t kZirva70KreisSize = 300;

void putFloat(std::string& record, std::size_t offset, float value) {
    const std::string bytes = floatBytes(value);
    std::copy(bytes.begin(), bytes.end(), record.begin() + static_cast<std::ptrdiff_t>(offset));
}

void putColour(std::string& record, std::size_t offset, Rgb colour) {
    record[offset] = static_cast<char>(colour.r);
    record[offset + 1] = static_cast<char>(colour.g);
    record[offset + 2] = static_cast<char>(colour.b);
}

std::string newRecord(std::string_view marker, std::size_t size) {
    std::string record(size, '\0');
    std::copy(marker.begin(), marker.end(), record.begin());
    return record;
}

}  // namespace

std::string floatBytes(float value) {
    const auto pattern = std::bit_cast<std::uint32_t>(value);
    std::string bytes(4, '\0');
    for (std::size_t i = 0; i < 4; ++i) {
        bytes[i] = static_cast<char>((pattern >> (8 * i)) & 0xFFu);
    }
    return bytes;
}

DrawingBuilder::DrawingBuilder(std::string tag)
    : DrawingBuilder(tag, tag == "ZIRVA70" ? Layout::Zirva70 : Layout::Older) {}

DrawingBuilder::DrawingBuilder(std::string tag, Layout layout)
    : bytes_("\x07" + tag), layout_(layout) {}

void DrawingBuilder::append(std::string_view marker, const std::string& record) {
    records_.push_back({bytes_.size(), marker});
    bytes_ += record;
}

DrawingBuilder& DrawingBuilder::point(Vertex at, Rgb colour) {
    std::string record = newRecord(kPunktMarker, kPunktSize);
    putColour(record, 15, colour);
    putFloat(record, 24, at.x);
    putFloat(record, 28, at.y);
    append(kPunktMarker, record);
    return *this;
}

DrawingBuilder& DrawingBuilder::pathRecord(std::string_view marker,
                                           const std::vector<Vertex>& vertices, Rgb colour) {
    if (vertices.empty() || vertices.size() > 256) {
        throw std::logic_error("a path record holds 1 to 256 vertices");
    }
    std::string record = newRecord(marker, 28 + 8 * vertices.size());
    putColour(record, 7, colour);
    record[24] = static_cast<char>(vertices.size() - 1);
    for (std::size_t i = 0; i < vertices.size(); ++i) {
        putFloat(record, 28 + 8 * i, vertices[i].x);
        putFloat(record, 32 + 8 * i, vertices[i].y);
    }
    append(marker, record);
    return *this;
}

DrawingBuilder& DrawingBuilder::line(const std::vector<Vertex>& vertices, Rgb colour) {
    return pathRecord(kLinieMarker, vertices, colour);
}

DrawingBuilder& DrawingBuilder::polygon(const std::vector<Vertex>& vertices, Rgb colour) {
    return pathRecord(kPolygonMarker, vertices, colour);
}

DrawingBuilder& DrawingBuilder::rectangle(Vertex corner1, Vertex corner2, Rgb colour) {
    return quadrilateral(
        {corner1, Vertex{corner2.x, corner1.y}, corner2, Vertex{corner1.x, corner2.y}}, colour);
}

DrawingBuilder& DrawingBuilder::quadrilateral(const std::array<Vertex, 4>& corners, Rgb colour) {
    std::string record = newRecord(kRechteckMarker, kRechteckSize);
    putColour(record, 7, colour);
    if (layout_ == Layout::Zirva70) {
        for (std::size_t k = 0; k < corners.size(); ++k) {
            putFloat(record, 24 + 8 * k, corners[k].x);
            putFloat(record, 28 + 8 * k, corners[k].y);
        }
    } else {
        putFloat(record, 24, corners[0].x);
        putFloat(record, 28, corners[0].y);
        putFloat(record, 32, corners[2].x);
        putFloat(record, 36, corners[2].y);
    }
    append(kRechteckMarker, record);
    return *this;
}

DrawingBuilder& DrawingBuilder::circle(Vertex boxCorner1, Vertex boxCorner2, float startAngle,
                                       float endAngle, Rgb colour) {
    const bool zirva70 = layout_ == Layout::Zirva70;
    std::string record = newRecord(kKreisMarker, zirva70 ? kZirva70KreisSize : kOlderKreisSize);
    putColour(record, 7, colour);
    if (zirva70) {
        putFloat(record, 156, boxCorner1.x);
        putFloat(record, 96, boxCorner1.y);
        putFloat(record, 276, boxCorner2.x);
        putFloat(record, 224, boxCorner2.y);
        putFloat(record, 284, (boxCorner1.x + boxCorner2.x) / 2);
        putFloat(record, 288, (boxCorner1.y + boxCorner2.y) / 2);
        putFloat(record, 292, startAngle);
        putFloat(record, 296, endAngle);
    } else {
        putFloat(record, 24, boxCorner1.x);
        putFloat(record, 28, boxCorner1.y);
        putFloat(record, 32, boxCorner2.x);
        putFloat(record, 36, boxCorner2.y);
        putFloat(record, 40, startAngle);
        putFloat(record, 44, endAngle);
    }
    append(kKreisMarker, record);
    return *this;
}

DrawingBuilder& DrawingBuilder::raw(std::string_view bytes) {
    bytes_ += bytes;
    anyRaw_ = true;
    return *this;
}

std::string DrawingBuilder::bytes() const {
    if (anyRaw_) {
        return bytes_;
    }
    const std::string_view all = bytes_;
    for (std::string_view marker : kMarkers) {
        for (std::size_t hit = all.find(marker); hit != std::string_view::npos;
             hit = all.find(marker, hit + 1)) {
            const auto record = std::lower_bound(
                records_.begin(), records_.end(), hit,
                [](const RecordStart& start, std::size_t at) { return start.position < at; });
            const bool recordStart =
                record != records_.end() && record->position == hit && record->marker == marker;
            if (!recordStart) {
                throw std::logic_error("stray marker at byte " + std::to_string(hit));
            }
        }
    }
    return bytes_;
}

}  // namespace zrv::test
