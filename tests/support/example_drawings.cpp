#include "support/example_drawings.h"

#include <numbers>

#include "support/drawing_builder.h"

namespace zrv::test {

namespace {

constexpr float kPitch = 50;  // 2.54 mm
constexpr float kQuarterTurn = std::numbers::pi_v<float> / 2;

// An 8-pin DIL footprint with its lower-left pin at (x, y): two rows of four, 7.62 mm apart.
void dil8(DrawingBuilder& drawing, float x, float y) {
    for (int row = 0; row < 2; ++row) {
        for (int pin = 0; pin < 4; ++pin) {
            drawing.point(
                {x + kPitch * static_cast<float>(pin), y + 3 * kPitch * static_cast<float>(row)},
                kRot);
        }
    }
}

// A row of header pins.
void pinRow(DrawingBuilder& drawing, float x, float y, int pins, Rgb colour) {
    for (int pin = 0; pin < pins; ++pin) {
        drawing.point({x + kPitch * static_cast<float>(pin), y}, colour);
    }
}

// A track drawn as separate segments that touch end to start.
void segmentedTrack(DrawingBuilder& drawing, const std::vector<Vertex>& corners, Rgb colour) {
    for (std::size_t i = 1; i < corners.size(); ++i) {
        drawing.line({corners[i - 1], corners[i]}, colour);
    }
}

void commonBoard(DrawingBuilder& drawing) {
    dil8(drawing, 200, 200);
    pinRow(drawing, 200, 600, 6, kRot);
    pinRow(drawing, 550, 650, 2, kOrange);
    segmentedTrack(drawing, {{250, 350}, {250, 450}, {300, 500}, {300, 600}}, kBlau);
    segmentedTrack(drawing, {{450, 600}, {450, 500}}, kBlau);
    drawing.line({{350, 200}, {450, 200}, {450, 400}, {400, 450}}, kBlau);
    drawing.line({{200, 200}, {150, 250}, {150, 600}, {200, 600}}, kSchwarz);
    drawing.line({{500, 650}, {550, 650}}, kOrange);
    drawing.polygon({{600, 100}, {700, 100}, {700, 200}, {650, 250}, {600, 200}}, kGruen);
    drawing.circle({40, 40}, {100, 100}, 0, 0, kGrau);
    drawing.circle({700, 700}, {760, 760}, 0, 0, kGrau);
    drawing.circle({500, 400}, {600, 500}, 0, kQuarterTurn, kBlau);
}

}  // namespace

std::string platine40Bytes() {
    DrawingBuilder drawing("ZIRVA40");
    commonBoard(drawing);
    drawing.rectangle({0, 0}, {800, 800}, kSchwarz);
    drawing.rectangle({550, 300}, {650, 350}, kGrau);
    return drawing.bytes();
}

std::string platine70Bytes() {
    DrawingBuilder drawing("ZIRVA70");
    commonBoard(drawing);
    drawing.rectangle({0, 0}, {800, 800}, kSchwarz);
    drawing.quadrilateral({Vertex{600, 300}, Vertex{650, 350}, Vertex{600, 400}, Vertex{550, 350}},
                          kGrau);
    drawing.circle({300, 700}, {400, 750}, 0, 0, kGruen);
    return drawing.bytes();
}

}  // namespace zrv::test
