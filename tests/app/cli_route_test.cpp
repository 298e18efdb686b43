// zrvcam-cli with and without --improve-route on holes and short lines at random places: both
// programs, read back, drill the same holes; the improved one travels less from the zero point
// and back, in both sections.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "cli_run.h"
#include "gcode/gcode_reading.h"
#include "support/drawing_builder.h"
#include "support/file_bytes.h"
#include "support/scratch_folder.h"
#include "text/windows1252.h"

namespace zrv {
namespace {

struct Trip {
    double drilling = 0;
    double milling = 0;
    std::vector<std::pair<double, double>> holes;  // sorted
};

Trip tripOf(const std::string& program) {
    std::vector<std::string> lines;
    std::istringstream text(windows1252ToUtf8(program));
    for (std::string line; std::getline(text, line);) {
        lines.push_back(line.substr(0, line.size() - 1));  // without its CR
    }
    Trip trip;
    double x = 0;
    double y = 0;
    auto to = [&x, &y](double toX, double toY) {
        return std::hypot(toX - std::exchange(x, toX), toY - std::exchange(y, toY));
    };
    const test::MachineRun run = test::runProgram(lines);
    for (const test::Plunge& p : run.plunges) {
        if (p.section == "Bohrungen") {
            trip.drilling += to(p.x, p.y);
            trip.holes.emplace_back(p.x, p.y);
        }
    }
    trip.drilling += to(0, 0);
    for (const test::Cut& c : run.cuts) {
        trip.milling += c.section == "Fräsungen" ? to(c.fromX, c.fromY) + to(c.toX, c.toY) : 0;
    }
    trip.milling += to(0, 0);
    std::sort(trip.holes.begin(), trip.holes.end());
    return trip;
}

TEST(CliRoute, ImprovedProgramDrillsTheSameHolesAlongAShorterWay) {
    std::mt19937 rng(31);
    std::uniform_int_distribution<int> place(0, 800);
    std::uniform_int_distribution<int> step(-12, 12);
    auto at = [&rng](auto& range) { return static_cast<float>(range(rng)) * 2.5F; };
    test::DrawingBuilder board;
    for (int k = 0; k < 150; ++k) {
        board.point({at(place), at(place)}, test::kRot);
        const test::Vertex from{at(place), at(place)};
        board.line({from, {from.x + at(step), from.y + at(step)}}, test::kBlau);
    }
    test::ScratchFolder folder;
    const std::string drawing = folder.file("board.zrv");
    test::writeBytes(drawing, board.bytes());
    ASSERT_EQ(test::runCliWith({"gcode", drawing, drawing + ".a"}).exitStatus, 0);
    ASSERT_EQ(test::runCliWith({"--improve-route", "gcode", drawing, drawing + ".b"}).exitStatus,
              0);
    const Trip plain = tripOf(test::readBytes(drawing + ".a"));
    const Trip improved = tripOf(test::readBytes(drawing + ".b"));
    ASSERT_GE(plain.holes.size(), 150U);
    EXPECT_EQ(improved.holes, plain.holes);
    EXPECT_LT(improved.drilling, plain.drilling * 0.95);
    EXPECT_LT(improved.milling, plain.milling * 0.99);
}

}  // namespace
}  // namespace zrv
