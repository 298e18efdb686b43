#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "settings/probe_choices.h"
#include "text/number_locale.h"

namespace zrv {

// One of the four probe choices: its key in the extra file, its place, its name, the question
// that asks for it and the bounds every entry path and the probe program hold it to.
struct ProbeValueRow {
    std::string_view key;
    double ProbeChoices::*value;
    std::string_view name;    // "Der Vorschub beim Antasten (mm/min)"
    std::string_view prompt;  // "Vorschub beim Antasten (mm/min):"
    double lowest = 0;
    double highest = 0;
    std::string_view hint;  // after a refusal's number, or ""
};

// Spacing, feed, depth, lift: the order of the extra file and of the menu.
std::span<const ProbeValueRow> probeValueRows();

// The row of one choice.
const ProbeValueRow& probeValueRow(double ProbeChoices::*value);

// Why the number is refused for the row ("" when lowest <= value <= highest): a value that
// prints as 0 or is unsafe is refused with the rest, as is one beyond reason.
std::string probeValueProblem(const ProbeValueRow& row, double value, NumberLocale locale);

// A probe choice typed or read from the extra file: the number, or why it is refused.
struct ProbeValueRead {
    std::optional<double> value;
    std::string refusal;  // German, when there is no value
};
ProbeValueRead readProbeValue(const ProbeValueRow& row, std::string_view text, NumberLocale locale);

}  // namespace zrv
