// zrvcam-cli with and without --improve-route: both programs, read back, drill the same holes
// and cut the same lines; the improved one travels a shorter round trip from the zero point.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "cli_run.h"
#include "output/gcode_reading.h"
#include "support/drawing_builder.h"
#include "support/example_drawings.h"
#include "support/file_bytes.h"
#include "support/scratch_folder.h"
#include "text/windows1252.h"

namespace zrv {
namespace {

struct Trip {
    double drilling = 0;
    double milling = 0;
    std::vector<std::pair<double, double>> holes;  // sorted
    std::size_t cuts = 0;
};

std::vector<std::string> linesOf(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(bytes.substr(start, end - start));
    }
    return lines;
}

// The way from the zero point through what the machine does in each section and back.
Trip tripOf(const std::string& program) {
    const test::MachineRun run = test::runProgram(linesOf(windows1252ToUtf8(program)));
    Trip trip;
    double x = 0;
    double y = 0;
    auto to = [&x, &y](double toX, double toY) {
        const double way = std::hypot(toX - x, toY - y);
        x = toX;
        y = toY;
        return way;
    };
    for (const test::Plunge& p : run.plunges) {
        if (p.section == "Bohrungen") {
            trip.drilling += to(p.x, p.y);
            trip.holes.emplace_back(p.x, p.y);
        }
    }
    trip.drilling += to(0, 0);
    for (const test::Cut& c : run.cuts) {
        if (c.section == "Fräsungen") {
            trip.milling += to(c.fromX, c.fromY) + to(c.toX, c.toY);
            ++trip.cuts;
        }
    }
    trip.milling += to(0, 0);
    std::sort(trip.holes.begin(), trip.holes.end());
    return trip;
}

// Holes and short lines at random places of a board about 100 mm wide.
std::string randomBoard() {
    std::mt19937 rng(31);
    std::uniform_int_distribution<int> place(0, 800);
    std::uniform_int_distribution<int> step(-12, 12);
    test::DrawingBuilder drawing;
    for (int k = 0; k < 150; ++k) {
        drawing.point(
            {static_cast<float>(place(rng)) * 2.5F, static_cast<float>(place(rng)) * 2.5F},
            test::kRot);
    }
    for (int k = 0; k < 80; ++k) {
        const float x = static_cast<float>(place(rng)) * 2.5F;
        const float y = static_cast<float>(place(rng)) * 2.5F;
        drawing.line(
            {{x, y},
             {x + static_cast<float>(step(rng)) * 2.5F, y + static_cast<float>(step(rng)) * 2.5F}},
            test::kBlau);
    }
    return drawing.bytes();
}

std::size_t improvedLines(const std::string& log) {
    std::size_t count = 0;
    for (std::size_t at = log.find("Weg verbessert: "); at != std::string::npos;
         at = log.find("Weg verbessert: ", at + 1)) {
        ++count;
    }
    return count;
}

struct RouteCase {
    const char* name;
    std::string drawing;
    bool shorter;  // otherwise no longer
};

TEST(CliRoute, ImprovedProgramTravelsLessAndDoesTheSameWork) {
    const std::vector<RouteCase> cases = {
        {"random holes and short lines", randomBoard(), true},
        {"the example board", test::platine40Bytes(), false},
    };
    for (const RouteCase& c : cases) {
        SCOPED_TRACE(c.name);
        test::ScratchFolder folder;
        const std::string drawing = folder.file("board.zrv");
        test::writeBytes(drawing, c.drawing);
        const std::string plainFile = folder.file("plain.nc");
        const std::string improvedFile = folder.file("improved.nc");
        ASSERT_EQ(test::runCliWith({"gcode", drawing, plainFile}).exitStatus, 0);
        ASSERT_EQ(test::runCliWith({"--improve-route", "gcode", drawing, improvedFile}).exitStatus,
                  0);
        const Trip plain = tripOf(test::readBytes(plainFile));
        const Trip improved = tripOf(test::readBytes(improvedFile));
        ASSERT_FALSE(plain.holes.empty());
        EXPECT_EQ(improved.holes, plain.holes);
        EXPECT_EQ(improved.cuts, plain.cuts);
        EXPECT_LE(improved.drilling, plain.drilling + 1e-6);
        EXPECT_LE(improved.milling, plain.milling + 1e-6);
        if (c.shorter) {
            EXPECT_LT(improved.drilling, plain.drilling * 0.95);
            EXPECT_LT(improved.milling, plain.milling * 0.99);
        }
        // One status line for each list the pass ran on.
        EXPECT_EQ(improvedLines(test::runCliWith({"--improve-route", "log", drawing}).out), 2U);
        EXPECT_EQ(improvedLines(test::runCliWith({"log", drawing}).out), 0U);
    }
}

}  // namespace
}  // namespace zrv
