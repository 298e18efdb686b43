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
constexpr double kVersionAfterSeconds = 1.5;  // a board that does not reset on opening
constexpr double kAnswerSeconds = 5;
constexpr char kJogCancel = static_cast<char>(0x85);
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

}  // namespace

MachinePanelFlow::MachinePanelFlow(PanelControls& panel, PanelSurroundings around,
                                   std::unique_ptr<ControllerPort> port, QObject* parent)
    : QObject(parent),
      panel_(panel),
      around_(std::move(around)),
      port_(std::move(port)),
      job_(
          panel_, around_, link_, [this] { return ready(); }, [this] { enableControls(); }) {
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
    job_.end();
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
        job_.received(bytes);
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
        default:
            job_.handle(event);
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
    } else if (!job_.running()) {
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
    if (handshake_ == Handshake::Ready && !job_.running()) {
        link_.realtime(kJogCancel);
    }
}

void MachinePanelFlow::send(std::string line) {
    if (handshake_ != Handshake::Ready || job_.running()) {
        return;
    }
    if (link_.alarmed() && line != "$H") {
        refuse("Steuerung im Alarmzustand: erst „Entsperren ($X)“ oder „Referenzfahrt ($H)“.");
        return;
    }
    link_.command(std::move(line));
}

void MachinePanelFlow::unlock() {
    if (handshake_ != Handshake::Ready || job_.running()) {
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

bool MachinePanelFlow::ready() {
    if (handshake_ != Handshake::Ready) {
        refuse("Nicht verbunden: erst „Verbinden“.");
        return false;
    }
    if (link_.alarmed() || link_.status().state != "Idle") {
        refuse(link_.alarmed()
                   ? std::string(kAlarmState)
                   : "Die Steuerung ist nicht bereit (" + panel::stateText(link_.status().state) +
                         "): erst warten, bis sie steht.");
        return false;
    }
    return true;
}

bool MachinePanelFlow::releaseJob(std::string_view question) {
    return job_.release(question, [this] { tick(); });
}

void MachinePanelFlow::enableControls() {
    const bool ready = handshake_ == Handshake::Ready;
    const bool idle = ready && !job_.running();
    const bool free = idle && !link_.alarmed();
    const bool running = ready && job_.running();
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
