#include "gcode/gcode_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <optional>
#include <utility>

#include "gcode/gcode_examples.h"
#include "gcode/gcode_reading.h"
#include "gcode/parameter_refusals.h"

namespace zrv {
namespace {

using test::kSeparator;

struct Board {
    std::vector<std::string> punkte;
    std::vector<std::string> fraesungen;
};

std::string pairText(double x, double y) {
    char text[64];
    std::snprintf(text, sizeof text, " X=%.3f Y=%.3f", x, y);
    return text;
}

Board exampleBoard() {
    return {{test::kExampleHole}, {test::kExamplePath}};
}

// `texts`: the parameter texts (default: the start-up ones of the locale).
GcodeJob jobFor(const Board& board, NumberLocale locale, std::optional<Parameters> texts = {}) {
    GcodeJob job;
    job.PUNKTE = board.punkte;
    job.FRAESUNGEN = board.fraesungen;
    job.values = parameterValues(texts.value_or(test::startParameters(locale)));
    job.exports = ExportChoices{1, 1, 0, 0};
    job.FAHRWEG_BOHRUNGEN = test::kExampleFahrwegBohrungen;
    job.FAHRWEG_FRAESUNGEN = test::kExampleFahrwegFraesungen;
    job.ZEIT_BOHRUNGEN = test::kExampleZeitBohrungen;
    job.ZEIT_FRAESUNGEN = test::kExampleZeitFraesungen;
    job.dateText = "07.12.2026";
    job.timeText = "08:00:00";
    job.outputPath = "/tmp/board.nc";
    job.locale = locale;
    return job;
}

// Every program a test builds must be plain RS274.
std::vector<std::string> program(const GcodeJob& job) {
    std::vector<std::string> lines = gcodeProgram(job);
    const test::WordCheck check = test::checkWords(lines);
    EXPECT_TRUE(check.errors.empty()) << check.errors.front();
    return lines;
}

// The lines from the first one equal to `first`, `count` of them.
std::vector<std::string> linesFrom(const std::vector<std::string>& lines, const std::string& first,
                                   std::size_t count) {
    auto start = std::find(lines.begin(), lines.end(), first);
    if (start == lines.end()) {
        return {};
    }
    const auto available = static_cast<std::size_t>(lines.end() - start);
    return {start, start + static_cast<std::ptrdiff_t>(std::min(count, available))};
}

struct NamedLocale {
    const char* name;
    NumberLocale locale;
};
const NamedLocale kLocales[] = {{"German", kGermanLocale}, {"C", kCLocale}};
std::string localeName(const testing::TestParamInfo<NamedLocale>& named) {
    return named.param.name;
}

class WorkedExample : public testing::TestWithParam<NamedLocale> {};

TEST_P(WorkedExample, EightyOneLinesAsListed) {
    const Board board = exampleBoard();
    const std::vector<std::string> lines = program(jobFor(board, GetParam().locale));
    const std::vector<std::string> expected =
        test::workedExampleLines("(07.12.2026 08:00:00)", "/tmp/board.nc");
    ASSERT_EQ(lines.size(), 81u);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(lines[i], expected[i]) << "line " << i + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(Locales, WorkedExample, testing::ValuesIn(kLocales), localeName);

std::vector<std::string> frame(bool grbl) {
    std::vector<std::string> lines{"(07.12.2026 08:00:00)",
                                   "(zrvcam V:2)",
                                   "(/tmp/board.nc)",
                                   kSeparator,
                                   "(M-Befehle-Schaltfunktionen G-Befehle-Wegfunktionen)",
                                   "G21 (Metrische Eingabe)",
                                   "G90 (Absolutmasseingabe)",
                                   "G94 (Vorschub in mm/min)",
                                   "M5 (Spindel Stop)"};
    if (grbl) {
        lines.insert(lines.end(), {kSeparator, "$I (view build info)", "$# (view parameters)",
                                   "$G (view parser state)", "$$ (view Grbl settings)",
                                   "? (current status)", "$X (kill alarm lock)"});
    }
    lines.insert(lines.end(),
                 {kSeparator, "(Ende)", "M5 (Spindel Stop)", "G1 F500 Z1 (anheben)",
                  "G1 F500 X0 Y0 (GO NULL)", "G1 F100 Z0 (absenken)", "M30 (Programm-Ende)"});
    return lines;
}

TEST(GcodeSections, ProgramsWithoutSectionsHoldOnlyTheFrame) {
    const Board example = exampleBoard();
    const Board empty;
    const Board onlyPaths{{}, {test::kExamplePath}};
    const struct {
        const char* name;
        const Board& board;
        ExportChoices exports;
        bool grbl;
    } cases[] = {
        {"both boxes off", example, {0, 0, 0, 0}, false},
        {"both counts zero", empty, {1, 1, 0, 0}, false},
        {"drilling on but no points, milling off", onlyPaths, {1, 0, 0, 0}, false},
        {"GRBL queries alone", empty, {1, 1, 0, 1}, true},
        {"boxes with other values than 1 count as on", empty, {2, 2, 0, 2}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        GcodeJob job = jobFor(c.board, kGermanLocale);
        job.exports = c.exports;
        const std::vector<std::string> lines = program(job);
        EXPECT_EQ(lines, frame(c.grbl));
        const test::WordCheck check = test::checkWords(lines);
        EXPECT_TRUE(check.errors.empty());
        EXPECT_EQ(check.grblLines.size(), c.grbl ? 6u : 0u);
    }
}

TEST(GcodeSections, GrblQueriesFollowTheSetUpAndPassTheWordCheck) {
    const Board board = exampleBoard();
    GcodeJob job = jobFor(board, kCLocale);
    job.exports.Check_EXPORT_GRBL_INFO = 1;
    const std::vector<std::string> lines = program(job);
    ASSERT_EQ(lines.size(), 88u);
    EXPECT_EQ(lines[28], "M5 (Spindel Stop)");
    EXPECT_EQ(lines[29], kSeparator);
    const test::WordCheck check = test::checkWords(lines);
    EXPECT_TRUE(check.errors.empty());
    EXPECT_EQ(check.grblLines, (std::vector<std::size_t>{30, 31, 32, 33, 34, 35}));
    EXPECT_EQ(lines[36], "G1 F500 Z1 (anheben)");
}

// Read back: the tool crosses the board to the zero point after a section at that section's safe
// height when above 1 mm; at the start it stands where the user touched off.
TEST(GcodeSections, WayToTheZeroPointAtTheSafeHeight) {
    const struct {
        const char* name;
        const char* drilling;
        const char* milling;
        std::vector<double> zAtZeroPoint;  // start, between the sections, end
    } cases[] = {
        {"both at 10", "10", "10", {1, 10, 10}},
        {"milling at 0,5 lifts to 1", "10", "0,5", {1, 10, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Parameters texts = test::startParameters(kGermanLocale);
        texts.Combo_BOHRUNG_HOEHE = c.drilling;
        texts.Combo_FRAESUNG_HOEHE = c.milling;
        std::vector<double> zAtZeroPoint;
        double z = -1000;
        for (const std::string& line : program(jobFor(exampleBoard(), kGermanLocale, texts))) {
            if (const auto at = line.find(" Z"); line.starts_with('G') && at != std::string::npos) {
                z = std::stod(line.substr(at + 2));
            }
            if (line.find("X0 Y0") != std::string::npos) {
                zAtZeroPoint.push_back(z);
            }
        }
        EXPECT_EQ(zAtZeroPoint, c.zAtZeroPoint);
    }
}

TEST(GcodeDrilling, OneHoleIsFiveLines) {
    const Board board{{" X=0012.500 Y=0003.000"}, {}};
    const std::vector<std::string> lines = program(jobFor(board, kGermanLocale));
    const std::vector<std::string> expected{"(========== Bohrung-NR:0 / 0 ==========)",
                                            "G01 F500X12.50 Y3.00 (Next)",
                                            "G01 F100 Z0.1 (Bohrer absenken)",
                                            "G01  F10 Z-1.5 (Bohrer ab)",
                                            "G01 F1000 Z2.5 (Bohrer auf)",
                                            "M5 (Spindel Stop)"};
    EXPECT_EQ(linesFrom(lines, expected.front(), expected.size()), expected);
}

TEST(GcodeMilling, RectangleGivesSevenXyLines) {
    const Board board{{},
                      {pairText(0, 0) + pairText(10, 0) + pairText(10, 0) + pairText(10, 5) +
                       pairText(10, 5) + pairText(0, 5) + pairText(0, 5) + pairText(0, 0)}};
    const std::vector<std::string> lines = program(jobFor(board, kGermanLocale));
    const std::vector<std::string> expected{"(========== Fräsung-NR:0 / 0 ==========)",
                                            "G01 X0.00 Y0.00 F1000 (Next)",
                                            "G01 Z0.1 F100 (ab-schnell)",
                                            "G01 Z-0.1 F10 (ab)",
                                            "G01 F10 (Vorschub)",
                                            "G01 X10.00 Y0.00 (XY)",
                                            "G01 X10.00 Y0.00 (XY)",
                                            "G01 X10.00 Y5.00 (XY)",
                                            "G01 X10.00 Y5.00 (XY)",
                                            "G01 X0.00 Y5.00 (XY)",
                                            "G01 X0.00 Y5.00 (XY)",
                                            "G01 X0.00 Y0.00 (XY)",
                                            "G01 Z2.5 F100 (auf)",
                                            kSeparator};
    EXPECT_EQ(linesFrom(lines, expected.front(), expected.size()), expected);
}

TEST(GcodeMilling, PathWithoutPairsOnlyLiftsTheCutter) {
    const Board board{{}, {pairText(1, 1) + pairText(2, 2), "", pairText(3, 3) + pairText(4, 4)}};
    const std::vector<std::string> lines = program(jobFor(board, kCLocale));
    const std::vector<std::string> expected{
        "(========== Fräsung-NR:1 / 2 ==========)", "G01 Z2.5 F100 (auf)",
        "(========== Fräsung-NR:2 / 2 ==========)", "G01 X3.00 Y3.00 F1000 (Next)"};
    EXPECT_EQ(linesFrom(lines, expected.front(), expected.size()), expected);
}

// A chained path far beyond 32765 characters is written whole.
TEST(GcodeMilling, LongChainedPathIsWrittenWhole) {
    std::string entry;
    const int pairs = 5000;
    for (int k = 0; k < pairs; ++k) {
        entry += pairText(k % 100 + 0.125, k / 100 + 0.5);
    }
    ASSERT_GT(entry.size(), 65536u);
    const Board board{{}, {entry}};
    const std::vector<std::string> lines = program(jobFor(board, kGermanLocale));
    const auto xyLines = std::count_if(lines.begin(), lines.end(),
                                       [](const std::string& l) { return l.ends_with(" (XY)"); });
    EXPECT_EQ(xyLines, pairs - 1);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "G01 X99.125 Y49.50 (XY)"), lines.end());
}

// Thousands groups and decimal commas of the locale become points in the program, so both
// locales give the same program.
TEST(GcodeNumbers, LocaleSignsBecomePoints) {
    std::map<std::string, std::vector<std::string>> programs;
    for (const NamedLocale& named : kLocales) {
        SCOPED_TRACE(named.name);
        Board board;
        board.punkte.push_back(" X=1234.500 Y=-0003.000");
        board.punkte.resize(1234, " X=0001.000 Y=0001.000");
        Parameters texts = test::startParameters(named.locale);
        texts.Combo_BOHRUNG_VORSCHUB_XY = named.locale.decimal == ',' ? "12,5" : "12.5";
        GcodeJob job = jobFor(board, named.locale, texts);
        job.FAHRWEG_BOHRUNGEN = 12345678;
        job.ZEIT_BOHRUNGEN = 12345.6;
        const std::vector<std::string> lines = program(job);
        for (const std::string& line : lines) {
            EXPECT_EQ(line.find(','), std::string::npos) << line;
        }
        for (const char* wanted :
             {"(Bohrung-Anzahl:  1.234)", "(Bohrung-Fahrweg: 12.346m)",
              "(Bohrung-VORSCHUB-XY: 12.5)", "(Bohrung-geschätzte Zeit: 12.346min)",
              "(========== Bohrung-NR:0 / 1.233 ==========)", "G01 F12.5X1234.50 Y-3.00 (Next)",
              "(========== Bohrung-NR:1.233 / 1.233 ==========)"}) {
            EXPECT_NE(std::find(lines.begin(), lines.end(), wanted), lines.end()) << wanted;
        }
        programs[named.name] = lines;
    }
    EXPECT_EQ(programs["German"], programs["C"]);
}

TEST(GcodeNumbers, SpindleSpeedIsTheNumberReadFromTheText) {
    const struct {
        const char* name;
        const char* text;
        const char* line;
    } cases[] = {
        {"plain", "1000", "M3 S1000 (SPINDLE-SPEED)"},
        {"decimal comma", "12,5", "M3 S12.5 (SPINDLE-SPEED)"},
        {"unit after the number", "800 U/min", "M3 S800 (SPINDLE-SPEED)"},
        {"trailing zeros", "1000,00", "M3 S1000 (SPINDLE-SPEED)"},
        {"no number", "schnell", "M3 S0 (SPINDLE-SPEED)"},
    };
    const Board board = exampleBoard();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Parameters texts = test::startParameters(kGermanLocale);
        texts.Combo_BOHRUNG_SPINDLE_SPEED = c.text;
        texts.Combo_FRAESUNG_SPINDLE_SPEED = c.text;
        const GcodeJob job = jobFor(board, kGermanLocale, texts);
        const std::vector<std::string> lines = program(job);
        EXPECT_EQ(std::count(lines.begin(), lines.end(), c.line), 2);
    }
}

TEST(GcodeNumbers, TinyAndHugeValuesAreWrittenWithoutExponent) {
    const Board board = exampleBoard();
    Parameters texts = test::startParameters(kGermanLocale);
    texts.Combo_BOHRUNG_TIEFE = "-0,00001";
    texts.Combo_BOHRUNG_VORSCHUB_XY = "1E+20";
    texts.Combo_FRAESUNG_VORSCHUB_XY = std::string(400, '9');
    const GcodeJob job = jobFor(board, kGermanLocale, texts);
    const std::vector<std::string> lines = program(job);
    for (const char* wanted : {"G01  F10 Z-0.00001 (Bohrer ab)", "G01 F1X10.00 Y20.00 (Next)"}) {
        EXPECT_NE(std::find(lines.begin(), lines.end(), wanted), lines.end()) << wanted;
    }
    EXPECT_EQ(feedRefusal(job),
              "Export abgebrochen: Vorschub muss größer als 0 sein: Fräsung (XY)");
}

TEST(GcodeHeader, BracketsAndLineBreaksOfThePathCannotEndTheComment) {
    const struct {
        const char* name;
        const char* path;
        const char* line;
    } cases[] = {
        {"brackets", "/tmp/Platine (Kopie)/a.nc", "(/tmp/Platine [Kopie]/a.nc)"},
        {"line break", "/tmp/a\nb.nc", "(/tmp/a_b.nc)"},
        {"comma becomes a point", "/tmp/a,b.nc", "(/tmp/a.b.nc)"},
    };
    const Board board = exampleBoard();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        GcodeJob job = jobFor(board, kGermanLocale);
        job.outputPath = c.path;
        const std::vector<std::string> lines = program(job);
        EXPECT_EQ(lines[2], c.line);
    }
}

TEST(FeedRefusal, NamesEveryFeedOfZeroOrBelowThatTheProgramUses) {
    using Edit = std::function<void(Parameters&)>;
    const std::string prefix = "Export abgebrochen: Vorschub muss größer als 0 sein: ";
    const Board example = exampleBoard();
    const Board onlyHoles{{test::kExampleHole}, {}};
    const struct {
        const char* name;
        const Board& board;
        ExportChoices exports;
        Edit edit;
        std::string message;
    } cases[] = {
        {"all feeds positive", example, {1, 1, 0, 0}, [](Parameters&) {}, ""},
        {"drilling XY zero",
         example,
         {1, 1, 0, 0},
         [](Parameters& p) { p.Combo_BOHRUNG_VORSCHUB_XY = "0"; },
         prefix + "Bohrer (XY)"},
        {"text that is no number",
         example,
         {1, 1, 0, 0},
         [](Parameters& p) { p.Combo_BOHRUNG_VORSCHUB_Z_AUF = "schnell"; },
         prefix + "Bohrer auf (Z)"},
        {"negative plunge feed",
         example,
         {1, 1, 0, 0},
         [](Parameters& p) { p.Combo_BOHRUNG_VORSCHUB_Z_AB = "-10"; },
         prefix + "Bohrung (Z)"},
        {"milling XY zero with a comma",
         example,
         {1, 1, 0, 0},
         [](Parameters& p) { p.Combo_FRAESUNG_VORSCHUB_XY = "0,0"; },
         prefix + "Fräsung (XY)"},
        {"milling up and down empty",
         example,
         {1, 1, 0, 0},
         [](Parameters& p) {
             p.Combo_FRAESUNG_VORSCHUB_Z_AUF = "";
             p.Combo_FRAESUNG_VORSCHUB_Z_AB = "0";
         },
         prefix + "Fräser auf (Z), Fräser ab (Z)"},
        {"every feed zero",
         example,
         {1, 1, 0, 0},
         [](Parameters& p) {
             for (std::string* feed :
                  {&p.Combo_BOHRUNG_VORSCHUB_XY, &p.Combo_BOHRUNG_VORSCHUB_Z_AUF,
                   &p.Combo_BOHRUNG_VORSCHUB_Z_AB, &p.Combo_FRAESUNG_VORSCHUB_XY,
                   &p.Combo_FRAESUNG_VORSCHUB_Z_AUF, &p.Combo_FRAESUNG_VORSCHUB_Z_AB}) {
                 *feed = "0";
             }
         },
         prefix + "Bohrer (XY), Bohrer auf (Z), Bohrung (Z), Fräsung (XY), Fräser auf (Z), "
                  "Fräser ab (Z)"},
        {"drilling feed zero with drilling off",
         example,
         {0, 1, 0, 0},
         [](Parameters& p) { p.Combo_BOHRUNG_VORSCHUB_XY = "0"; },
         ""},
        {"milling feed zero without paths",
         onlyHoles,
         {1, 1, 0, 0},
         [](Parameters& p) { p.Combo_FRAESUNG_VORSCHUB_XY = "0"; },
         ""},
        {"spindle and heights are no feeds",
         example,
         {1, 1, 0, 0},
         [](Parameters& p) {
             p.Combo_BOHRUNG_SPINDLE_SPEED = "0";
             p.Combo_FRAESUNG_HOEHE = "0";
         },
         ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Parameters texts = test::startParameters(kGermanLocale);
        c.edit(texts);
        GcodeJob job = jobFor(c.board, kGermanLocale, texts);
        job.exports = c.exports;
        EXPECT_EQ(feedRefusal(job), c.message);
    }
}

// A board of scattered holes and paths, run through a simple machine.
class GcodeReadBack : public testing::TestWithParam<NamedLocale> {};

TEST_P(GcodeReadBack, EveryHoleOnceAndToolUpBetweenHolesAndPaths) {
    const NumberLocale locale = GetParam().locale;
    unsigned seed = 12345;
    // Thousandths from `low` to `high`, exact as the three decimals of an entry.
    auto next = [&seed](int low, int high) {
        seed = seed * 1103515245u + 12345u;
        const auto span = static_cast<unsigned>((high - low) * 1000);
        return (static_cast<double>((seed >> 8) % span) + static_cast<double>(low * 1000)) / 1000.0;
    };
    Board board;
    std::vector<std::pair<double, double>> holes;
    for (int k = 0; k < 60; ++k) {
        holes.emplace_back(next(-5, 100), next(-10, 70));
        board.punkte.push_back(pairText(holes.back().first, holes.back().second));
    }
    std::vector<std::vector<std::pair<double, double>>> paths;
    for (int k = 0; k < 9; ++k) {
        paths.emplace_back();
        std::string entry;
        for (int n = (k == 4 ? 0 : 2 + k % 5); n > 0; --n) {
            paths.back().emplace_back(next(0, 100), next(-3, 80));
            entry += pairText(paths.back().back().first, paths.back().back().second);
        }
        board.fraesungen.push_back(entry);
    }
    Parameters texts = test::startParameters(locale);
    texts.Combo_FRAESUNG_TIEFE = locale.decimal == ',' ? "-0,3" : "-0.3";
    GcodeJob job = jobFor(board, locale, texts);
    job.exports.Check_EXPORT_GRBL_INFO = 1;
    const std::vector<std::string> lines = program(job);

    const test::WordCheck check = test::checkWords(lines);
    EXPECT_TRUE(check.errors.empty()) << check.errors.front();
    EXPECT_EQ(check.grblLines.size(), 6u);

    const test::MachineRun run = test::runProgram(lines);
    EXPECT_TRUE(run.violations.empty()) << run.violations.front();
    EXPECT_TRUE(run.ended);
    EXPECT_EQ(run.lowestZ, -1.5);

    std::vector<std::pair<double, double>> drilled, marks;
    std::vector<std::pair<double, double>> pathStarts;
    for (const test::Plunge& plunge : run.plunges) {
        if (plunge.z == -0.1) {
            marks.emplace_back(plunge.x, plunge.y);
        } else if (plunge.section == "Bohrungen") {
            EXPECT_EQ(plunge.z, -1.5);
            drilled.emplace_back(plunge.x, plunge.y);
        } else {
            EXPECT_EQ(plunge.section, "Fräsungen");
            EXPECT_EQ(plunge.z, -0.3);
            pathStarts.emplace_back(plunge.x, plunge.y);
        }
    }
    EXPECT_EQ(marks, (std::vector<std::pair<double, double>>(2, {0.0, 0.0})));
    EXPECT_EQ(drilled, holes);

    std::vector<std::pair<double, double>> expectedStarts;
    std::vector<test::Cut> expectedCuts;
    for (const auto& path : paths) {
        if (!path.empty()) {
            expectedStarts.push_back(path.front());
        }
        for (std::size_t n = 1; n < path.size(); ++n) {
            expectedCuts.push_back({path[n - 1].first, path[n - 1].second, path[n].first,
                                    path[n].second, "Fräsungen"});
        }
    }
    EXPECT_EQ(pathStarts, expectedStarts);
    ASSERT_EQ(run.cuts.size(), expectedCuts.size());
    for (std::size_t n = 0; n < expectedCuts.size(); ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(run.cuts[n].section, "Fräsungen");
        EXPECT_EQ(run.cuts[n].fromX, expectedCuts[n].fromX);
        EXPECT_EQ(run.cuts[n].fromY, expectedCuts[n].fromY);
        EXPECT_EQ(run.cuts[n].toX, expectedCuts[n].toX);
        EXPECT_EQ(run.cuts[n].toY, expectedCuts[n].toY);
    }
}

INSTANTIATE_TEST_SUITE_P(Locales, GcodeReadBack, testing::ValuesIn(kLocales), localeName);

}  // namespace
}  // namespace zrv
