#include <cmath>
#include <string>
#include <vector>

#include "fuzz_checks.h"
#include "fuzz_targets.h"
#include "gcode/gcode_reading.h"
#include "gcode/gcode_writer.h"
#include "gcode/parameter_refusals.h"
#include "job/export.h"
#include "planner/machine_profile.h"
#include "settings/choices.h"
#include "settings/extra_settings.h"
#include "settings/factory_values.h"
#include "settings/settings_file.h"
#include "support/drawing_builder.h"
#include "support/file_bytes.h"

namespace zrv::fuzz {
namespace {

Settings factorySettings(NumberLocale locale) {
    return Settings{{}, factoryChoices(locale)};
}

// Whatever the boxes hold, once cleaned every line of a program is plain G-code, and cleaning
// again changes nothing.
std::string checkProgram(const Settings& settings, NumberLocale locale) {
    const std::vector<std::string> punkte = {" X=0012.500 Y=-0003.000"};
    const std::vector<std::string> fraesungen = {" X=00.000 Y=00.000 X=10.000 Y=05.000"};
    GcodeJob job;
    job.PUNKTE = punkte;
    job.FRAESUNGEN = fraesungen;
    const Parameters cleaned = cleanParameters(settings.choices.parameters, locale);
    if (cleanParameters(cleaned, locale) != cleaned) {
        return "cleaning the parameters twice changes them";
    }
    job.values = parameterValues(cleaned);
    job.exports = settings.choices.exports;
    job.steps = settings.choices.steps;
    job.outputPath = settings.DATEI_NAME;
    job.locale = locale;
    // Steps the export would refuse are written as none: never a program of gigabytes.
    const bool refused = !parameterRefusals(job).empty();
    const std::vector<std::string> lines = gcodeProgram(job);
    if (lines.size() > 10000) {
        return "a program of " + std::to_string(lines.size()) + " lines for one hole and one path";
    }
    if (refused) {
        return {};
    }
    const test::WordCheck words = test::checkWords(lines);
    return words.errors.empty() ? std::string{} : "G-code: " + words.errors.front();
}

// The same bytes as a controller's "$$" answer: a file without a setting is refused and leaves
// the factory machine; every value taken is positive.
std::string checkMachine(const std::string& text) {
    const MachineProfileRead read = readMachineProfile(text);
    const MachineProfile factory;
    const MachineProfile& p = read.profile;
    if (!read.anySetting &&
        (p.maxRate != factory.maxRate || p.acceleration != factory.acceleration ||
         p.junctionDeviation != factory.junctionDeviation)) {
        return "a file without a setting changed the machine";
    }
    if (!read.anySetting && noSettingText("x").empty()) {
        return "no refusal for a file without a setting";
    }
    for (const double value : {p.maxRate[0], p.maxRate[1], p.maxRate[2], p.acceleration[0],
                               p.acceleration[1], p.acceleration[2], p.junctionDeviation}) {
        if (!(value > 0) || !std::isfinite(value)) {
            return "a machine value that is no positive number";
        }
    }
    return {};
}

}  // namespace

// The first byte chooses the locale (bit 0) and whether the start-up reading runs too (bit 1);
// the rest is the file.
std::string settingsFile(Bytes data) {
    const std::uint8_t choice = data.empty() ? 0 : data[0];
    const NumberLocale locale = (choice & 1) != 0 ? kGermanLocale : kCLocale;
    const Bytes file = data.subspan(data.empty() ? 0 : 1);
    const std::filesystem::path path = scratch() / "zrvcam.ini";
    test::writeBytes(path, std::string(file.begin(), file.end()));

    const Settings factory = factorySettings(locale);
    // The same bytes as the file beside it: its switches stay 0 or 1.
    const ExtraSettingsRead extra = readExtraSettings(path, factory.choices);
    if (extra.choices.view.Check_Y_NACH_OBEN > 1 || extra.choices.view.Check_Y_NACH_OBEN < 0) {
        return "the view switch of the extra file is neither 0 nor 1";
    }
    SettingsRead first = readSettings(path, factory);
    first.settings.choices.steps = extra.choices.steps;
    const std::vector<std::string> firstLines = settingsLines(first.settings, locale);
    if (first.outcome == SettingsOutcome::Werkseinstellung &&
        firstLines != settingsLines(factory, locale)) {
        return "a file that was not taken changed the settings";
    }
    if ((choice & 2) != 0) {
        const SettingsStart start = loadSettingsAtStart(path, factory);
        if (start.openDrawing && start.settings.DATEI_NAME.empty()) {
            return "the start opens a drawing without a name";
        }
    }
    if (std::string fault = checkMachine(std::string(file.begin(), file.end())); !fault.empty()) {
        return fault;
    }
    if (std::string fault = checkProgram(first.settings, locale); !fault.empty()) {
        return fault;
    }
    // What was read, written and read again is what was read.
    const std::filesystem::path written = scratch() / "zrvcam-written.ini";
    if (const Status status = PARAMETER_SPEICHERN(written, first.settings, locale); !status.ok()) {
        return "the settings cannot be written: " + status.error;
    }
    const SettingsRead again = readSettings(written, factory);
    if (again.outcome != SettingsOutcome::Applied) {
        return "a written settings file is not taken whole";
    }
    const std::vector<std::string> againLines = settingsLines(again.settings, locale);
    for (std::size_t i = 0; i < firstLines.size(); ++i) {
        if (i >= againLines.size() || againLines[i] != firstLines[i]) {
            return "line " + std::to_string(i + 1) + " changed from \"" + firstLines[i] +
                   "\" to \"" + (i < againLines.size() ? againLines[i] : "") + "\"";
        }
    }
    return {};
}

}  // namespace zrv::fuzz
