// What the fuzzers found, each as a plain case beside its minimised file in the corpus.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/choices.h"
#include "settings/settings_file.h"
#include "support/scratch_folder.h"

namespace zrv {
namespace {

// A calibration of 15 digits or more before the point, or below 0.0001, was written with an
// exponent, which the reading scan stops at: 1E-05 came back as 1.
TEST(Findings, CalibrationKeepsItsValueThroughTheSettingsFile) {
    struct Case {
        const char* name;
        double value;
        const char* germanLine;
    };
    const std::vector<Case> cases = {
        {"tiny", 0.00001, " 0,00001 "},
        {"sixteen digits", 6666666666666666, " 6666666666666670 "},
        {"huge", 1.5e20, " 150000000000000000000 "},
    };
    const test::ScratchFolder folder;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Settings settings{"", factoryChoices(kGermanLocale)};
        settings.choices.calibration = {c.value, c.value};
        const std::vector<std::string> lines = settingsLines(settings, kGermanLocale);
        EXPECT_EQ(lines[8], c.germanLine);
        const std::filesystem::path path = folder.path() / "zrvcam.ini";
        ASSERT_TRUE(PARAMETER_SPEICHERN(path, settings, kGermanLocale).ok());
        const SettingsRead read = readSettings(path, Settings{});
        ASSERT_EQ(read.outcome, SettingsOutcome::Applied);
        EXPECT_NEAR(read.settings.choices.calibration.STRECKE_ZIRVA_WERT, c.value, c.value * 1e-14);
        EXPECT_NEAR(read.settings.choices.calibration.STRECKE_ORIGINAL_WERT, c.value,
                    c.value * 1e-14);
    }
}

}  // namespace
}  // namespace zrv
