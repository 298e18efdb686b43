#include "ui/machine/machine_panel_flow.h"

#include <QAbstractButton>
#include <QKeySequence>
#include <QShortcut>
#include <utility>

#include "controller/grbl_link.h"
#include "controller/link_texts.h"
#include "text/number_format.h"
#include "text/number_scan.h"
#include "ui/common/qt_text.h"
#include "ui/machine/tool_change.h"

namespace zrv {

namespace {

constexpr int kTickMilliseconds = 20;
constexpr double kLongestJog = 1000;    // mm
constexpr double kFastestJog = 100000;  // mm/min
// The buttons -10 %, 100 %, +10 %.
constexpr Override kFeedOverride[] = {Override::FeedMinus10, Override::FeedReset,
                                      Override::FeedPlus10};

// "+X" "-X" "+Y" "-Y" "+Z" "-Z"
constexpr char kJogAxes[] = {'X', 'X', 'Y', 'Y', 'Z', 'Z'};

std::string mm(double value, NumberLocale locale) {
    return formatPattern(value, "0.00", locale);
}

// The state in German: "Bereit", "Läuft", "Pause", "Alarm", "Tür", ...
std::string stateText(MachineState state) {
    switch (state) {
        case MachineState::Idle:
            return "Bereit";
        case MachineState::Run:
            return "Läuft";
        case MachineState::Hold:
            return "Pause";
        case MachineState::Jog:
            return "Verfahren";
        case MachineState::Alarm:
            return "Alarm";
        case MachineState::Door:
            return "Tür";
        case MachineState::Check:
            return "Prüfmodus";
        case MachineState::Home:
            return "Referenzfahrt";
        case MachineState::Sleep:
            return "Ruhe";
        case MachineState::Unknown:
            break;
    }
    return "unbekannt";
}

}  // namespace

MachinePanelFlow::MachinePanelFlow(PanelControls& panel, PanelSurroundings around,
                                   std::unique_ptr<ControllerPort> port, QObject* parent)
    : QObject(parent),
      panel_(panel),
      around_(std::move(around)),
      port_(std::move(port)),
      job_(
          panel_, around_, link_, clock_, [this] { return ready(); },
          [this] { enableControls(); }) {
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
    connect(c.Command_JOB_STARTEN, &QPushButton::clicked, this, [this] { job_.startProgram(); });
    connect(c.Command_HOEHENKARTE_ANTASTEN, &QPushButton::clicked, this,
            [this] { job_.startProbeRun(); });
    connect(c.Command_PAUSE, &QPushButton::clicked, this, [this] { link_.pause(); });
    connect(c.Command_WEITER, &QPushButton::clicked, this, [this] { link_.resume(now()); });
    connect(c.Command_STOPP, &QPushButton::clicked, this,
            [this] { link_.stop("Job gestoppt (Halt, dann Reset)", now()); });
    for (std::size_t i = 0; i < c.Command_VORSCHUB.size(); ++i) {
        connect(c.Command_VORSCHUB[i], &QPushButton::clicked, this,
                [this, i] { link_.override(kFeedOverride[i]); });
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
    if (connected_) {
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
    link_ = GrblLink(now());
    connected_ = true;
    homing_ = false;
    portLost_.clear();
    closed_.clear();
    panel_.Command_VERBINDEN->setText(QStringLiteral("Trennen"));
    panel_.Label_MASCHINE_MELDUNG->setText(qs("Warte auf die Steuerung an " + portName_ + " …"));
    timer_.start();
    enableControls();
}

void MachinePanelFlow::disconnect(const std::string& why) {
    timer_.stop();
    port_->close();
    connected_ = false;
    panel_.Command_VERBINDEN->setText(QStringLiteral("Verbinden"));
    panel_.Label_MASCHINE_ZUSTAND->setText(QStringLiteral("nicht verbunden"));
    panel_.Label_MASCHINE_MELDUNG->setText(qs(why));
    job_.end();
}

void MachinePanelFlow::tick() {
    if (inTick_ || !connected_) {
        return;
    }
    inTick_ = true;
    if (portLost_ = port_->lost(); !portLost_.empty()) {
        link_.portLost(now());
    } else {
        const std::string bytes = port_->read();
        job_.received(bytes);
        link_.received(bytes, now());
        link_.tick(now());
    }
    flush();
    if (link_.phase() == LinkPhase::Closed && connected_) {
        disconnect(!portLost_.empty() ? portLost_
                   : !closed_.empty() ? closed_
                                      : std::string(kPortLost));
    }
    showStatus();
    inTick_ = false;
}

// The link's bytes to the port as they are, then what happened.
void MachinePanelFlow::flush() {
    std::string bytes;
    for (const Outgoing& out : link_.takeOutgoing()) {
        if (out.kind == Outgoing::Kind::Line) {
            bytes += out.line;
        } else {
            bytes.push_back(static_cast<char>(out.byte));
        }
    }
    if (!bytes.empty() && portLost_.empty()) {
        port_->write(bytes);
    }
    for (LinkEvent& event : link_.takeEvents()) {
        handle(event);
    }
}

void MachinePanelFlow::handle(const LinkEvent& event) {
    switch (event.kind) {
        case LinkEventKind::Ready:
            link_.query("$$", now());  // its settings say whether homing is on ($22)
            panel_.Label_MASCHINE_MELDUNG->setText(qs("Verbunden: " + event.text));
            enableControls();
            return;
        case LinkEventKind::Reply:
            reply(event.text);
            return;
        case LinkEventKind::Alarm:
            if (!job_.running()) {
                panel_.Label_MASCHINE_MELDUNG->setText(qs(event.text));
            }
            return;
        case LinkEventKind::Refused:
            if (link_.phase() == LinkPhase::Closed) {
                closed_ = portName_ + ": " + event.text;
            }
            job_.handle(event);
            return;
        case LinkEventKind::Stopped: {
            LinkEvent stopped = event;
            if (!portLost_.empty()) {
                stopped.text = portLost_ + " – Job abgebrochen; nichts wird von selbst fortgesetzt";
            }
            job_.handle(stopped);
            return;
        }
        case LinkEventKind::Probe:
        case LinkEventKind::Paused:
        case LinkEventKind::Finished:
            job_.handle(event);
            return;
        default:
            return;
    }
}

void MachinePanelFlow::reply(const std::string& text) {
    if (text.starts_with("$22=")) {
        homing_ = text != "$22=0";
        enableControls();
        return;
    }
    if (text == kFreshBoot) {  // right after "Verbunden: …"
        panel_.Label_MASCHINE_MELDUNG->setText(panel_.Label_MASCHINE_MELDUNG->text() + ". " +
                                               qs(text));
        return;
    }
    if (text.starts_with("Grbl ")) {  // a restart while no job runs
        say("Steuerung hat neu gestartet: " + text + " – Nullpunkt prüfen");
        return;
    }
    if (text.starts_with("$") || text.starts_with("[VER:") || text.starts_with("[OPT:") ||
        text == "[MSG:'$H'|'$X' to unlock]") {
        return;
    }
    panel_.Label_MASCHINE_MELDUNG->setText(qs(text));
}

void MachinePanelFlow::showStatus() {
    const MachineStatus& status = link_.status();
    const bool ready = linkReady();
    panel_.Label_MASCHINE_ZUSTAND->setText(ready ? qs(stateText(status.state))
                                                 : QStringLiteral("nicht verbunden"));
    const NumberLocale locale = around_.host.locale;
    if (ready && status.workPosition) {
        const auto& [x, y, z] = *status.workPosition;
        panel_.Label_MASCHINE_POSITION->setText(
            qs("X " + mm(x, locale) + "   Y " + mm(y, locale) + "   Z " + mm(z, locale)));
    }
    enableControls();
    if (job_.running()) {
        job_.show();
    }
}

void MachinePanelFlow::jog(std::size_t which) {
    const double step = numberFromText(utf8(panel_.Combo_JOG_SCHRITT->currentText()));
    const double feed = numberFromText(utf8(panel_.Combo_JOG_VORSCHUB->currentText()));
    // No small router travels a metre or feeds 100 m/min: such a number is a slip of the keys.
    if (!(step > 0) || !(feed > 0) || step > kLongestJog || feed > kFastestJog) {
        refuse(
            "Schritt und Vorschub zum Verfahren müssen Zahlen über 0 sein (Schritt höchstens "
            "1000 mm, Vorschub höchstens 100000 mm/min).");
        return;
    }
    const double signedStep = which % 2 == 0 ? step : -step;
    send("$J=G91 G21 " + std::string(1, kJogAxes[which]) + commandNumber(signedStep) + " F" +
         commandNumber(feed));
}

// A button released or Escape: the jog stops where it is.
void MachinePanelFlow::cancelJog() {
    if (linkReady() && !job_.running()) {
        link_.cancelJog();
    }
}

void MachinePanelFlow::send(const std::string& line) {
    if (!linkReady() || job_.running()) {
        return;
    }
    if (const std::string refusal = link_.command(line, now()); !refusal.empty()) {
        refuse(refusal);
    }
}

void MachinePanelFlow::unlock() {
    if (!linkReady() || job_.running()) {
        return;
    }
    if (around_.platform.ask(
            "Entsperren ($X) gibt die Maschine frei, ohne dass sie ihre Position kennt. Erst "
            "prüfen, was den Alarm ausgelöst hat (Endschalter, Taster, Werkzeug im Material). "
            "Jetzt entsperren?",
            around_.messageTitle)) {
        send("$X");
    }
}

bool MachinePanelFlow::ready() {
    if (!linkReady()) {
        refuse("Nicht verbunden: erst „Verbinden“.");
        return false;
    }
    if (link_.alarmed() || link_.status().state != MachineState::Idle) {
        refuse(link_.alarmed()
                   ? std::string(kAlarmState)
                   : "Die Steuerung ist nicht bereit (" + stateText(link_.status().state) +
                         "): erst warten, bis sie steht.");
        return false;
    }
    return true;
}

bool MachinePanelFlow::linkReady() const {
    return connected_ && link_.phase() != LinkPhase::Connecting &&
           link_.phase() != LinkPhase::Closed;
}

bool MachinePanelFlow::releaseJob(std::string_view question) {
    return job_.release(question, [this] { tick(); });
}

void MachinePanelFlow::enableControls() {
    const bool ready = linkReady();
    const bool idle = ready && !job_.running();
    const bool free = idle && !link_.alarmed();
    const bool running = ready && job_.running();
    PanelControls& c = panel_;
    c.Combo_PORT->setEnabled(!connected_);
    c.Combo_BAUD->setEnabled(!connected_);
    c.Command_PORTS_AKTUALISIEREN->setEnabled(!connected_);
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
