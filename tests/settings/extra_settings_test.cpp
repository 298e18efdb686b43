#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "settings/extra_settings.h"
#include "settings/factory_values.h"
#include "support/file_bytes.h"
#include "support/scratch_folder.h"
#include "text/number_locale.h"

namespace zrv {
namespace {

using test::ScratchFolder;

// Written beside its settings file, read back whole; a missing one changes nothing.
TEST(ExtraSettings, BesideTheSettingsFileReadBackOrMissing) {
    EXPECT_EQ(extraSettingsPath("/a/b/zrvcam.ini"), std::filesystem::path("/a/b/zrvcam_extra.ini"));
    EXPECT_EQ(extraSettingsPath("werk.ini"), std::filesystem::path("werk_extra.ini"));
    ScratchFolder folder;
    Choices chosen = factoryChoices(kCLocale);
    chosen.prepare.Check_FRAESUNGEN_WEG_VERBESSERN = 1;
    chosen.machine = "$110=2000.000\n$11=0.020\n";
    chosen.steps = {"0,5", ""};
    ASSERT_TRUE(writeExtraSettings(folder / "x.ini", chosen).ok());
    const ExtraSettingsRead read = readExtraSettings(folder / "x.ini", factoryChoices(kCLocale));
    EXPECT_TRUE(read.status.ok());
    EXPECT_TRUE(read.problems.empty());
    EXPECT_EQ(read.choices.prepare.Check_BOHRUNGEN_WEG_VERBESSERN, 0);
    EXPECT_EQ(read.choices.prepare.Check_FRAESUNGEN_WEG_VERBESSERN, 1);
    EXPECT_EQ(read.choices.machine, chosen.machine);
    EXPECT_EQ(read.choices.steps, chosen.steps);
    const ExtraSettingsRead missing = readExtraSettings(folder / "fehlt.ini", chosen);
    EXPECT_TRUE(missing.status.ok());
    EXPECT_EQ(missing.choices.machine, chosen.machine);
    EXPECT_EQ(missing.choices.prepare.Check_FRAESUNGEN_WEG_VERBESSERN, 1);
}

TEST(ExtraSettings, HandEditedLinesAreTakenOrReported) {
    struct Case {
        const char* name;
        std::string text;
        int drill;
        int milling;
        std::string machine;
        size_t problems;
    };
    const std::vector<Case> cases{
        {"blanks and comments pass, an unknown key is named",
         "# x\r\n\r\n farbe = 3 \r\nweg_verbessern_bohrungen = 1\r\n", 1, 0, "", 1},
        {"a switch that is not 0 or 1 keeps its value", "weg_verbessern_fraesungen=ja\r\n", 0, 0,
         "", 1},
        {"machine lines are kept in order, trimmed",
         "  $11=0.01\r\nzeile ohne gleich\r\n$110=900\r\n", 0, 0, "$11=0.01\n$110=900\n", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchFolder folder;
        test::writeBytes(folder / "x_extra.ini", c.text);
        const ExtraSettingsRead read =
            readExtraSettings(folder / "x_extra.ini", factoryChoices(kCLocale));
        EXPECT_EQ(read.choices.prepare.Check_BOHRUNGEN_WEG_VERBESSERN, c.drill);
        EXPECT_EQ(read.choices.prepare.Check_FRAESUNGEN_WEG_VERBESSERN, c.milling);
        EXPECT_EQ(read.choices.machine, c.machine);
        EXPECT_EQ(read.problems.size(), c.problems);
    }
    // Text and problem: taken it is Zustellung 0,5 (""); refused it changes nothing and is named.
    const std::vector<std::pair<std::string, std::string>> lines{
        {"\xEF\xBB\xBFzustellung=0,5\r\n", ""},
        {test::utf16Bytes("# x\r\nzustellung=0,5\r\n", true), ""},
        {"# x\r\n\r\nzustelung=0,5\r\n",
         "zrvcam_extra.ini, Zeile 3: unbekannter Schlüssel „zustelung“ – nicht verwendet"},
        {"Zustellung=0,5\r\n", "Zeile 1: unbekannter Schlüssel „Zustellung“"},
        {"zustellung 0,5\r\n",
         "Zeile 1: keine Zeile der Form Schlüssel=Wert „zustellung 0,5“ – nicht verwendet"},
        {"antasten_vorschub=1e3\r\n", "ist keine Zahl: „1e3“"},
        {"antasten_raster=5abc\r\n", "Der Rasterabstand (mm) ist keine Zahl: „5abc“"},
        {"antasten_tiefe=1.5.5\r\n", "keine Zahl: „1.5.5“"},
        {"antasten_abheben=0,2\r\n", "muss zwischen 0.5 und 100 liegen, nicht 0.2"},
        {"antasten_tiefe=-0.05\r\n", "muss zwischen -100 und -0.1 liegen"},
        {"antasten_vorschub=500\r\n", "muss zwischen 1 und 200 liegen, nicht 500"},
        {"antasten_vorschub=0.0001\r\n", "muss zwischen 1 und 200 liegen"},  // prints as 0
    };
    const Choices factory = factoryChoices(kGermanLocale);
    for (const auto& [text, problem] : lines) {
        SCOPED_TRACE(text);
        ScratchFolder folder;
        test::writeBytes(folder / "zrvcam_extra.ini", text);
        const ExtraSettingsRead read = readExtraSettings(folder / "zrvcam_extra.ini", factory);
        ASSERT_EQ(read.problems.size(), problem.empty() ? 0U : 1U);
        EXPECT_TRUE(problem.empty() || read.problems[0].find(problem) != std::string::npos)
            << read.problems[0];
        EXPECT_EQ(read.choices.probe, factory.probe);
        EXPECT_EQ(read.choices.steps.Combo_ZUSTELLUNG, problem.empty() ? "0,5" : "");
    }
}

}  // namespace
}  // namespace zrv
