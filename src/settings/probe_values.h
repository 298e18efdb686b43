#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "settings/probe_choices.h"
#include "text/number_locale.h"

namespace zrv {

// One of the four probe choices: its key in the extra file, its place and its name.
struct ProbeValueRow {
    std::string_view key;
    double ProbeChoices::*value;
    std::string_view name;  // "Der Vorschub beim Antasten (mm/min)"
};

// Spacing, feed, depth, lift: the order of the extra file and of the menu.
std::span<const ProbeValueRow> probeValueRows();

// A probe choice typed or read from the extra file: the number, or why it is refused. A value
// that prints as 0 or is unsafe is refused with the rest: a lift below 0.5 mm, a depth above
// -0.1 mm, a feed below 1 or above 200 mm/min (a fast probe bends a V-bit).
struct ProbeValueRead {
    std::optional<double> value;
    std::string refusal;  // German, when there is no value
};
ProbeValueRead readProbeValue(const ProbeValueRow& row, std::string_view text, NumberLocale locale);

}  // namespace zrv
