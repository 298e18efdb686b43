#include "ui/machine/job_run_flow.h"

#include <QCoreApplication>
#include <algorithm>
#include <optional>
#include <utility>

#include "base/file_names.h"
#include "base/text_file.h"
#include "controller/link_texts.h"
#include "controller/stream_program.h"
#include "job/height_map_file.h"
#include "job/job_time.h"
#include "planner/machine_profile.h"
#include "ui/common/qt_text.h"
#include "ui/controls/control_values.h"
#include "ui/machine/program_check.h"
#include "ui/machine/tool_change.h"
#include "ui/widgets/preview_widget.h"

namespace zrv {

namespace {

constexpr int kTickMilliseconds = 20;
constexpr qint64 kStopWaitMilliseconds = 5000;
constexpr std::string_view kGivenUp =
    "Keine Antwort beim Anhalten – Verbindung getrennt, Position unsicher";

}  // namespace

JobRunFlow::JobRunFlow(PanelControls& panel, PanelSurroundings& around, GrblLink& link,
                       const QElapsedTimer& clock, std::function<bool()> ready,
                       std::function<void()> changed)
    : panel_(panel),
      around_(around),
      link_(link),
      clock_(clock),
      ready_(std::move(ready)),
      changed_(std::move(changed)) {}

void JobRunFlow::received(std::string_view bytes) {
    if (job_ == Job::Probe) {
        log_ += bytes;
    }
}

void JobRunFlow::handle(const LinkEvent& event) {
    switch (event.kind) {
        case LinkEventKind::Probe:
            ++probes_;
            break;
        case LinkEventKind::Paused:
            toolChange(event.comments);
            break;
        case LinkEventKind::Finished:
            finished();
            break;
        case LinkEventKind::Stopped:
        case LinkEventKind::Refused:
            stopped(event.text);
            break;
        default:
            break;
    }
}

void JobRunFlow::show() {
    const std::size_t done = link_.linesDone();
    const std::size_t total = lines_;
    panel_.ProgressBar_JOB->setMaximum(static_cast<int>(std::max<std::size_t>(total, 1)));
    panel_.ProgressBar_JOB->setValue(static_cast<int>(done));
    panel_.Label_JOB->setText(
        qs("Zeile " + std::to_string(done) + " / " + std::to_string(total) + ", noch " +
           minutesText(std::max(0.0, link_.secondsTotal() - link_.secondsDone())) + " von " +
           minutesText(link_.secondsTotal()) + " min"));
    const auto& position = link_.status().workPosition;
    around_.controls.Picture1->showMachine(
        link_.lastFileLine(),
        position ? std::optional<Point>(Point{(*position)[0], (*position)[1]}) : std::nullopt);
}

void JobRunFlow::startProgram() {
    const ProgramState& program = around_.state.program;
    const std::string path = program.file.DATEI_BASIS + ".nc";
    const Choices choices = readChoices(around_.controls, around_.state);
    const CheckedProgram checked = checkedProgram(program, choices, path, around_.host.locale);
    if (!checked.refusal.empty()) {
        refuse(checked.refusal);
        return;
    }
    if (!ready_()) {
        return;
    }
    run(checked.bytes, Job::Program, choices);
}

void JobRunFlow::startProbeRun() {
    ProgramState& program = around_.state.program;
    const Choices choices = readChoices(around_.controls, around_.state);
    if (!ready_()) {
        return;
    }
    const WriteResult written = writeProbeProgram(program, choices, around_.host);
    if (!written.status.ok()) {
        return;  // shown by the writer
    }
    grid_ = drawingProbeGrid(program, choices, around_.host.locale).grid;
    const FileBytes bytes = readFileBytes(fileSystemPath(written.path));
    if (!bytes.status.ok()) {
        refuse(bytes.status.error);
        return;
    }
    run(bytes.bytes, Job::Probe, choices);
}

// The program as the controller engine reads it for streaming: what GRBL 1.1 would reject in
// the middle of the job is refused before its first byte.
void JobRunFlow::run(std::string_view bytes, Job job, const Choices& choices) {
    PreparedProgram prepared = prepareProgram(bytes, readMachineProfile(choices.machine).profile);
    if (!prepared.refusals.empty()) {
        std::string text;
        for (const std::string& refusal : prepared.refusals) {
            text += (text.empty() ? "" : "\n") + std::string(kProgramRefused) + refusal;
        }
        refuse(text);
        return;
    }
    around_.controls.Picture1->showMachinePath(std::move(prepared.toolPath));
    const ProbeChoices& probe = choices.probe;
    reprobe_ = reprobeCommands(probe);
    job_ = job;
    log_.clear();
    probes_ = 0;
    jobStartedAt_ = now();
    lines_ = static_cast<std::size_t>(
        std::count_if(prepared.program.lines.begin(), prepared.program.lines.end(),
                      [](const StreamLine& line) { return line.kind != LineKind::Nothing; }));
    const double seconds = prepared.program.seconds;
    link_.start(std::move(prepared.program), linkNow());
    around_.lockJob(true);
    say(job == Job::Probe ? "Antasten gestartet: " + std::to_string(grid_.probes.size()) + " Punkte"
                          : "Job gestartet: " + std::to_string(lines_) + " Zeilen, " +
                                minutesText(seconds) + " min");
    changed_();
}

// The program stands at its M0: the tool is changed and Z0 set again before it goes on.
void JobRunFlow::toolChange(const std::vector<std::string>& comments) {
    std::string note;
    for (const std::string& comment : comments) {
        note += (note.empty() ? "" : "\n") + comment;
    }
    const ToolChangeQuestion question =
        toolChangeQuestion(note, around_.state.program.heightMap.has_value());
    const std::optional<std::size_t> chosen = around_.platform.choose(
        question.text, around_.messageTitle, question.buttons, question.preset);
    if (!chosen || *chosen == kCancel) {
        link_.stop("Job beim Werkzeugwechsel abgebrochen", linkNow());
        return;
    }
    // The probe's lines wait behind the M0 and go once the resume has ended the pause.
    for (const std::string& line : *chosen == kProbeZ ? reprobe_ : std::vector<std::string>{}) {
        if (std::string refusal = link_.command(line, linkNow()); !refusal.empty()) {
            link_.stop(std::move(refusal), linkNow());
            return;
        }
    }
    link_.resume(linkNow());
}

void JobRunFlow::finished() {
    if (job_ == Job::Probe) {
        finishProbeRun();
    } else {
        say("Job fertig: " + std::to_string(lines_) + " Zeilen in " +
            minutesText(now() - jobStartedAt_) + " min");
    }
    end();
}

void JobRunFlow::finishProbeRun() {
    ProgramState& program = around_.state.program;
    const std::string logPath = program.file.DATEI_BASIS + "_ANTASTEN.txt";
    if (const Status saved = writeFileAtomically(fileSystemPath(logPath), log_); !saved.ok()) {
        refuse("Tastprotokoll nicht gespeichert: " + saved.error);
        return;
    }
    loadHeightMap(program, readChoices(around_.controls, around_.state), logPath, around_.host);
    around_.mapChanged();
}

std::string JobRunFlow::probeFailure(const std::string& why) const {
    if (job_ != Job::Probe || !why.starts_with("ALARM:5")) {
        return why;
    }
    const std::string named = probeFailureText(grid_, probes_, around_.host.locale);
    return named.empty() ? why : named;
}

void JobRunFlow::stopped(const std::string& why) {
    const std::string text = givenUp_ ? std::string(kGivenUp) : probeFailure(why);
    end();
    refuse(text);
}

void JobRunFlow::end() {
    if (job_ == Job::None) {
        return;
    }
    job_ = Job::None;
    around_.lockJob(false);
    around_.controls.Picture1->showMachinePath({});
    around_.controls.Picture1->showMachine(0, std::nullopt);
    changed_();
}

bool JobRunFlow::release(std::string_view question, const std::function<void()>& tick) {
    if (job_ == Job::None) {
        return true;
    }
    if (!around_.platform.ask(question, around_.messageTitle)) {
        return false;
    }
    link_.stop("Job abgebrochen (Fenster geschlossen oder andere Zeichnung)", linkNow());
    QElapsedTimer waited;
    waited.start();
    while (job_ != Job::None && waited.elapsed() < kStopWaitMilliseconds) {
        tick();
        QCoreApplication::processEvents(QEventLoop::AllEvents, kTickMilliseconds);
    }
    if (job_ != Job::None) {
        // No answer to the stop: the link gives the controller up and sends nothing more.
        givenUp_ = true;
        link_.portLost(linkNow());
        tick();
        givenUp_ = false;
    }
    return true;
}

}  // namespace zrv
