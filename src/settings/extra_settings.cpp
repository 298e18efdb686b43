#include "settings/extra_settings.h"

#include <cmath>
#include <string_view>

#include "base/text_file.h"
#include "settings/plain_number.h"
#include "settings/probe_values.h"
#include "text/shortened.h"
#include "text/trimmed.h"

namespace zrv {
namespace {

void applyProbeKey(const ProbeValueRow& row, std::string_view value, ProbeChoices& probe,
                   std::vector<std::string>& problems) {
    const ProbeValueRead read = readProbeValue(row, value, kCLocale);
    if (read.value) {
        probe.*row.value = *read.value;
        return;
    }
    problems.push_back("Zusatzeinstellung " + std::string(row.key) + " = \"" + std::string(value) +
                       "\": " + read.refusal + " Bleibt " +
                       plainNumberText(probe.*row.value, kCLocale));
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

// "zrvcam_extra.ini, Zeile 3: ..."
std::string linePlace(const ExtraSettingsRead& read, std::size_t number) {
    return read.fileName + ", Zeile " + std::to_string(number) + ": ";
}

// Whether the key is one of the file's, applying its value.
bool applyKey(std::string_view key, std::string_view value, ExtraSettingsRead& read) {
    for (const ProbeValueRow& row : probeValueRows()) {
        if (row.key == key) {
            applyProbeKey(row, value, read.choices.probe, read.problems);
            return true;
        }
    }
    for (const ExtraRow& row : extraRows()) {
        if (key == row.key) {
            applySwitch(key, value, row.whole.of(read.choices), read.problems);
            return true;
        }
    }
    if (key == kPassKey) {
        read.choices.steps.Combo_ZUSTELLUNG = value;
    } else if (key == kPeckKey) {
        read.choices.steps.Combo_BOHREN_IN_STUFEN = value;
    }
    return key == kPassKey || key == kPeckKey;
}

void applyLine(std::string_view line, std::size_t number, ExtraSettingsRead& read) {
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
        read.problems.push_back(linePlace(read, number) + "keine Zeile der Form Schlüssel=Wert „" +
                                shortened(line) + "“ – nicht verwendet");
        return;
    }
    const std::string_view key = trimmed(line.substr(0, equals));
    if (!applyKey(key, trimmed(line.substr(equals + 1)), read)) {
        read.problems.push_back(linePlace(read, number) + "unbekannter Schlüssel „" +
                                shortened(key) + "“ – nicht verwendet");
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
    for (const ProbeValueRow& row : probeValueRows()) {
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
    ExtraSettingsRead read{current, {}, {}, {}};
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        return read;
    }
    const FileBytes file = readFileBytes(path);
    if (!file.status.ok()) {
        read.status = file.status;
        return read;
    }
    read.fileName = path.filename().string();
    read.choices.machine.clear();
    const std::vector<std::string> lines = textLines(decodedText(file.bytes));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        applyLine(lines[i], i + 1, read);
    }
    return read;
}

Status writeExtraSettings(const std::filesystem::path& path, const Choices& choices) {
    return writeTextFile(path, extraSettingsLines(choices));
}

}  // namespace zrv
