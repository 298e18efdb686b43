#include "ui/platform/outside_programs.h"

#include <filesystem>
#include <system_error>

#include "base/file_names.h"
#include "settings/command_lines.h"
#include "ui/common/file_facts.h"

namespace zrv {

namespace {

#ifdef _WIN32
constexpr const char* kRootFolder = "C:\\";
constexpr const char* kProgramFilter = "(*.exe)|*.exe|alle(*.*)|*.*";
#else
constexpr const char* kRootFolder = "/";
// Programs here carry no ".exe": every file is offered first.
constexpr const char* kProgramFilter = "alle(*.*)|*.*|(*.exe)|*.exe";
#endif
constexpr const char* kTextFilter = "TXT(*.txt)|*.txt|alle(*.*)|*.*";

}  // namespace

void startEditor(Platform& platform, std::string_view editor, std::string_view file,
                 std::string_view messageTitle) {
    const OutsideCommand command = outsideCommand(editor, file);
    const StartResult started = platform.startProcess(command.program, command.argument);
    if (!started.ok()) {
        platform.message(started.error, messageTitle);
    }
}

OutsidePrograms::OutsidePrograms(WindowState& state, Platform& platform, const WindowSetup& setup,
                                 std::function<void()> endProgram)
    : state_(state), platform_(platform), setup_(setup), endProgram_(std::move(endProgram)) {}

void OutsidePrograms::message(std::string_view text) {
    platform_.message(text, setup_.programName);
}

void OutsidePrograms::chooseProgram(std::string& programPath, std::string_view folder) {
    const std::optional<std::string> chosen = platform_.openFile("öffnen", folder, kProgramFilter);
    if (!chosen) {
        message("Abgebrochen: kein Programm gewählt");
        return;
    }
    programPath = *chosen;
}

// The dialog opens where the stored program is (in its folder when it names a file).
void OutsidePrograms::choose(std::string& programPath) {
    chooseProgram(programPath, programPath);
}

void OutsidePrograms::chooseEditor() {
    chooseProgram(state_.paths.PROGRAMM_EDITOR, kRootFolder);
}

void OutsidePrograms::MENUE_EDIT_DATEI_Click() {
    const std::optional<std::string> chosen =
        platform_.openFile("öffnen", textOf(setup_.folder.folder / "_DATEN"), kTextFilter);
    if (!chosen) {
        message("Abgebrochen: keine Datei gewählt");
        return;
    }
    startEditor(platform_, state_.paths.PROGRAMM_EDITOR, *chosen, setup_.programName);
}

// While the editor started last still runs it is only brought to the front; it does not open
// the drawing a second time.
void OutsidePrograms::MENUE_ZIRVA_Click() {
    const DrawingFile& file = state_.program.file;
    if (file.DATEI_NAME.find(".zrv") == std::string::npos) {
        message("no *.zrv Datei");
        return;
    }
    if (state_.TASK_ZIRVA > 0 && !platform_.bringToFront(state_.TASK_ZIRVA)) {
        state_.TASK_ZIRVA = 0;
    }
    if (state_.TASK_ZIRVA > 0) {
        return;
    }
    const OutsideCommand command = zirvaCommand(state_.paths, file.DATEI_VERSION, file.DATEI_NAME);
    if (command.program.empty()) {
        return;  // a version without its own editor: nothing can be started
    }
    const StartResult started = platform_.startProcess(command.program, command.argument);
    if (started.notFound) {
        message("Bitte unter -Optionen- ein Zirva Programm einstellen");
    }
    state_.TASK_ZIRVA = started.ok() ? started.taskId : 0;
}

// The sender would open a file that is not there, or run a program from before the drawing was
// changed; the older one only when the user says so.
bool OutsidePrograms::programUpToDate(const std::string& program) {
    std::error_code error;
    const auto written = std::filesystem::last_write_time(fileSystemPath(program), error);
    if (error) {
        message("Kein Programm zur Zeichnung: \"" + program +
                "\" fehlt. Bitte zuerst das Programm erzeugen (Export).");
        return false;
    }
    const auto drawn =
        std::filesystem::last_write_time(fileSystemPath(state_.program.file.DATEI_NAME), error);
    if (error || written >= drawn) {
        return true;
    }
    return platform_.ask("Das Programm \"" + program +
                             "\" ist älter als die Zeichnung. Den Sender trotzdem mit diesem "
                             "Programm starten?",
                         setup_.programName);
}

// The program ends only when the sender runs: a failed start says why and keeps it open, so
// the sender can be chosen under "Optionen".
void OutsidePrograms::MENUE_CNC_Click() {
    const CncStart cnc = cncCommand(state_.paths, state_.program.file.DATEI_NAME);
    if (!cnc.message.empty()) {
        message(cnc.message);
        return;
    }
    if (cnc.command.program.empty()) {
        message("no *.zrv Datei");
        return;
    }
    if (!programUpToDate(cnc.command.argument)) {
        return;
    }
    const StartResult started = platform_.startProcess(cnc.command.program, cnc.command.argument);
    if (!started.ok()) {
        message(started.error);
        return;
    }
    endProgram_();
}

}  // namespace zrv
