#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/extra_settings.h"
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
}

}  // namespace
}  // namespace zrv
