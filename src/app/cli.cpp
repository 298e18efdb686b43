#include "app/cli.h"

#include <filesystem>
#include <vector>

#include "app/cli_arguments.h"
#include "app/cli_send.h"
#include "base/file_names.h"
#include "base/text_file.h"
#include "job/dump.h"
#include "job/export.h"
#include "job/height_map_file.h"
#include "job/job_figures.h"
#include "job/load.h"
#include "job/report.h"
#include "planner/machine_profile.h"
#include "preview/scene.h"
#include "settings/extra_settings.h"
#include "settings/settings_file.h"

namespace zrv {

namespace {

constexpr int kSuccess = 0;
constexpr int kNotDone = 1;
constexpr int kUsage = 2;

// The status list is kept for "log"; message boxes go to standard error.
class CliProgress final : public Progress {
  public:
    explicit CliProgress(std::ostream& err) : err_(err) {}

    void addLine(std::string_view line) override { lines.emplace_back(line); }
    void clearLines() override { lines.clear(); }
    void showMessage(std::string_view text) override { err_ << text << '\n'; }

    std::vector<std::string> lines;

  private:
    std::ostream& err_;
};

struct ChoicesRead {
    Choices choices;
    bool ok = true;
};

// The choices the settings file has no line for, from the file beside it (when there is one).
ChoicesRead readExtraChoices(const std::filesystem::path& settingsFile, ChoicesRead read,
                             std::ostream& err) {
    const ExtraSettingsRead extra =
        readExtraSettings(extraSettingsPath(settingsFile), read.choices);
    if (!extra.status.ok()) {
        err << extra.status.error << '\n';
        read.ok = false;
        return read;
    }
    for (const std::string& line : extra.problems) {
        err << line << '\n';
    }
    read.choices = extra.choices;
    return read;
}

// The factory settings, or every choice of the settings file over them (its line 1 ignored).
ChoicesRead readChoices(const CliRequest& request, std::ostream& err) {
    ChoicesRead read{factoryChoices(request.locale), true};
    if (!request.settingsPath) {
        return read;
    }
    const std::string& path = *request.settingsPath;
    std::error_code error;
    if (!std::filesystem::exists(fileSystemPath(path), error)) {
        err << "Die Einstellungsdatei \"" << path << "\" gibt es nicht.\n";
        read.ok = false;
        return read;
    }
    const SettingsRead settings = readSettings(fileSystemPath(path), Settings{{}, read.choices});
    // A file that cannot be read is no foreign file: say why instead of "Werkseinstellung".
    if (!settings.status.ok()) {
        err << settings.status.error << '\n';
        read.ok = false;
        return read;
    }
    switch (settings.outcome) {
        case SettingsOutcome::Applied:
            break;
        case SettingsOutcome::Incomplete:
            err << "ini ?\n";
            break;
        case SettingsOutcome::Werkseinstellung:
        case SettingsOutcome::RevisionMismatch:
            err << "Die Einstellungsdatei \"" << path
                << "\" passt nicht zu diesem Programm: Werkseinstellung\n";
            break;
    }
    read.choices = settings.settings.choices;
    return readExtraChoices(fileSystemPath(path), read, err);
}

// The machine of the job time: the file's text replaces the one kept beside the settings.
ChoicesRead readMachine(const CliRequest& request, ChoicesRead read, std::ostream& err) {
    if (request.machinePath) {
        const FileBytes file = readFileBytes(fileSystemPath(*request.machinePath));
        if (!file.status.ok()) {
            err << "Die Maschinendatei \"" << *request.machinePath
                << "\" kann nicht gelesen werden: " << file.status.error << '\n';
            read.ok = false;
            return read;
        }
        if (!readMachineProfile(file.bytes).anySetting) {
            err << noSettingText(*request.machinePath) << '\n';
            read.ok = false;
            return read;
        }
        read.choices.machine = file.bytes;
    }
    for (const std::string& line : readMachineProfile(read.choices.machine).problems) {
        err << line << '\n';
    }
    return read;
}

void printLines(std::ostream& out, const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        out << line << '\n';
    }
}

// The core has shown a failed write's message already (on standard error).
int exitStatus(const WriteResult& result) {
    return result.status.ok() ? kSuccess : kNotDone;
}

// The picture of the whole board with the ticked layers and colours of the settings.
int writePreview(const CliRequest& request, const Choices& choices, ProgramState& state,
                 std::ostream& err) {
    const PreviewScene scene =
        ZEICHNEN_VORSCHAU(state.store, choices.view, choices.calibration, request.locale);
    const Status written = writeBoardPicture(state, scene, request.argument);
    if (!written.ok()) {
        err << written.error << '\n';
        return kNotDone;
    }
    return kSuccess;
}

int runCommand(const CliRequest& request, Choices& choices, ProgramState& state, Host& host,
               std::ostream& out, std::ostream& err) {
    const std::string& command = request.command;
    if (command == "list") {
        // The arguments were checked: the word names a list.
        printLines(out, figureList(state.store, cliList(request.argument).value()));
        return kSuccess;
    }
    if (command == "probe") {
        return exitStatus(writeProbeProgram(state, choices, host, request.argument));
    }
    if (request.heightMapPath && (command == "info" || command == "gcode") &&
        !loadHeightMap(state, choices, *request.heightMapPath, host).ok()) {
        return kNotDone;
    }
    if (command == "info") {
        printLines(out,
                   infoLines(state, jobFigures(state, choices, request.locale, Planning::Plan)));
        return kSuccess;
    }
    if (command == "dump") {
        const DumpLayout layout =
            request.argument == "vertical" ? DumpLayout::Vertical : DumpLayout::Horizontal;
        return exitStatus(writeDump(state.file, layout, host));
    }
    if (command == "export") {
        return exitStatus(exportMillingData(state, host));
    }
    if (command == "preview") {
        return writePreview(request, choices, state, err);
    }
    choices.parameters = exportParameters(state, choices, request.locale);
    return exitStatus(GERBER_SCHREIBEN(state, choices, host, request.argument));
}

bool fileWasRead(LoadOutcome outcome) {
    return outcome != LoadOutcome::NoFile && outcome != LoadOutcome::ReadFailed;
}

// The window says nothing when a file is empty or carries a foreign tag; a script that gets
// exit status 1 is told why.
void reportSilentStop(const LoadResult& loaded, const DrawingFile& file, std::ostream& err) {
    if (loaded.message.empty()) {
        err << loadFailureCause(loaded, file) << '\n';
    }
}

// The two outputs refuse a drawing that was not read whole themselves, with the window's words.
bool refusesItself(const std::string& command) {
    return command == "gcode" || command == "export";
}

}  // namespace

