#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zrv::test {

// A record colour as the file keeps it: red, green, blue.
struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
};

inline constexpr Rgb kRot{0xFF, 0x00, 0x00};
inline constexpr Rgb kGruen{0x00, 0xFF, 0x00};
inline constexpr Rgb kBlau{0x00, 0x00, 0xFF};
inline constexpr Rgb kGrau{0xC0, 0xC0, 0xC0};
inline constexpr Rgb kSchwarz{0x00, 0x00, 0x00};
inline constexpr Rgb kOrange{0xFF, 0x80, 0x00};  // taken only with "Farbe alle"

// A value pair in drawing units, as the file stores it.
struct Vertex {
    float x = 0;
    float y = 0;
};

// The record layouts of rectangles and circles: the newer one belongs to the tag "ZIRVA70".
enum class Layout { Older, Zirva70 };

// Writes the bytes of a drawing: the header (byte 7 and the tag), then one record per figure in
// the order added. Bytes the layouts do not name are zero.
class DrawingBuilder {
  public:
    explicit DrawingBuilder(std::string tag = "ZIRVA40");
    DrawingBuilder(std::string tag, Layout layout);

    DrawingBuilder& point(Vertex at, Rgb colour);
    // A polyline of 1 to 256 vertices (N = vertices - 1).
    DrawingBuilder& line(const std::vector<Vertex>& vertices, Rgb colour);
    DrawingBuilder& polygon(const std::vector<Vertex>& vertices, Rgb colour);
    // An axis-parallel rectangle by two opposite corners; the newer layout stores its four
    // corners starting at `corner1` and going on to (corner2.x, corner1.y).
    DrawingBuilder& rectangle(Vertex corner1, Vertex corner2, Rgb colour);
    // Four corners in the newer layout; the older one keeps corners 0 and 2.
    DrawingBuilder& quadrilateral(const std::array<Vertex, 4>& corners, Rgb colour);
    // A circle, ellipse or arc by its bounding box and its angles in radians; the newer layout
    // also stores the centre, the middle of the box.
    DrawingBuilder& circle(Vertex boxCorner1, Vertex boxCorner2, float startAngle, float endAngle,
                           Rgb colour);
    // Bytes as they are, for damaged drawings; the marker check of bytes() is then left out.
    DrawingBuilder& raw(std::string_view bytes);

    // The drawing; throws std::logic_error when a marker occurs anywhere else than at the start
    // of a record of its kind (a figure's values or colour would make a stray record).
    std::string bytes() const;

    Layout layout() const { return layout_; }

  private:
    struct RecordStart {
        std::size_t position;
        std::string_view marker;
    };

    void append(std::string_view marker, const std::string& record);
    DrawingBuilder& pathRecord(std::string_view marker, const std::vector<Vertex>& vertices,
                               Rgb colour);

    std::string bytes_;
    Layout layout_;
    std::vector<RecordStart> records_;
    bool anyRaw_ = false;
};

// The little-endian bytes of a single-precision value.
std::string floatBytes(float value);

}  // namespace zrv::test
