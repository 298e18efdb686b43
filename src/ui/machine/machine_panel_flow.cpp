#include "ui/machine/machine_panel_flow.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeySequence>
#include <QShortcut>
#include <algorithm>
#include <utility>

#include "base/file_names.h"
#include "base/text_file.h"
#include "controller/grbl_link.h"
#include "controller/stream_program.h"
#include "job/height_map_file.h"
#include "planner/machine_profile.h"
#include "text/number_format.h"
#include "text/number_scan.h"
#include "ui/common/qt_text.h"
#include "ui/controls/control_values.h"
#include "ui/machine/program_check.h"
#include "ui/machine/tool_change.h"
#include "ui/widgets/preview_widget.h"

namespace zrv {

namespace {

constexpr int kTickMilliseconds = 20;
constexpr double kVersionAfterSeconds = 1.5;  // a board that does not reset on opening
constexpr double kAnswerSeconds = 5;
constexpr char kJogCancel = static_cast<char>(0x85);
// The buttons -10 %, 100 %, +10 %.
constexpr Override kFeedOverride[] = {Override::FeedMinus10, Override::FeedReset,
                                      Override::FeedPlus10};

// "+X" "-X" "+Y" "-Y" "+Z" "-Z"
constexpr char kJogAxes[] = {'X', 'X', 'Y', 'Y', 'Z', 'Z'};

std::string mm(double value, NumberLocale locale) {
    return formatPattern(value, "0.00", locale);
}

}  // namespace

MachinePanelFlow::MachinePanelFlow(PanelControls& panel, PanelSurroundings around,
                                   std::unique_ptr<ControllerPort> port, QObject* parent)
    : QObject(parent), panel_(panel), around_(std::move(around)), port_(std::move(port)) {
    timer_.setInterval(kTickMilliseconds);
    connect(&timer_, &QTimer::timeout, this, &MachinePanelFlow::tick);
    clock_.start();
    connectControls();
    refreshPorts();
    enableControls();
}

MachinePanelFlow::~MachinePanelFlow() {
    timer_.stop();
    port_->close();
}

void MachinePanelFlow::connectControls() {
    PanelControls& c = panel_;
    connect(c.Command_PORTS_AKTUALISIEREN, &QPushButton::clicked, this,
            &MachinePanelFlow::refreshPorts);
    connect(c.Command_VERBINDEN, &QPushButton::clicked, this, &MachinePanelFlow::toggleConnection);
    for (std::size_t i = 0; i < c.Command_JOG.size(); ++i) {
        connect(c.Command_JOG[i], &QPushButton::pressed, this, [this, i] { jog(i); });
        connect(c.Command_JOG[i], &QPushButton::released, this, &MachinePanelFlow::cancelJog);
    }
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), c.Command_JOG[0]->window());
    connect(escape, &QShortcut::activated, this, &MachinePanelFlow::cancelJog);
    connect(c.Command_NULLPUNKT_XY, &QPushButton::clicked, this,
            [this] { send("G10 L20 P1 X0 Y0"); });
    connect(c.Command_NULLPUNKT_Z, &QPushButton::clicked, this, [this] { send("G10 L20 P1 Z0"); });
    connect(c.Command_ENTSPERREN, &QPushButton::clicked, this, &MachinePanelFlow::unlock);
    connect(c.Command_REFERENZFAHRT, &QPushButton::clicked, this, [this] { send("$H"); });
    connect(c.Command_JOB_STARTEN, &QPushButton::clicked, this, &MachinePanelFlow::startProgram);
    connect(c.Command_HOEHENKARTE_ANTASTEN, &QPushButton::clicked, this,
            &MachinePanelFlow::startProbeRun);
    connect(c.Command_PAUSE, &QPushButton::clicked, this, [this] { link_.hold(); });
    connect(c.Command_WEITER, &QPushButton::clicked, this, [this] { link_.cycleStart(); });
    connect(c.Command_STOPP, &QPushButton::clicked, this,
            [this] { link_.stop("Job gestoppt (Halt, dann Reset)"); });
    for (std::size_t i = 0; i < c.Command_VORSCHUB.size(); ++i) {
        connect(c.Command_VORSCHUB[i], &QPushButton::clicked, this,
                [this, i] { link_.realtime(static_cast<char>(kFeedOverride[i])); });
    }
}

