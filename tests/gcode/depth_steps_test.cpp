#include "gcode/depth_steps.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <utility>

#include "gcode/gcode_examples.h"
#include "gcode/gcode_reading.h"

namespace zrv {
namespace {

using Kind = StepReading::Kind;

GcodeJob steppedJob(std::vector<std::string>& punkte, std::vector<std::string>& fraesungen,
                    DepthStepChoices steps) {
    GcodeJob job;
    job.PUNKTE = punkte;
    job.FRAESUNGEN = fraesungen;
    Parameters texts = test::startParameters(kCLocale);
    texts.Combo_FRAESUNG_TIEFE = "-1";
    job.values = parameterValues(texts);
    job.exports = ExportChoices{1, 1, 0, 0};
    job.steps = std::move(steps);
    job.locale = kCLocale;
    return job;
}

// The lines from the first one equal to `first` up to the next lift of the tool (included).
std::vector<std::string> toolLines(const std::vector<std::string>& lines,
                                   const std::string& first) {
    auto at = std::find(lines.begin(), lines.end(), first);
    std::vector<std::string> found;
    for (; at != lines.end(); ++at) {
        found.push_back(*at);
        const auto next = std::next(at);
        if (at->ends_with("auf)") && found.size() > 3 &&
            (next == lines.end() || !next->starts_with("G0 "))) {
            break;
        }
    }
    return found;
}

TEST(DepthSteps, TextsAndCounts) {
    const struct {
        std::string text;
        Kind kind;
        double step;
    } readings[] = {{"", Kind::Off, 0},
                    {" 0 ", Kind::Off, 0},
                    {"0,5", Kind::Step, 0.5},
                    {"0.5 mm", Kind::Step, 0.5},
                    {"-0,2", Kind::NotPositive, -0.2},
                    {"0,5x", Kind::NotANumber, 0},
                    {"1e3", Kind::NotANumber, 0},
                    {"1.2.3", Kind::NotANumber, 0},
                    {std::string(400, '9'), Kind::NotANumber, 0}};
    for (const auto& r : readings) {
        SCOPED_TRACE(r.text.substr(0, 20));
        EXPECT_EQ(readStep(r.text).kind, r.kind);
        EXPECT_DOUBLE_EQ(readStep(r.text).step, r.step);
    }
    EXPECT_EQ(stepCount(-1.6, 0.4), 4u);
    EXPECT_EQ(stepCount(-1.6, 0.5), 4u);
    EXPECT_EQ(stepCount(0.5, 0.001), 1u);
    EXPECT_EQ(stepCount(-0.1, 0.0001), kMostSteps);
    EXPECT_EQ(stepCount(-0.1, 0.00009), std::nullopt);
    EXPECT_EQ(stepCount(-1, 1e-300), std::nullopt);
}

// Hand-worked: a closed triangle and an open line milled 1 mm deep, a hole drilled 1.5 mm deep.
TEST(DepthSteps, HandWorkedPrograms) {
    const std::string triangle =
        " X=0.000 Y=0.000 X=10.000 Y=0.000 X=0.000 Y=10.000 X=0.000 Y=0.000";
    const struct {
        const char* name;
        std::string entry;  // a path, or a hole when it has one pair
        DepthStepChoices steps;
        std::vector<std::string> expected;
    } cases[] = {
        {"closed path, 0.4: 0.4, 0.8, 1 again at its start",
         triangle,
         {"0,4", ""},
         {"G01 X0.00 Y0.00 F1000 (Next)",
          "(Durchgang 1 / 3)",
          "G01 Z0.1 F100 (ab-schnell)",
          "G01 Z-0.4 F10 (ab)",
          "G01 F10 (Vorschub)",
          "G01 X10.00 Y0.00 (XY)",
          "G01 X0.00 Y10.00 (XY)",
          "G01 X0.00 Y0.00 (XY)",
          "(Durchgang 2 / 3)",
          "G01 Z-0.8 F10 (ab)",
          "G01 F10 (Vorschub)",
          "G01 X10.00 Y0.00 (XY)",
          "G01 X0.00 Y10.00 (XY)",
          "G01 X0.00 Y0.00 (XY)",
          "(Durchgang 3 / 3)",
          "G01 Z-1 F10 (ab)",
          "G01 F10 (Vorschub)",
          "G01 X10.00 Y0.00 (XY)",
          "G01 X0.00 Y10.00 (XY)",
          "G01 X0.00 Y0.00 (XY)",
          "G01 Z2.5 F100 (auf)"}},
        {"open path, 0.5: there and back",
         " X=0.000 Y=0.000 X=5.000 Y=0.000 X=5.000 Y=5.000",
         {"0.5", ""},
         {"G01 X0.00 Y0.00 F1000 (Next)", "(Durchgang 1 / 2)", "G01 Z0.1 F100 (ab-schnell)",
          "G01 Z-0.5 F10 (ab)", "G01 F10 (Vorschub)", "G01 X5.00 Y0.00 (XY)",
          "G01 X5.00 Y5.00 (XY)", "(Durchgang 2 / 2)", "G01 Z-1 F10 (ab)", "G01 F10 (Vorschub)",
          "G01 X5.00 Y0.00 (XY)", "G01 X0.00 Y0.00 (XY)", "G01 Z2.5 F100 (auf)"}},
        {"hole, 0.7: 0.7, 1.4, 1.5",
         " X=0012.500 Y=0003.000",
         {"", "0,7 mm"},
         {"G01 F500X12.50 Y3.00 (Next)", "G01 F100 Z0.1 (Bohrer absenken)",
          "G01  F10 Z-0.7 (Bohrer ab)", "G01 F1000 Z2.5 (Bohrer auf)", "G0 Z-0.5 (Bohrer zurück)",
          "G01  F10 Z-1.4 (Bohrer ab)", "G01 F1000 Z2.5 (Bohrer auf)", "G0 Z-1.2 (Bohrer zurück)",
          "G01  F10 Z-1.5 (Bohrer ab)", "G01 F1000 Z2.5 (Bohrer auf)"}},
        {"hole, 1.5: one peck as without steps",
         " X=0012.500 Y=0003.000",
         {"", "1,5"},
         {"G01 F500X12.50 Y3.00 (Next)", "G01 F100 Z0.1 (Bohrer absenken)",
          "G01  F10 Z-1.5 (Bohrer ab)", "G01 F1000 Z2.5 (Bohrer auf)"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const bool hole = std::count(c.entry.begin(), c.entry.end(), 'X') == 1;
        std::vector<std::string> punkte;
        std::vector<std::string> fraesungen;
        (hole ? punkte : fraesungen).push_back(c.entry);
        const std::vector<std::string> lines =
            gcodeProgram(steppedJob(punkte, fraesungen, c.steps));
        EXPECT_EQ(toolLines(lines, c.expected.front()), c.expected);
    }
}

// Every move of a stepped program read back: feeds at most one step below what is already cut
// at that point, rapids only down into a hole and short of its bottom, never sideways in it.
TEST(DepthSteps, ReadBackNoStepDeeperNoRapidIntoMaterial) {
    std::vector<std::string> punkte{" X=1.000 Y=1.000", " X=4.000 Y=1.000"};
    std::vector<std::string> fraesungen{" X=0.000 Y=0.000 X=8.000 Y=0.000 X=8.000 Y=3.000",
                                        " X=9.000 Y=9.000 X=12.000 Y=9.000 X=9.000 Y=9.000"};
    for (const auto& [pass, peck] : {std::pair{0.3, 0.4}, std::pair{0.25, 0.5}}) {
        GcodeJob job = steppedJob(punkte, fraesungen, {std::to_string(pass), std::to_string(peck)});
        const test::MachineRun run = test::runProgram(gcodeProgram(job));
        EXPECT_TRUE(run.violations.empty()) << run.violations.front();
        std::map<std::pair<double, double>, double> deepest;
        const auto reached = [&](double x, double y) -> double& {
            return deepest.try_emplace({x, y}, 0.0).first->second;
        };
        // Plunges and cuts in the program's order.
        std::size_t nextCut = 0;
        const auto cutsBefore = [&, passDepth = pass](std::size_t line) {
            for (; nextCut < run.cuts.size() && run.cuts[nextCut].line < line; ++nextCut) {
                const test::Cut& cut = run.cuts[nextCut];
                EXPECT_FALSE(cut.rapid && cut.z < 0) << "rapid sideways, line " << cut.line;
                double& bottom = reached(cut.toX, cut.toY);
                EXPECT_LE(bottom - cut.z, passDepth + 1e-9) << "line " << cut.line;
                bottom = std::min(bottom, cut.z);
            }
        };
        for (const test::Plunge& p : run.plunges) {
            cutsBefore(p.line);
            const double step = p.section == "Bohrungen" ? peck : pass;
            double& bottom = reached(p.x, p.y);
            if (p.rapid) {
                EXPECT_GT(p.z, bottom) << "rapid into uncut material, line " << p.line;
            } else {
                EXPECT_LE(bottom - p.z, step + 1e-9) << "line " << p.line;
            }
            bottom = std::min(bottom, p.z);
        }
        cutsBefore(SIZE_MAX);
        for (const auto& [x, y] : {std::pair{8.0, 3.0}, std::pair{12.0, 9.0}}) {
            EXPECT_DOUBLE_EQ(reached(x, y), -1);
        }
        for (const auto& [x, y] : {std::pair{1.0, 1.0}, std::pair{4.0, 1.0}}) {
            EXPECT_DOUBLE_EQ(reached(x, y), -1.5);
        }
        EXPECT_DOUBLE_EQ(run.lowestZ, -1.5);
    }
}

}  // namespace
}  // namespace zrv
