#include "settings/factory_values.h"

#include <array>
#include <span>
#include <string_view>

#include "text/number_format.h"

namespace zrv {
namespace {

constexpr std::array<std::string_view, 8> kLevels = {"0-keine", "1-Standard", "2-Stufe", "3-Stufe",
                                                     "4-Stufe", "5-Stufe",    "6-Stufe", "7-Stufe"};

// One box and the number written into it; integers come out as plain integers.
struct BoxValue {
    std::string Parameters::*box;
    double value;
};

using P = Parameters;

// In the order the values are set.
constexpr std::array<BoxValue, 12> kStartTexts = {{
    {&P::Combo_BOHRUNG_SPINDLE_SPEED, 1000},
    {&P::Combo_BOHRUNG_VORSCHUB_Z_AUF, 1000},
    {&P::Combo_BOHRUNG_VORSCHUB_Z_AB, 10},
    {&P::Combo_BOHRUNG_VORSCHUB_XY, 500},
    {&P::Combo_BOHRUNG_HOEHE, 2.5},
    {&P::Combo_BOHRUNG_TIEFE, -1.5},
    {&P::Combo_FRAESUNG_SPINDLE_SPEED, 1000},
    {&P::Combo_FRAESUNG_VORSCHUB_Z_AUF, 100},
    {&P::Combo_FRAESUNG_VORSCHUB_Z_AB, 10},
    {&P::Combo_FRAESUNG_VORSCHUB_XY, 10},
    {&P::Combo_FRAESUNG_HOEHE, 2.5},
    {&P::Combo_FRAESUNG_TIEFE, -0.1},
}};

constexpr std::array<BoxValue, 6> kDrillingStandard = {{
    {&P::Combo_BOHRUNG_SPINDLE_SPEED, 1000},
    {&P::Combo_BOHRUNG_VORSCHUB_Z_AUF, 1000},
    {&P::Combo_BOHRUNG_VORSCHUB_XY, 1000},
    {&P::Combo_BOHRUNG_VORSCHUB_Z_AB, 20},
    {&P::Combo_BOHRUNG_HOEHE, 1},
    {&P::Combo_BOHRUNG_TIEFE, -2.1},
}};

constexpr std::array<BoxValue, 6> kMillingStandard = {{
    {&P::Combo_FRAESUNG_SPINDLE_SPEED, 1000},
    {&P::Combo_FRAESUNG_VORSCHUB_Z_AUF, 1000},
    {&P::Combo_FRAESUNG_VORSCHUB_Z_AB, 20},
    {&P::Combo_FRAESUNG_VORSCHUB_XY, 50},
    {&P::Combo_FRAESUNG_HOEHE, 1},
    {&P::Combo_FRAESUNG_TIEFE, -0.1},
}};

void writeBoxes(Parameters& parameters, std::span<const BoxValue> values, NumberLocale locale) {
    for (const BoxValue& entry : values) {
        parameters.*entry.box = numberText(entry.value, locale);
    }
}

}  // namespace

ChoiceLists choiceLists(NumberLocale locale) {
    ChoiceLists lists;
    lists.levels.assign(kLevels.begin(), kLevels.end());
    for (int v = 0; v < 100; v += 10) {
        lists.speedsAndFeeds.push_back(std::to_string(v));
    }
    for (int v = 100; v <= 1000; v += 100) {
        lists.speedsAndFeeds.push_back(std::to_string(v));
    }
    // Summed up, not multiplied: the twentieth sum lies just above 2.1, so 2.1 is not offered.
    for (double v = 0.1; v <= 2.1; v += 0.1) {
        lists.heights.push_back(formatPattern(v, "0.0", locale));
        lists.depths.push_back(formatPattern(-v, "0.0", locale));
    }
    return lists;
}

Parameters factoryParameters(NumberLocale locale) {
    Parameters parameters;
    writeBoxes(parameters, kStartTexts, locale);
    return parameters;
}

void Command_BOHRUNG_STANDARD(Parameters& parameters, NumberLocale locale) {
    writeBoxes(parameters, kDrillingStandard, locale);
}

void Command_FRAESUNG_STANDARD(Parameters& parameters, NumberLocale locale) {
    writeBoxes(parameters, kMillingStandard, locale);
}

ProgramPaths factoryProgramPaths() {
#ifdef _WIN32
    constexpr const char* kNotChosen = "C:\\";
    constexpr const char* kEditor = "NOTEPAD.EXE";
#else
    constexpr const char* kNotChosen = "/";
    constexpr const char* kEditor = "xdg-open";
#endif
    return {kNotChosen, kNotChosen, kNotChosen, kNotChosen, kEditor, kNotChosen};
}

}  // namespace zrv
