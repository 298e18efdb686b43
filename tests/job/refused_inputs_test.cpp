#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "levelling/height_map.h"
#include "settings/extra_settings.h"
#include "settings/factory_values.h"
#include "settings/probe_values.h"
#include "support/file_bytes.h"
#include "support/scratch_folder.h"

namespace zrv {
namespace {

// Probe 0 is the reference at X0 Y0, probe 1 the grid's own node there; 3 × 2 nodes.
ProbeGrid smallGrid() {
    return probeGrid(ProbeArea{0, 20, 0, 10}, ProbeChoices{}, kCLocale).grid;
}

// The controller's reports of the grid (machine zero at 100, 50, -20), every height 0 but
// `changed` at probe `at`; `extra` adds a fourth number, `flag` the contact flag.
std::string reports(std::size_t at = 0, double changed = 0, const char* extra = "",
                    const char* flag = ":1") {
    std::string log;
    const ProbeGrid grid = smallGrid();
    for (std::size_t k = 0; k < grid.probes.size(); ++k) {
        char line[120];
        std::snprintf(line, sizeof line, "[PRB:%.3f,%.3f,%.3f%s%s]\r\nok\r\n",
                      grid.probes[k].x + 100, grid.probes[k].y + 50, (k == at ? changed : 0.0) - 20,
                      extra, flag);
        log += line;
    }
    return log;
}

std::string wide(const std::string& text, bool mark) {
    std::string bytes = mark ? "\xFF\xFE" : "";
    for (const char c : text) {
        bytes += c;
        bytes += '\0';
    }
    return bytes;
}

enum class Input { Log, ExtraFile, Typed };

struct Case {
    const char* name;
    Input input;
    std::string text;      // the log, the extra file, or "key=typed text"
    std::string expected;  // part of the refusal; empty when taken
};

// What a log, the extra file or a typed probe choice must refuse, and what they must take.
TEST(RefusedInputs, LogsExtraFileAndProbeChoices) {
    const std::string tlo =
        "[G92:0.000,0.000,0.000]\r\n[TLO:0.000]\r\n[PRB:0.000,0.000,0.000:0]\r\n";
    const std::string status = "<Idle|MPos:100.000,50.000,-20.000|FS:0,0>\r\n";
    const std::vector<Case> cases{
        {"a chip under the bit at X0 Y0", Input::Log, reports(1, 0.8),
         "Tastprotokoll nicht übernommen: Bezugspunkt und Rasterpunkt X0 Y0 weichen um 0,80 mm "
         "ab – neu antasten"},
        {"X0 Y0 touched twice within 0.05 mm", Input::Log, reports(1, 0.04), ""},
        {"a height above the lift", Input::Log, reports(4, 2.1), "Nr. 5 hat eine Höhe außerhalb"},
        {"a height below the depth", Input::Log, reports(4, -2.1), "Nr. 5 hat eine Höhe außerhalb"},
        {"the answer to $# is skipped", Input::Log, "ok\r\n" + tlo + reports(), ""},
        {"a report without [TLO:] before it counts", Input::Log,
         "[PRB:0.000,0.000,0.000:0]\r\n" + reports(), "Es enthält 8 Tastmeldungen"},
        {"more numbers than the status names axes", Input::Log, status + reports(0, 0, ",0.000"),
         "Nr. 1 hat mehr Zahlen, als die Steuerung Achsen meldet (3)"},
        {"a fourth axis the status names", Input::Log,
         "<Idle|MPos:1.000,2.000,3.000,0.000|FS:0,0>\r\n" + reports(0, 0, ",0.000"), ""},
        {"the old form without contact flag", Input::Log, reports(0, 0, "", ""),
         "Nr. 1 hat die alte Form ohne Angabe der Berührung"},
        {"UTF-16 with its mark", Input::Log, wide(tlo + reports(), true), ""},
        {"UTF-16 without a mark", Input::Log, wide(reports(), false), ""},
        {"a byte-order mark", Input::ExtraFile, "\xEF\xBB\xBFzustellung=0,5\r\n", ""},
        {"UTF-16 extra file", Input::ExtraFile, wide("# x\r\nzustellung=0,5\r\n", true), ""},
        {"a misspelt key", Input::ExtraFile, "# x\r\n\r\nzustelung=0,5\r\n",
         "zrvcam_extra.ini, Zeile 3: unbekannter Schlüssel „zustelung“ – nicht verwendet"},
        {"a key in capitals", Input::ExtraFile, "Zustellung=0,5\r\n",
         "Zeile 1: unbekannter Schlüssel „Zustellung“"},
        {"a line without =", Input::ExtraFile, "zustellung 0,5\r\n",
         "Zeile 1: keine Zeile der Form Schlüssel=Wert „zustellung 0,5“ – nicht verwendet"},
        {"an exponent", Input::ExtraFile, "antasten_vorschub=1e3\r\n", "ist keine Zahl: „1e3“"},
        {"letters after the number", Input::ExtraFile, "antasten_raster=5abc\r\n",
         "Der Rasterabstand (mm) ist keine Zahl: „5abc“"},
        {"two points", Input::ExtraFile, "antasten_tiefe=1.5.5\r\n", "keine Zahl: „1.5.5“"},
        {"a lift below 0.5 mm", Input::ExtraFile, "antasten_abheben=0,2\r\n",
         "muss zwischen 0.5 und 100 liegen, nicht 0.2"},
        {"a depth above -0.1 mm", Input::ExtraFile, "antasten_tiefe=-0.05\r\n",
         "muss zwischen -100 und -0.1 liegen"},
        {"a feed above 200", Input::ExtraFile, "antasten_vorschub=500\r\n",
         "muss zwischen 1 und 200 liegen, nicht 500"},
        {"a feed that prints as 0", Input::ExtraFile, "antasten_vorschub=0.0001\r\n",
         "muss zwischen 1 und 200 liegen"},
        {"a typed exponent", Input::Typed, "antasten_abheben=1e3", "keine Zahl: „1e3“"},
        {"a typed feed below 1", Input::Typed, "antasten_vorschub=0,5",
         "muss zwischen 1 und 200 liegen, nicht 0,5"},
        {"a typed depth with a comma", Input::Typed, "antasten_tiefe= -1,5 ", ""},
    };
    const Choices factory = factoryChoices(kGermanLocale);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string refusal;
        if (c.input == Input::Log) {
            const ProbeGrid grid = smallGrid();
            const HeightMapRead read = readHeightMap(c.text, grid, {}, "log.txt", kGermanLocale);
            EXPECT_EQ(read.map.has_value(), c.expected.empty());
            refusal = read.refusal;
        } else if (c.input == Input::ExtraFile) {
            test::ScratchFolder folder;
            test::writeBytes(folder.path() / "zrvcam_extra.ini", c.text);
            const ExtraSettingsRead read =
                readExtraSettings(folder.path() / "zrvcam_extra.ini", factory);
            EXPECT_EQ(read.problems.size(), c.expected.empty() ? 0U : 1U);
            refusal = read.problems.empty() ? "" : read.problems.front();
            // A refused line changes nothing; a taken one is the 0,5 of Zustellung.
            EXPECT_EQ(read.choices.probe, factory.probe);
            EXPECT_EQ(read.choices.steps.Combo_ZUSTELLUNG, c.expected.empty() ? "0,5" : "");
        } else {
            const std::string key = c.text.substr(0, c.text.find('='));
            const auto rows = probeValueRows();
            ASSERT_TRUE(std::any_of(rows.begin(), rows.end(), [&](const ProbeValueRow& row) {
                return row.key == key;
            })) << key;
            for (const ProbeValueRow& row : rows) {
                if (row.key == key) {
                    const ProbeValueRead read =
                        readProbeValue(row, c.text.substr(key.size() + 1), kGermanLocale);
                    EXPECT_EQ(read.value.has_value(), c.expected.empty());
                    refusal = read.refusal;
                }
            }
        }
        if (c.expected.empty()) {
            EXPECT_EQ(refusal, "");
        } else {
            EXPECT_NE(refusal.find(c.expected), std::string::npos) << refusal;
        }
    }
}

}  // namespace
}  // namespace zrv
