#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "settings/choices.h"
#include "settings/factory_values.h"

namespace zrv {
namespace {

using Texts = std::vector<std::string>;

struct LocaleCase {
    const char* name;
    NumberLocale locale;
    Texts heights;  // every item, as the user sees it
    Texts depths;
};

const LocaleCase kLocales[] = {
    {"German",
     kGermanLocale,
     {"0,1", "0,2", "0,3", "0,4", "0,5", "0,6", "0,7", "0,8", "0,9", "1,0",
      "1,1", "1,2", "1,3", "1,4", "1,5", "1,6", "1,7", "1,8", "1,9", "2,0"},
     {"-0,1", "-0,2", "-0,3", "-0,4", "-0,5", "-0,6", "-0,7", "-0,8", "-0,9", "-1,0",
      "-1,1", "-1,2", "-1,3", "-1,4", "-1,5", "-1,6", "-1,7", "-1,8", "-1,9", "-2,0"}},
    {"C",
     kCLocale,
     {"0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8", "0.9", "1.0",
      "1.1", "1.2", "1.3", "1.4", "1.5", "1.6", "1.7", "1.8", "1.9", "2.0"},
     {"-0.1", "-0.2", "-0.3", "-0.4", "-0.5", "-0.6", "-0.7", "-0.8", "-0.9", "-1.0",
      "-1.1", "-1.2", "-1.3", "-1.4", "-1.5", "-1.6", "-1.7", "-1.8", "-1.9", "-2.0"}},
};

void PrintTo(const LocaleCase& row, std::ostream* out) {
    *out << row.name;
}

class ChoiceListsTest : public testing::TestWithParam<LocaleCase> {};

TEST_P(ChoiceListsTest, HeightsAndDepthsStopAtTwoAndNeverOfferTwoPointOne) {
    const ChoiceLists lists = choiceLists(GetParam().locale);
    EXPECT_EQ(lists.heights, GetParam().heights);
    EXPECT_EQ(lists.depths, GetParam().depths);
    for (const char* notOffered : {"2,1", "2.1", "-2,1", "-2.1"}) {
        EXPECT_EQ(std::count(lists.heights.begin(), lists.heights.end(), notOffered), 0);
        EXPECT_EQ(std::count(lists.depths.begin(), lists.depths.end(), notOffered), 0);
    }
}

TEST_P(ChoiceListsTest, SpeedsAndFeedsArePlainIntegersInEveryLocale) {
    const Texts expected = {"0",   "10",  "20",  "30",  "40",  "50",  "60",  "70",  "80",  "90",
                            "100", "200", "300", "400", "500", "600", "700", "800", "900", "1000"};
    EXPECT_EQ(choiceLists(GetParam().locale).speedsAndFeeds, expected);
}

TEST_P(ChoiceListsTest, LevelsAreTheEightFixedNames) {
    const Texts expected = {"0-keine", "1-Standard", "2-Stufe", "3-Stufe",
                            "4-Stufe", "5-Stufe",    "6-Stufe", "7-Stufe"};
    EXPECT_EQ(choiceLists(GetParam().locale).levels, expected);
}

INSTANTIATE_TEST_SUITE_P(Locales, ChoiceListsTest, testing::ValuesIn(kLocales),
                         [](const auto& row) { return std::string(row.param.name); });

// The twelve boxes in the order of the struct, for whole-set comparisons.
Texts boxes(const Parameters& p) {
    return {p.Combo_BOHRUNG_SPINDLE_SPEED,  p.Combo_BOHRUNG_VORSCHUB_XY,
            p.Combo_BOHRUNG_VORSCHUB_Z_AUF, p.Combo_BOHRUNG_VORSCHUB_Z_AB,
            p.Combo_BOHRUNG_HOEHE,          p.Combo_BOHRUNG_TIEFE,
            p.Combo_FRAESUNG_SPINDLE_SPEED, p.Combo_FRAESUNG_VORSCHUB_Z_AUF,
            p.Combo_FRAESUNG_VORSCHUB_Z_AB, p.Combo_FRAESUNG_VORSCHUB_XY,
            p.Combo_FRAESUNG_HOEHE,         p.Combo_FRAESUNG_TIEFE};
}

TEST(FactoryParameters, StartTextsInBothLocales) {
    EXPECT_EQ(boxes(factoryParameters(kGermanLocale)),
              (Texts{"1000", "500", "1000", "10", "2,5", "-1,5", "1000", "100", "10", "10", "2,5",
                     "-0,1"}));
    EXPECT_EQ(boxes(factoryParameters(kCLocale)),
              (Texts{"1000", "500", "1000", "10", "2.5", "-1.5", "1000", "100", "10", "10", "2.5",
                     "-0.1"}));
}

TEST(FactoryParameters, DrillingStandardTouchesOnlyTheDrillingGroup) {
    Parameters parameters = factoryParameters(kGermanLocale);
    parameters.Combo_FRAESUNG_VORSCHUB_XY = "77 getippt";
    Command_BOHRUNG_STANDARD(parameters, kGermanLocale);
    EXPECT_EQ(boxes(parameters), (Texts{"1000", "1000", "1000", "20", "1", "-2,1", "1000", "100",
                                        "10", "77 getippt", "2,5", "-0,1"}));
}

TEST(FactoryParameters, MillingStandardTouchesOnlyTheMillingGroup) {
    Parameters parameters = factoryParameters(kCLocale);
    parameters.Combo_BOHRUNG_TIEFE = "-3,3";
    Command_FRAESUNG_STANDARD(parameters, kCLocale);
    EXPECT_EQ(boxes(parameters), (Texts{"1000", "500", "1000", "10", "2.5", "-3,3", "1000", "1000",
                                        "20", "50", "1", "-0.1"}));
}

TEST(FactoryProgramPaths, NotChosenMarkIsShorterThanFiveCharacters) {
    const ProgramPaths paths = factoryProgramPaths();
#ifdef _WIN32
    const std::string notChosen = "C:\\";
    EXPECT_EQ(paths.PROGRAMM_EDITOR, "NOTEPAD.EXE");
#else
    const std::string notChosen = "/";
    EXPECT_EQ(paths.PROGRAMM_EDITOR, "xdg-open");
#endif
    for (const std::string& path :
         {paths.PROGRAMM_ZIRVA40, paths.PROGRAMM_ZIRVA50, paths.PROGRAMM_ZIRVA60,
          paths.PROGRAMM_ZIRVA70, paths.PROGRAMM_CNC}) {
        EXPECT_EQ(path, notChosen);
        EXPECT_LT(path.size(), 5u);
    }
}

TEST(FactoryChoices, CarryTheLocalesParameterTextsAndThePlatformPaths) {
    const Choices choices = factoryChoices(kGermanLocale);
    EXPECT_EQ(choices.parameters, factoryParameters(kGermanLocale));
    EXPECT_EQ(choices.paths, factoryProgramPaths());
    EXPECT_EQ(choices.calibration.STRECKE_ZIRVA_WERT, 5.0);
    EXPECT_EQ(choices.calibration.STRECKE_ORIGINAL_WERT, 2.54);
    EXPECT_EQ(choices.prepare.Combo_BOHRUNGEN_OPTIMIEREN, "1-Standard");
    EXPECT_EQ(choices.prepare.Combo_FRAESUNGEN_OPTIMIEREN, "1-Standard");
}

}  // namespace
}  // namespace zrv