int runCli(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    const auto parsed = parseCliArguments(args, environmentLocale());
    if (const auto* usage = std::get_if<UsageError>(&parsed)) {
        err << "zrvcam-cli: " << usage->reason << '\n' << usageText();
        return kUsage;
    }
    const CliRequest& request = std::get<CliRequest>(parsed);
    std::error_code error;
    if (request.heightMapPath &&
        !std::filesystem::exists(fileSystemPath(*request.heightMapPath), error)) {
        err << "Das Tastprotokoll \"" << *request.heightMapPath << "\" gibt es nicht.\n";
        return kUsage;
    }
    ChoicesRead read = readChoices(request, err);
    if (!read.ok) {
        return kUsage;
    }
    read = readMachine(request, std::move(read), err);
    if (!read.ok) {
        return kNotDone;
    }
    if (request.command == "send") {
        return runSend(request, readMachineProfile(read.choices.machine).profile, out, err);
    }
    if (request.improveRoute) {
        read.choices.prepare.Check_BOHRUNGEN_WEG_VERBESSERN = 1;
        read.choices.prepare.Check_FRAESUNGEN_WEG_VERBESSERN = 1;
    }
    read.choices.steps.Combo_ZUSTELLUNG =
        request.passDepth.value_or(read.choices.steps.Combo_ZUSTELLUNG);
    read.choices.steps.Combo_BOHREN_IN_STUFEN =
        request.peckDepth.value_or(read.choices.steps.Combo_BOHREN_IN_STUFEN);
    CliProgress progress(err);
    const SystemClock clock(request.locale);
    Host host{progress, clock, request.locale};
    ProgramState state;
    const LoadResult loaded = DATEI_LADEN(state, request.drawing, read.choices, host);
    if (request.command == "log") {
        printLines(out, progress.lines);
    }
    // The dump studies the bytes of any file that was read, drawing or not, as the window's does.
    if (request.command == "dump" && fileWasRead(loaded.outcome)) {
        return runCommand(request, read.choices, state, host, out, err);
    }
    if (!state.loadRefusal.empty()) {
        if (refusesItself(request.command)) {
            return runCommand(request, read.choices, state, host, out, err);
        }
        reportSilentStop(loaded, state.file, err);
        return kNotDone;
    }
    if (request.command == "log") {
        return kSuccess;
    }
    return runCommand(request, read.choices, state, host, out, err);
}

}  // namespace zrv
