#include "settings/extra_settings.h"

#include <cmath>
#include <optional>
#include <string_view>

#include "base/text_file.h"
#include "settings/plain_number.h"
#include "text/number_scan.h"
#include "text/trimmed.h"

namespace zrv {
namespace {

// The probe choices: key, member, and whether the value must be below zero (the depth).
struct ProbeKey {
    std::string_view key;
    double ProbeChoices::*value;
    bool negative;
};
constexpr ProbeKey kProbeKeys[] = {
    {"antasten_raster", &ProbeChoices::antasten_raster, false},
    {"antasten_vorschub", &ProbeChoices::antasten_vorschub, false},
    {"antasten_tiefe", &ProbeChoices::antasten_tiefe, true},
    {"antasten_abheben", &ProbeChoices::antasten_abheben, false},
};

// A number with "." or ","; a text without one reads as 0 and is then refused.
std::optional<double> wholeNumber(std::string_view text) {
    const double value = numberFromText(text);
    return std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

bool applyProbeKey(std::string_view key, std::string_view value, ProbeChoices& probe,
                   std::vector<std::string>& problems) {
    for (const ProbeKey& row : kProbeKeys) {
        if (row.key != key) {
            continue;
        }
        const std::optional<double> number = wholeNumber(value);
        if (number && (row.negative ? *number < 0 : *number > 0)) {
            probe.*row.value = *number;
        } else {
            problems.push_back("Zusatzeinstellung " + std::string(key) + " = \"" +
                               std::string(value) + "\" ist keine " +
                               (row.negative ? "negative" : "positive") + " Zahl: bleibt " +
                               plainNumberText(probe.*row.value, kCLocale));
        }
        return true;
    }
    return false;
}

// Texts as typed: whether they make sense is the export's question, as for the parameters.
constexpr std::string_view kPassKey = "zustellung";
constexpr std::string_view kPeckKey = "bohren_in_stufen";

std::string switchLine(std::string_view key, int value) {
    return std::string(key) + "=" + (value != 0 ? "1" : "0");
}

void applySwitch(std::string_view key, std::string_view value, int& target,
                 std::vector<std::string>& problems) {
    if (value == "0" || value == "1") {
        target = value == "1" ? 1 : 0;
        return;
    }
    problems.push_back("Zusatzeinstellung " + std::string(key) + " = \"" + std::string(value) +
                       "\" ist nicht 0 oder 1: bleibt " + std::to_string(target));
}

void applyLine(std::string_view line, ExtraSettingsRead& read) {
    line = trimmed(line);
    if (line.empty() || line.front() == '#') {
        return;
    }
    if (line.front() == '$') {
        read.choices.machine += std::string(line) + "\n";
        return;
    }
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) {
        return;
    }
    const std::string_view key = trimmed(line.substr(0, equals));
    const std::string_view value = trimmed(line.substr(equals + 1));
    if (applyProbeKey(key, value, read.choices.probe, read.problems)) {
        return;
    }
    for (const ExtraRow& row : extraRows()) {
        if (key == row.key) {
            applySwitch(key, value, row.whole.of(read.choices), read.problems);
        }
    }
    if (key == kPassKey) {
        read.choices.steps.Combo_ZUSTELLUNG = value;
    } else if (key == kPeckKey) {
        read.choices.steps.Combo_BOHREN_IN_STUFEN = value;
    }
}

}  // namespace

std::vector<ExtraRow> extraRows() {
    std::vector<ExtraRow> rows;
    for (const SwitchRow& row : kSwitches) {
        if (!row.key.empty()) {
            rows.push_back({row.key, ExtraKind::Switch, row.value});
        }
    }
    return rows;
}

std::filesystem::path extraSettingsPath(const std::filesystem::path& settingsFile) {
    std::filesystem::path path = settingsFile;
    path.replace_filename(settingsFile.stem().string() + "_extra.ini");
    return path;
}

std::vector<std::string> extraSettingsLines(const Choices& choices) {
    std::vector<std::string> lines{"# zrvcam: Einstellungen, für die zrvcam.ini keine Zeile hat"};
    for (const ExtraRow& row : extraRows()) {
        lines.push_back(switchLine(row.key, row.whole.in(choices)));
    }
    for (const ProbeKey& row : kProbeKeys) {
        lines.push_back(std::string(row.key) + "=" +
                        plainNumberText(choices.probe.*row.value, kCLocale));
    }

    lines.push_back(std::string(kPassKey) + "=" +
                    std::string(trimmed(choices.steps.Combo_ZUSTELLUNG)));
    lines.push_back(std::string(kPeckKey) + "=" +
                    std::string(trimmed(choices.steps.Combo_BOHREN_IN_STUFEN)));
    std::string_view machine = choices.machine;
    while (!machine.empty()) {
        const auto end = machine.find('\n');
        const std::string_view line = trimmed(machine.substr(0, end));
        if (!line.empty()) {
            lines.emplace_back(line);
        }
        machine = end == std::string_view::npos ? std::string_view{} : machine.substr(end + 1);
    }
    return lines;
}

ExtraSettingsRead readExtraSettings(const std::filesystem::path& path, const Choices& current) {
    ExtraSettingsRead read{current, {}, {}};
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        return read;
    }
    const TextLines text = readTextFile(path);
    if (!text.status.ok()) {
        read.status = text.status;
        return read;
    }
    read.choices.machine.clear();
    for (const std::string& line : text.lines) {
        applyLine(line, read);
    }
    return read;
}

Status writeExtraSettings(const std::filesystem::path& path, const Choices& choices) {
    return writeTextFile(path, extraSettingsLines(choices));
}

}  // namespace zrv
