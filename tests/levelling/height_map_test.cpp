#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "levelling/height_map.h"
#include "levelling/level_program.h"
#include "support/file_bytes.h"
#include "support/probe_log_text.h"

namespace zrv {
namespace {

const ProbeArea kBoard{0, 45, 0, 28};

HeightMap handMap() {
    // Heights at (0,0) 0, (10,0) 1, (0,10) 2, (10,10) 5.
    return HeightMap{{{0, 0, 10, 10, 2, 2}, {0, 1, 2, 5}}, "hand"};
}

TEST(HeightMap, BilinearAtCornersAndCentresByHand) {
    const HeightMap map = handMap();
    struct Case {
        double x, y, height;
    };
    for (const Case& c : std::vector<Case>{{0, 0, 0},
                                           {10, 0, 1},
                                           {0, 10, 2},
                                           {10, 10, 5},
                                           {5, 5, 2},
                                           {5, 0, 0.5},
                                           {10, 5, 3},
                                           {2.5, 7.5, 2.125},
                                           {-0.3, 0, 0},
                                           {10.4, 10.2, 5}}) {
        SCOPED_TRACE(std::to_string(c.x) + ", " + std::to_string(c.y));
        EXPECT_NEAR(heightAt(map, c.x, c.y), c.height, 1e-12);
    }
}

TEST(HeightMap, GridCoversTheBoardInSerpentineOrderFromTheZeroPoint) {
    const ProbeGridResult result = probeGrid(kBoard, ProbeChoices{}, kCLocale);
    ASSERT_TRUE(result.refusal.empty());
    const ProbeGrid& g = result.grid;
    EXPECT_EQ(g.grid.nx, 6U);  // 45 mm in steps of at most 10: 5 steps of 9
    EXPECT_EQ(g.grid.ny, 4U);  // 28 mm: 3 steps of 9.33
    EXPECT_DOUBLE_EQ(g.grid.dx, 9);
    ASSERT_EQ(g.probes.size(), 25U);
    EXPECT_EQ(g.probes[0], (Point{0, 0}));
    EXPECT_EQ(g.probes[1], (Point{0, 0}));
    EXPECT_EQ(g.probes[6], (Point{45, 0}));
    EXPECT_EQ(g.probes[7].x, 45);  // the second row runs back
    EXPECT_NEAR(g.probes[7].y, 28.0 / 3, 1e-12);
    EXPECT_EQ(g.probes[24].x, 0);
    EXPECT_NEAR(g.probes[24].y, 28, 1e-12);
}

TEST(HeightMap, PlaneAndParaboloidGiveBackTheirHeights) {
    const ProbeGrid grid = probeGrid(kBoard, ProbeChoices{}, kCLocale).grid;
    const std::function<double(double, double)> surfaces[] = {
        [](double x, double y) { return 0.3 + 0.004 * x - 0.006 * y; },
        [](double x, double y) {
            return 0.1 + 0.5 * ((x - 20) * (x - 20) + (y - 12) * (y - 12)) / 1e4;
        },
    };
    for (const auto& surface : surfaces) {
        const HeightMapRead read = readHeightMap(test::probeLogText(grid, surface), grid,
                                                 ProbeChoices{}, "p.txt", kCLocale);
        ASSERT_TRUE(read.map) << read.refusal;
        for (std::size_t k = 1; k < grid.probes.size(); ++k) {
            const Point p = grid.probes[k];
            EXPECT_NEAR(heightAt(*read.map, p.x, p.y), surface(p.x, p.y) - surface(0, 0), 1.1e-3);
        }
    }
}

// Every way a log or a choice is refused, and that nothing is kept.
TEST(HeightMap, RefusalsTable) {
    const ProbeGrid grid = probeGrid(kBoard, ProbeChoices{}, kCLocale).grid;
    const std::string good = test::probeLogText(grid, [](double x, double) { return x / 100; });
    const auto replaced = [&](const std::string& from, const std::string& to) {
        std::string log = good;
        log.replace(log.rfind(from), from.size(), to);
        return log;
    };
    const std::string lastReport = good.substr(good.rfind("[PRB:"));
    struct Case {
        const char* name;
        std::string log;
        const char* says;
    };
    const std::vector<Case> logs{
        {"a report too few", good.substr(0, good.rfind("[PRB:")), "25 Punkte"},
        {"a report too many", good + "[PRB:1,2,3:1]", "26 Tastmeldungen"},
        {"no contact", replaced(":1]", ":0]"), "keine Berührung"},
        {"another grid", replaced("[PRB:100.000", "[PRB:100.100"), "anderen"},
        {"not a number", replaced("[PRB:100.000", "[PRB:nan"), "keine gültige"},
        {"huge height", replaced(",-20.000:", ",1e308:"), "Tastwegs"},
        {"overflowing height", replaced(",-20.000:", ",1e999:"), "keine gültige"},
        {"height beyond the stroke", replaced(",-20.000:", ",-25:"), "Tastwegs"},
        {"binary bytes", std::string("\0\xff[PRB:\x01\x02]\n", 11), "keine gültige"},
        {"empty", "", "0 Tastmeldungen"},
    };
    for (const Case& c : logs) {
        SCOPED_TRACE(c.name);
        const HeightMapRead read = readHeightMap(c.log, grid, ProbeChoices{}, "p", kCLocale);
        EXPECT_FALSE(read.map);
        EXPECT_NE(read.refusal.find(c.says), std::string::npos) << read.refusal;
    }
    struct ChoiceCase {
        const char* name;
        ProbeChoices choices;
        const char* says;
    };
    const std::vector<ChoiceCase> choices{
        {"spacing 0", {0, 20, -2, 2}, "Rasterabstand"},
        {"feed negative", {10, -1, -2, 2}, "Vorschub"},
        {"depth positive", {10, 20, 1, 2}, "Tiefe"},
        {"lift not a number", {10, 20, -2, NAN}, "Abheben"},
        {"a feed no one can type", {10, 500, -2, 2}, "zwischen 1 und 200 liegen, nicht 500"},
        {"a lift beyond reason", {10, 20, -2, 150}, "zwischen 0.5 und 100 liegen, nicht 150"},
        {"too many probes", {0.1, 20, -2, 2}, "10.000"},
    };
    for (const ChoiceCase& c : choices) {
        SCOPED_TRACE(c.name);
        EXPECT_NE(probeGrid(kBoard, c.choices, kCLocale).refusal.find(c.says), std::string::npos);
    }
    // Logs as a sender writes them, read on a German desk ("" = taken).
    const auto replacedAll = [&](std::string log, const std::string& from, const std::string& to) {
        for (auto at = log.find(from); at != std::string::npos;
             at = log.find(from, at + to.size())) {
            log.replace(at, from.size(), to);
        }
        return log;
    };
    const auto nodeAtZero = [&](const std::string& z) {  // probe 1, the reference is probe 0
        std::string log = good;
        return log.replace(log.find("-20.000:", log.find("-20.000:") + 1), 7, z);
    };
    const std::string fourNumbers = replacedAll(good, ":1]", ",0.000:1]");
    const std::string tlo =
        "[G92:0.000,0.000,0.000]\r\n[TLO:0.000]\r\n[PRB:0.000,0.000,0.000:0]\r\n";
    const std::vector<Case> sent{
        {"a chip under the bit at X0 Y0", nodeAtZero("-19.200"),
         "Tastprotokoll nicht übernommen: Bezugspunkt und Rasterpunkt X0 Y0 weichen um 0,80 mm "
         "ab – neu antasten"},
        {"X0 Y0 touched twice within 0.05 mm", nodeAtZero("-19.960"), ""},
        {"a height above the lift", replaced(",-20.000:", ",-17.900:"),
         "Nr. 25 hat eine Höhe außerhalb"},
        {"a height below the depth", replaced(",-20.000:", ",-22.100:"),
         "Nr. 25 hat eine Höhe außerhalb"},
        {"the answer to $# is skipped", "ok\r\n" + tlo + good, ""},
        {"a report without [TLO:] before it counts", "[PRB:0.000,0.000,0.000:0]\r\n" + good,
         "Es enthält 26 Tastmeldungen"},
        {"more numbers than the status names axes", fourNumbers,
         "Nr. 1 hat mehr Zahlen, als die Steuerung Achsen meldet (3)"},
        {"a fourth axis the status names", replacedAll(fourNumbers, "3.0|", "3.0,0.0|"), ""},
        {"the old form without contact flag", replacedAll(good, ":1]", "]"),
         "Nr. 1 hat die alte Form ohne Angabe der Berührung"},
        {"UTF-16 with its mark", test::utf16Bytes(tlo + good, true), ""},
        {"UTF-16 without a mark", test::utf16Bytes(good, false), ""},
    };
    for (const Case& c : sent) {
        SCOPED_TRACE(c.name);
        const HeightMapRead read = readHeightMap(c.log, grid, ProbeChoices{}, "p", kGermanLocale);
        EXPECT_EQ(read.map.has_value(), *c.says == 0);
        if (*c.says == 0) {
            EXPECT_EQ(read.refusal, "");
        } else {
            EXPECT_NE(read.refusal.find(c.says), std::string::npos) << read.refusal;
        }
    }
    const std::vector<std::string> leaves{"G01 X0 Y0 F1000 (Next)", "G01 X46 Y0 (XY)"};
    const HeightMap map = *readHeightMap(good, grid, ProbeChoices{}, "p", kCLocale).map;
    const LevelledProgram program = levelProgram(leaves, map, 0, kCLocale);
    EXPECT_TRUE(program.lines.empty());
    EXPECT_TRUE(program.refusal.starts_with("Export abgebrochen: ")) << program.refusal;
}

TEST(HeightMap, StatusLineNamesGridAndHeights) {
    EXPECT_EQ(
        heightMapLine(HeightMap{{{0, 0, 10, 9, 2, 2}, {0, -0.12, 0.31, 0.2}}, "p"}, kGermanLocale),
        "Höhenkarte: 2 × 2 Punkte, 10 mm, Höhen −0,12 … +0,31 mm");
}

}  // namespace
}  // namespace zrv