void MachinePanelFlow::refreshPorts() {
    const QString typed = panel_.Combo_PORT->currentText();
    panel_.Combo_PORT->clear();
    for (const std::string& name : serialPortNames()) {
        panel_.Combo_PORT->addItem(qs(name));
    }
    if (!typed.isEmpty()) {
        panel_.Combo_PORT->setEditText(typed);
    }
}

void MachinePanelFlow::toggleConnection() {
    if (handshake_ != Handshake::Closed) {
        if (releaseJob("Ein Job läuft. Ihn anhalten und die Verbindung trennen?")) {
            disconnect("getrennt");
        }
        return;
    }
    portName_ = utf8(panel_.Combo_PORT->currentText().trimmed());
    const int baud = static_cast<int>(numberFromText(utf8(panel_.Combo_BAUD->currentText())));
    if (portName_.empty()) {
        refuse("Kein Anschluss gewählt: Maschine einstecken, „Aktualisieren“, dann wählen.");
        return;
    }
    if (const std::string why = port_->open(portName_, baud > 0 ? baud : 115200); !why.empty()) {
        refuse(why);
        return;
    }
    link_ = panel::PanelLink();
    handshake_ = Handshake::Waiting;
    openedAt_ = now();
    versionAsked_ = false;
    homing_ = false;
    panel_.Command_VERBINDEN->setText(QStringLiteral("Trennen"));
    panel_.Label_MASCHINE_MELDUNG->setText(qs("Warte auf die Steuerung an " + portName_ + " …"));
    timer_.start();
    enableControls();
}

void MachinePanelFlow::disconnect(const std::string& why) {
    timer_.stop();
    port_->close();
    handshake_ = Handshake::Closed;
    panel_.Command_VERBINDEN->setText(QStringLiteral("Verbinden"));
    panel_.Label_MASCHINE_ZUSTAND->setText(QStringLiteral("nicht verbunden"));
    panel_.Label_MASCHINE_MELDUNG->setText(qs(why));
    endJob();
}

void MachinePanelFlow::tick() {
    if (inTick_ || handshake_ == Handshake::Closed) {
        return;
    }
    inTick_ = true;
    if (const std::string why = port_->lost(); !why.empty()) {
        link_.lost(why + " – Job abgebrochen; nichts wird von selbst fortgesetzt");
    } else {
        const std::string bytes = port_->read();
        if (job_ == Job::Probe) {
            log_ += bytes;
        }
        link_.receive(bytes, now());
        port_->write(link_.take(now()));
    }
    for (const panel::PanelEvent& event : link_.events()) {
        handle(event);
    }
    if (const std::string why = port_->lost(); !why.empty() && handshake_ != Handshake::Closed) {
        disconnect(why);
    }
    checkHandshake();
    showStatus();
    inTick_ = false;
}

void MachinePanelFlow::handle(const panel::PanelEvent& event) {
    using Kind = panel::PanelEvent::Kind;
    switch (event.kind) {
        case Kind::Welcome:
            welcome(event.text);
            break;
        case Kind::Reply:
            reply(event.text);
            break;
        case Kind::Probe:
            ++probes_;
            break;
        case Kind::Pause:
            toolChange(event.text);
            break;
        case Kind::Finished:
            finished();
            break;
        case Kind::Stopped:
            stopped(event.text);
            break;
    }
}

void MachinePanelFlow::checkHandshake() {
    if (handshake_ != Handshake::Waiting) {
        return;
    }
    const double waited = now() - openedAt_;
    if (!versionAsked_ && waited > kVersionAfterSeconds) {
        versionAsked_ = true;
        link_.command("$I");
    }
    if (waited > kAnswerSeconds) {
        disconnect("Keine Antwort von GRBL 1.1 an " + portName_ +
                   " innerhalb von 5 s: ist es der Anschluss der Maschine, stimmt die Baudrate "
                   "(meist 115200), ist die Steuerung eingeschaltet?");
    }
}

