#include "settings/factory_values.h"

#include <array>
#include <string_view>

#include "text/number_format.h"

namespace zrv {
namespace {

constexpr std::array<std::string_view, 8> kLevels = {"0-keine", "1-Standard", "2-Stufe", "3-Stufe",
                                                     "4-Stufe", "5-Stufe",    "6-Stufe", "7-Stufe"};

// Integers come out as plain integers.
void writeGroup(Parameters& parameters, const ParameterGroup& group, double ParameterRow::*value,
                NumberLocale locale) {
    for (const ParameterRow& row : group) {
        parameters.*row.text = numberText(row.*value, locale);
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

const std::vector<std::string>& ChoiceLists::of(ChoiceList list) const {
    switch (list) {
        case ChoiceList::Heights:
            return heights;
        case ChoiceList::Depths:
            return depths;
        case ChoiceList::SpeedsAndFeeds:
            break;
    }
    return speedsAndFeeds;
}

Parameters factoryParameters(NumberLocale locale) {
    Parameters parameters;
    for (const ParameterGroup* group : kParameterGroups) {
        writeGroup(parameters, *group, &ParameterRow::start, locale);
    }
    return parameters;
}

void Command_BOHRUNG_STANDARD(Parameters& parameters, NumberLocale locale) {
    writeGroup(parameters, kDrillingParameters, &ParameterRow::standard, locale);
}

void Command_FRAESUNG_STANDARD(Parameters& parameters, NumberLocale locale) {
    writeGroup(parameters, kMillingParameters, &ParameterRow::standard, locale);
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
