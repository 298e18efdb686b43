#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "settings/plain_number.h"
#include "text/number_locale.h"

namespace zrv {

// The twelve machining parameters, held as the texts of their editable boxes.
struct Parameters {
    std::string Combo_BOHRUNG_SPINDLE_SPEED;
    std::string Combo_BOHRUNG_VORSCHUB_XY;
    std::string Combo_BOHRUNG_VORSCHUB_Z_AUF;
    std::string Combo_BOHRUNG_VORSCHUB_Z_AB;
    std::string Combo_BOHRUNG_HOEHE;
    std::string Combo_BOHRUNG_TIEFE;
    std::string Combo_FRAESUNG_SPINDLE_SPEED;
    std::string Combo_FRAESUNG_VORSCHUB_Z_AUF;
    std::string Combo_FRAESUNG_VORSCHUB_Z_AB;
    std::string Combo_FRAESUNG_VORSCHUB_XY;
    std::string Combo_FRAESUNG_HOEHE;
    std::string Combo_FRAESUNG_TIEFE;

    friend bool operator==(const Parameters&, const Parameters&) = default;
};

// What a box stands for in the G-code program, in the order the program's summary lists them.
enum class ParameterRole : std::size_t { Spindle, FeedXy, FeedUp, FeedDown, Height, Depth };
inline constexpr std::size_t kParameterRoles = 6;

// Which of the start-up choice lists a box offers.
enum class ChoiceList { SpeedsAndFeeds, Heights, Depths };

// One parameter box: everything the panel, the settings file, the cleaning, the export's refusal
// and the G-code program need to know about it.
struct ParameterRow {
    std::string Parameters::*text;
    std::string_view name;     // the box's object name, as the window spells it
    std::string_view caption;  // the label before the box, also in the export's refusal
    std::string_view unit;     // the label after the box; empty: none
    bool feed;                 // the export refuses a value of 0 or below
    ChoiceList choices;
    ParameterRole role;
    double start;     // the factory value
    double standard;  // what the group's "Standard" button writes
};

// One tool's six boxes, in the order of the panel and of the settings file.
using ParameterGroup = std::array<ParameterRow, kParameterRoles>;

namespace parameter_rows {
using P = Parameters;
using R = ParameterRole;
using L = ChoiceList;

inline constexpr ParameterGroup kDrillingParameters = {{
    {&P::Combo_BOHRUNG_SPINDLE_SPEED, "Combo_BOHRUNG_SPINDLE_SPEED", "Spindle Speed", "", false,
     L::SpeedsAndFeeds, R::Spindle, 1000, 1000},
    {&P::Combo_BOHRUNG_VORSCHUB_XY, "Combo_BOHRUNG_VORSCHUB_XY", "Bohrer (XY)", "mm/min", true,
     L::SpeedsAndFeeds, R::FeedXy, 500, 1000},
    {&P::Combo_BOHRUNG_VORSCHUB_Z_AUF, "Combo_BOHRUNG_VORSCHUB_Z_AUF", "Bohrer auf (Z)", "mm/min",
     true, L::SpeedsAndFeeds, R::FeedUp, 1000, 1000},
    {&P::Combo_BOHRUNG_VORSCHUB_Z_AB, "Combo_BOHRUNG_VORSCHUB_Z_AB", "Bohrung (Z)", "mm/min", true,
     L::SpeedsAndFeeds, R::FeedDown, 10, 20},
    {&P::Combo_BOHRUNG_HOEHE, "Combo_BOHRUNG_HÖHE", "Bohrhöhe", "mm", false, L::Heights, R::Height,
     2.5, 1},
    {&P::Combo_BOHRUNG_TIEFE, "Combo_BOHRUNG_TIEFE", "Bohrtiefe", "mm", false, L::Depths, R::Depth,
     -1.5, -2.1},
}};

inline constexpr ParameterGroup kMillingParameters = {{
    {&P::Combo_FRAESUNG_SPINDLE_SPEED, "Combo_FRÄSUNG_SPINDLE_SPEED", "Spindle Speed", "", false,
     L::SpeedsAndFeeds, R::Spindle, 1000, 1000},
    {&P::Combo_FRAESUNG_VORSCHUB_Z_AUF, "Combo_FRÄSUNG_VORSCHUB_Z_AUF", "Fräser auf (Z)", "mm/min",
     true, L::SpeedsAndFeeds, R::FeedUp, 100, 1000},
    {&P::Combo_FRAESUNG_VORSCHUB_Z_AB, "Combo_FRÄSUNG_VORSCHUB_Z_AB", "Fräser ab (Z)", "mm/min",
     true, L::SpeedsAndFeeds, R::FeedDown, 10, 20},
    {&P::Combo_FRAESUNG_VORSCHUB_XY, "Combo_FRÄSUNG_VORSCHUB_XY", "Fräsung (XY)", "mm/min", true,
     L::SpeedsAndFeeds, R::FeedXy, 10, 50},
    {&P::Combo_FRAESUNG_HOEHE, "Combo_FRÄSUNG_HÖHE", "Fräshöhe", "mm", false, L::Heights, R::Height,
     2.5, 1},
    {&P::Combo_FRAESUNG_TIEFE, "Combo_FRÄSUNG_TIEFE", "Frästiefe", "mm", false, L::Depths, R::Depth,
     -0.1, -0.1},
}};

}  // namespace parameter_rows
using parameter_rows::kDrillingParameters;
using parameter_rows::kMillingParameters;

// Drilling first: the order of the settings file.
inline constexpr std::array<const ParameterGroup*, 2> kParameterGroups = {&kDrillingParameters,
                                                                          &kMillingParameters};

// The row of a group that plays `role`.
const ParameterRow& parameterRow(const ParameterGroup& group, ParameterRole role);

// One tool's six texts, each read once, by role.
struct ToolNumbers {
    std::array<ParameterValue, kParameterRoles> byRole;

    const ParameterValue& operator[](ParameterRole role) const {
        return byRole[static_cast<std::size_t>(role)];
    }
};

// The twelve texts read once per operation: what the refusals and the program both go by.
struct ParameterValues {
    ToolNumbers drill;
    ToolNumbers mill;

    const ToolNumbers& of(const ParameterGroup& group) const {
        return &group == &kDrillingParameters ? drill : mill;
    }
};
ParameterValues parameterValues(const Parameters& texts);

// Step 1 of the export button: every parameter text replaced by the number read from it,
// written back for the locale ("12,5" stays "12,5" in German, "abc" becomes "0").
Parameters cleanParameters(const Parameters& parameters, NumberLocale locale);

}  // namespace zrv
