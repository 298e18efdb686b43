#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <string>
#include <vector>

#include "gcode/gcode_writer.h"
#include "levelling/level_program.h"
#include "support/probe_log_text.h"

namespace zrv {
namespace {

// 0.5 mm of bow and twist across 100 mm, as the real boards carry.
double warp(double x, double y) {
    return 0.35 * (x / 100) * (x / 100) + 0.15 * (x / 100) * (y / 100) - 0.1 * y / 100;
}

// Where each line with an axis word leaves the tool, from X0 Y0 Z0 on.
struct Move {
    double x = 0, y = 0, z = 0;
};
std::vector<Move> moves(const std::vector<std::string>& lines) {
    std::vector<Move> result{{}};
    for (const std::string& line : lines) {
        const std::string code = line.substr(0, line.find('('));
        Move at = result.back();
        for (std::size_t k = 0; k < code.size() && code[0] != '$'; ++k) {
            const std::size_t axis = std::string("XYZ").find(code[k]);
            if (axis != std::string::npos) {
                std::from_chars(code.data() + k + 1, code.data() + code.size(),
                                axis == 0   ? at.x
                                : axis == 1 ? at.y
                                            : at.z);
            }
        }
        if (code.find_first_of("XYZ") != std::string::npos && code[0] != '$') {
            result.push_back(at);
        }
    }
    return result;
}

// Read back move by move: every point of the unlevelled program is reached in order, and on the
// way the tool cuts within 0.02 mm of its depth below the real surface and never travels lower
// above the map than the unlevelled program says.
TEST(LevelProgram, FollowsAWarpedBoardAndKeepsEveryPoint) {
    const std::vector<std::string> holes{" X=0012.500 Y=0030.000", " X=0095.000 Y=0080.000"};
    const std::vector<std::string> paths{
        " X=00.000 Y=00.000 X=100.000 Y=80.000",
        " X=10.000 Y=70.000 X=90.000 Y=70.000 X=90.000 Y=05.000 X=10.000 Y=70.000",
        " X=40.000 Y=40.000 X=40.500 Y=40.000 X=40.500 Y=40.000"};
    GcodeJob job;
    job.PUNKTE = holes;
    job.FRAESUNGEN = paths;
    job.values = parameterValues(
        {"1000", "500", "1000", "10", "2.5", "-1.5", "1000", "100", "10", "10", "2.5", "-0.1"});
    job.exports = ExportChoices{1, 1, 0, 1};
    job.locale = kCLocale;
    const ProbeGrid grid = probeGrid(ProbeArea{0, 100, 0, 80}, ProbeChoices{}, kCLocale).grid;
    const HeightMap map =
        *readHeightMap(test::probeLogText(grid, warp), grid, ProbeChoices{}, "w.txt", kCLocale).map;
    const std::vector<std::string> plain = gcodeProgram(job);
    const LevelledProgram levelled = writtenProgram(job, &map);
    ASSERT_TRUE(levelled.refusal.empty());
    EXPECT_EQ(levelled.lines[3], "(Nivelliert mit der Höhenkarte w.txt)");
    const std::vector<Move> want = moves(plain);
    const std::vector<Move> got = moves(levelled.lines);
    const auto surface = [](double x, double y) { return warp(x, y) - warp(0, 0); };
    std::size_t g = 1;
    int cutSamples = 0;
    for (std::size_t w = 1; w < want.size(); ++w) {
        const Move& a = want[w - 1];
        const Move& b = want[w];
        const double length = std::hypot(b.x - a.x, b.y - a.y);
        do {
            ASSERT_LT(g, got.size()) << "unlevelled point " << w << " never reached";
            for (int s = 0; s <= 10; ++s) {
                const double f = s / 10.0;
                const double x = got[g - 1].x + (got[g].x - got[g - 1].x) * f;
                const double y = got[g - 1].y + (got[g].y - got[g - 1].y) * f;
                const double z = got[g - 1].z + (got[g].z - got[g - 1].z) * f;
                const double t = length > 0 ? std::hypot(x - a.x, y - a.y) / length : 1;
                const double plainZ = a.z + (b.z - a.z) * t;
                if (length > 0 && plainZ < 0 && a.z < 0) {
                    EXPECT_NEAR(z - surface(x, y), plainZ, 0.02) << "move " << w;
                    ++cutSamples;
                } else if (length > 0 && a.z >= 0 && b.z >= 0) {
                    EXPECT_GE(z - heightAt(map, x, y), plainZ - 0.001) << "move " << w;
                }
            }
            ++g;
        } while (!(got[g - 1].x == b.x && got[g - 1].y == b.y));
        EXPECT_NEAR(got[g - 1].z - heightAt(map, b.x, b.y), b.z,
                    length > 0 && b.z >= 0 ? 0.01 : 6e-4);
    }
    EXPECT_EQ(g, got.size());
    EXPECT_GT(cutSamples, 100);
}

TEST(LevelProgram, LinesWithoutAxesStayAsTheyAre) {
    const HeightMap map{{{0, 0, 10, 10, 2, 2}, {0.1, 0.1, 0.1, 0.1}}, "flat"};
    const std::vector<std::string> lines{"(a)",
                                         "$I (view build info)",
                                         "M3 S1000 (SPINDLE-SPEED)",
                                         "G01 F10 (Vorschub)",
                                         "G01 Z-0.1 F10 (ab)",
                                         "G01 F500X10.00 Y5.00 (Next)"};
    const LevelledProgram levelled = levelProgram(lines, map, 1, kCLocale);
    const std::vector<std::string> want{"(a)",
                                        "(Nivelliert mit der Höhenkarte flat)",
                                        "(Höhenkarte: 2 x 2 Punkte, Höhen 0.1 bis 0.1 mm)",
                                        "$I (view build info)",
                                        "M3 S1000 (SPINDLE-SPEED)",
                                        "G01 F10 (Vorschub)",
                                        "G01 Z0 F10 (ab)",
                                        "G01 X10.00 Y5.00 Z0 F500 (Next)"};
    EXPECT_EQ(levelled.lines, want);
}

}  // namespace
}  // namespace zrv