void MachinePanelFlow::welcome(const std::string& text) {
    if (!text.starts_with("Grbl 1.1")) {
        disconnect("Keine GRBL-1.1-Steuerung an " + portName_ + ": „" + text +
                   "“. zrvcam spricht nur mit GRBL 1.1.");
        return;
    }
    if (handshake_ == Handshake::Waiting) {
        handshake_ = Handshake::Ready;
        link_.command("$$");  // its settings say whether homing is on ($22)
        enableControls();
        panel_.Label_MASCHINE_MELDUNG->setText(qs("Verbunden: " + text));
    } else if (job_ == Job::None) {
        say("Steuerung hat neu gestartet: " + text + " – Nullpunkt prüfen");
    }
}

void MachinePanelFlow::reply(const std::string& text) {
    if (text.starts_with("[VER:")) {
        if (handshake_ == Handshake::Waiting) {
            // "[VER:1.1h.20190825:]": the version is what stands before its second point.
            const std::string version = text.substr(5, text.find_first_of(":]", 5) - 5);
            welcome("Grbl " + version.substr(0, version.find('.', version.find('.') + 1)));
        }
        return;
    }
    if (text.starts_with("$22=")) {
        homing_ = text != "$22=0";
        enableControls();
        return;
    }
    if (text.starts_with("$") || text == "[MSG:'$H'|'$X' to unlock]") {
        return;
    }
    panel_.Label_MASCHINE_MELDUNG->setText(qs(text));
}

void MachinePanelFlow::showStatus() {
    const panel::PanelStatus& status = link_.status();
    const bool ready = handshake_ == Handshake::Ready;
    panel_.Label_MASCHINE_ZUSTAND->setText(ready ? qs(panel::stateText(status.state))
                                                 : QStringLiteral("nicht verbunden"));
    const NumberLocale locale = around_.host.locale;
    if (ready && status.known) {
        panel_.Label_MASCHINE_POSITION->setText(qs("X " + mm(status.x, locale) + "   Y " +
                                                   mm(status.y, locale) + "   Z " +
                                                   mm(status.z, locale)));
    }
    enableControls();
    if (job_ != Job::None) {
        showJob();
    }
}

void MachinePanelFlow::showJob() {
    const std::size_t done = link_.answered();
    const std::size_t total = link_.total();
    panel_.ProgressBar_JOB->setMaximum(static_cast<int>(std::max<std::size_t>(total, 1)));
    panel_.ProgressBar_JOB->setValue(static_cast<int>(done));
    panel_.Label_JOB->setText(qs("Zeile " + std::to_string(done) + " / " + std::to_string(total) +
                                 ", noch " +
                                 minutesText(timeline_.leftAfter(link_.lastLineNumber())) +
                                 " von " + minutesText(timeline_.total()) + " min"));
    const std::vector<Point>& path = timeline_.path();
    const std::size_t drawn = std::min(link_.lastLineNumber(), path.size());
    const panel::PanelStatus& status = link_.status();
    around_.controls.Picture1->showMachine(
        std::vector<Point>(path.begin(), path.begin() + static_cast<std::ptrdiff_t>(drawn)),
        status.known ? std::optional<Point>(Point{status.x, status.y}) : std::nullopt);
}

void MachinePanelFlow::jog(std::size_t which) {
    const double step = numberFromText(utf8(panel_.Combo_JOG_SCHRITT->currentText()));
    const double feed = numberFromText(utf8(panel_.Combo_JOG_VORSCHUB->currentText()));
    if (!(step > 0) || !(feed > 0)) {
        refuse("Schritt und Vorschub zum Verfahren müssen Zahlen über 0 sein.");
        return;
    }
    const double signedStep = which % 2 == 0 ? step : -step;
    send("$J=G91 G21 " + std::string(1, kJogAxes[which]) + commandNumber(signedStep) + " F" +
         commandNumber(feed));
}

// A button released or Escape: the jog stops where it is.
void MachinePanelFlow::cancelJog() {
    if (handshake_ == Handshake::Ready && job_ == Job::None) {
        link_.realtime(kJogCancel);
    }
}

