#include "planner/machine_profile.h"

#include <charconv>
#include <cmath>
#include <optional>

#include "text/number_format.h"
#include "text/trimmed.h"

namespace zrv {
namespace {

// The controller writes plain decimals; anything else (a unit, a second number) is no value.
std::optional<double> positiveNumber(std::string_view text) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    double value = 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value) ||
        value <= 0) {
        return std::nullopt;
    }
    return value;
}

double* settingOf(MachineProfile& profile, std::string_view number) {
    if (number == "11") {
        return &profile.junctionDeviation;
    }
    constexpr std::array<std::string_view, 3> kRates{"110", "111", "112"};
    constexpr std::array<std::string_view, 3> kAccelerations{"120", "121", "122"};
    for (std::size_t axis = 0; axis < 3; ++axis) {
        if (number == kRates[axis]) {
            return &profile.maxRate[axis];
        }
        if (number == kAccelerations[axis]) {
            return &profile.acceleration[axis];
        }
    }
    return nullptr;
}

bool isNumber(std::string_view text) {
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        text.remove_prefix(1);
    }
    double value = 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    return error == std::errc() && end == text.data() + text.size();
}

bool isSettingNumber(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

void readLine(std::string_view line, MachineProfileRead& read) {
    // A comment in brackets follows the value in some controllers' answers.
    line = trimmed(line.substr(0, line.find('(')));
    const auto equals = line.find('=');
    if (!line.starts_with('$') || equals == std::string_view::npos) {
        return;
    }
    const std::string_view number = trimmed(line.substr(1, equals - 1));
    read.anySetting =
        read.anySetting || (isSettingNumber(number) && isNumber(trimmed(line.substr(equals + 1))));
    double* setting = settingOf(read.profile, number);
    if (setting == nullptr) {
        return;
    }
    const auto value = positiveNumber(trimmed(line.substr(equals + 1)));
    // A rate written out down to 5e-324 is positive, yet every time divided by it is infinite.
    if (value && std::isnormal(*value)) {
        *setting = *value;
        return;
    }
    read.problems.push_back("Maschine: \"" + std::string(line) + "\" nicht übernommen (" +
                            (value ? "zu klein" : "keine positive Zahl") + "), es gilt " +
                            numberText(*setting, kCLocale));
}

std::string triple(const std::array<double, 3>& values, NumberLocale locale) {
    return numberText(values[0], locale) + "/" + numberText(values[1], locale) + "/" +
           numberText(values[2], locale);
}

}  // namespace

MachineProfileRead readMachineProfile(std::string_view text) {
    MachineProfileRead read;
    while (!text.empty()) {
        const auto end = text.find('\n');
        readLine(text.substr(0, end), read);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    }
    return read;
}

std::string noSettingText(std::string_view file) {
    return "Maschine: \"" + std::string(file) + "\" enthält keine Einstellung";
}

std::string takenProfileText(const MachineProfile& profile, NumberLocale locale,
                             std::string_view file) {
    return machineProfileText(profile, locale) + " (aus \"" + std::string(file) + "\")";
}

std::string machineProfileText(const MachineProfile& profile, NumberLocale locale) {
    return "Maschine: max. " + triple(profile.maxRate, locale) + " mm/min, Beschleunigung " +
           triple(profile.acceleration, locale) + " mm/s², Abweichung " +
           numberText(profile.junctionDeviation, locale) + " mm";
}

}  // namespace zrv