void MachinePanelFlow::send(std::string line) {
    if (handshake_ != Handshake::Ready || job_ != Job::None) {
        return;
    }
    if (link_.alarmed() && line != "$H") {
        refuse("Steuerung im Alarmzustand: erst „Entsperren ($X)“ oder „Referenzfahrt ($H)“.");
        return;
    }
    link_.command(std::move(line));
}

void MachinePanelFlow::unlock() {
    if (handshake_ != Handshake::Ready || job_ != Job::None) {
        return;
    }
    if (around_.platform.ask(
            "Entsperren ($X) gibt die Maschine frei, ohne dass sie ihre Position kennt. Erst "
            "prüfen, was den Alarm ausgelöst hat (Endschalter, Taster, Werkzeug im Material). "
            "Jetzt entsperren?",
            around_.messageTitle)) {
        link_.command("$X");
    }
}

void MachinePanelFlow::startProgram() {
    const ProgramState& program = around_.state.program;
    const std::string path = program.file.DATEI_BASIS + ".nc";
    const CheckedProgram checked = checkedProgram(
        program, readChoices(around_.controls, around_.state), path, around_.host.locale);
    if (!checked.refusal.empty()) {
        refuse(checked.refusal);
        return;
    }
    run(path, Job::Program);
}

void MachinePanelFlow::startProbeRun() {
    ProgramState& program = around_.state.program;
    const Choices choices = readChoices(around_.controls, around_.state);
    if (!ready()) {
        return;
    }
    const WriteResult written = writeProbeProgram(program, choices, around_.host);
    if (!written.status.ok()) {
        return;  // shown by the writer
    }
    grid_ = drawingProbeGrid(program, choices, around_.host.locale).grid;
    run(written.path, Job::Probe);
}

bool MachinePanelFlow::ready() {
    if (handshake_ != Handshake::Ready) {
        refuse("Nicht verbunden: erst „Verbinden“.");
        return false;
    }
    if (link_.alarmed() || link_.status().state != "Idle") {
        refuse(link_.alarmed()
                   ? "Steuerung im Alarmzustand: erst $X oder Referenzfahrt"
                   : "Die Steuerung ist nicht bereit (" + panel::stateText(link_.status().state) +
                         "): erst warten, bis sie steht.");
        return false;
    }
    return true;
}

// The program as the controller engine reads it for streaming: what GRBL 1.1 would reject in
// the middle of the job is refused before its first byte.
void MachinePanelFlow::run(const std::string& path, Job job) {
    if (!ready()) {
        return;
    }
    const FileBytes bytes = readFileBytes(fileSystemPath(path));
    if (!bytes.status.ok()) {
        refuse(bytes.status.error);
        return;
    }
    const Choices choices = readChoices(around_.controls, around_.state);
    const PreparedProgram prepared =
        prepareProgram(bytes.bytes, readMachineProfile(choices.machine).profile);
    if (!prepared.refusals.empty()) {
        std::string text = "Job nicht gestartet:";
        for (const std::string& refusal : prepared.refusals) {
            text += "\n" + refusal;
        }
        refuse(text);
        return;
    }
    timeline_ = JobTimeline(prepared.program);
    const ProbeChoices& probe = choices.probe;
    reprobe_ = reprobeCommands(probe);
    job_ = job;
    log_.clear();
    probes_ = 0;
    jobStartedAt_ = now();
    link_.startJob(panel::jobLines(prepared.program));
    around_.lockJob(true);
    say(job == Job::Probe ? "Antasten gestartet: " + std::to_string(grid_.probes.size()) + " Punkte"
                          : "Job gestartet: " + std::to_string(link_.total()) + " Zeilen, " +
                                minutesText(timeline_.total()) + " min");
    enableControls();
}

// The program stands at its M0: the tool is changed and Z0 set again before it goes on.
void MachinePanelFlow::toolChange(const std::string& note) {
    const ToolChangeQuestion question =
        toolChangeQuestion(note, around_.state.program.heightMap.has_value());
    const std::optional<std::size_t> chosen = around_.platform.choose(
        question.text, around_.messageTitle, question.buttons, question.preset);
    if (!chosen || *chosen == kCancel) {
        link_.stop("Job beim Werkzeugwechsel abgebrochen");
    } else {
        link_.resume(*chosen == kProbeZ ? reprobe_ : std::vector<std::string>{});
    }
}

void MachinePanelFlow::finished() {
    if (job_ == Job::Probe) {
        finishProbeRun();
    } else {
        say("Job fertig: " + std::to_string(link_.total()) + " Zeilen in " +
            minutesText(now() - jobStartedAt_) + " min");
    }
    endJob();
}

void MachinePanelFlow::finishProbeRun() {
    ProgramState& program = around_.state.program;
    const std::string logPath = program.file.DATEI_BASIS + "_ANTASTEN.txt";
    if (const Status saved = writeFileAtomically(fileSystemPath(logPath), log_); !saved.ok()) {
        refuse("Tastprotokoll nicht gespeichert: " + saved.error);
        return;
    }
    loadHeightMap(program, readChoices(around_.controls, around_.state), logPath, around_.host);
    around_.mapChanged();
}

std::string MachinePanelFlow::probeFailure(const std::string& why) const {
    if (job_ != Job::Probe || !why.starts_with("ALARM:5")) {
        return why;
    }
    const std::string named = probeFailureText(grid_, probes_, around_.host.locale);
    return named.empty() ? why : named;
}

void MachinePanelFlow::stopped(const std::string& why) {
    const std::string text = probeFailure(why);
    endJob();
    refuse(text);
}

void MachinePanelFlow::endJob() {
    if (job_ == Job::None) {
        return;
    }
    job_ = Job::None;
    around_.lockJob(false);
    around_.controls.Picture1->showMachine({}, std::nullopt);
    enableControls();
}

bool MachinePanelFlow::releaseJob(std::string_view question) {
    if (job_ == Job::None) {
        return true;
    }
    if (!around_.platform.ask(question, around_.messageTitle)) {
        return false;
    }
    link_.stop("Job abgebrochen (Fenster geschlossen oder andere Zeichnung)");
    QElapsedTimer waited;
    waited.start();
    while (job_ != Job::None && waited.elapsed() < 5000) {
        tick();
        QCoreApplication::processEvents(QEventLoop::AllEvents, kTickMilliseconds);
    }
    if (job_ != Job::None) {
        link_.lost("Keine Antwort beim Anhalten");
        tick();
    }
    return true;
}

void MachinePanelFlow::say(const std::string& line) {
    around_.host.progress.addLine(line);
    panel_.Label_MASCHINE_MELDUNG->setText(qs(line));
}

void MachinePanelFlow::refuse(const std::string& text) {
    say(text);
    around_.platform.message(text, around_.messageTitle);
}

void MachinePanelFlow::enableControls() {
    const bool ready = handshake_ == Handshake::Ready;
    const bool idle = ready && job_ == Job::None;
    const bool free = idle && !link_.alarmed();
    const bool running = ready && job_ != Job::None;
    PanelControls& c = panel_;
    c.Combo_PORT->setEnabled(handshake_ == Handshake::Closed);
    c.Combo_BAUD->setEnabled(handshake_ == Handshake::Closed);
    c.Command_PORTS_AKTUALISIEREN->setEnabled(handshake_ == Handshake::Closed);
    for (QPushButton* button : c.Command_JOG) {
        button->setEnabled(free);
    }
    for (QWidget* widget :
         std::initializer_list<QWidget*>{c.Command_NULLPUNKT_XY, c.Command_NULLPUNKT_Z,
                                         c.Command_JOB_STARTEN, c.Command_HOEHENKARTE_ANTASTEN}) {
        widget->setEnabled(free);
    }
    c.Command_ENTSPERREN->setEnabled(idle && link_.alarmed());
    c.Command_REFERENZFAHRT->setEnabled(idle && homing_);
    for (QWidget* widget :
         std::initializer_list<QWidget*>{c.Command_PAUSE, c.Command_WEITER, c.Command_STOPP}) {
        widget->setEnabled(running);
    }
    for (QPushButton* button : c.Command_VORSCHUB) {
        button->setEnabled(running);
    }
}

}  // namespace zrv
