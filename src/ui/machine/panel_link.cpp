#include "ui/machine/panel_link.h"

#include <charconv>
#include <utility>

#include "controller/grbl_codes.h"
#include "controller/link_texts.h"

namespace zrv::panel {

namespace {

constexpr std::size_t kReceiveBuffer = 127;  // the controller's 128 bytes, one kept free
constexpr double kPollSeconds = 0.2;
constexpr double kResetWaitSeconds = 3;
constexpr std::size_t kLongestReply = 4096;
constexpr double kStandWaitSeconds = 5;  // from the hold to the reset at the latest
constexpr double kSilentSeconds = 5;     // a job whose controller says nothing for so long ends
constexpr char kReset = 0x18;
constexpr std::size_t kNoJobLine = static_cast<std::size_t>(-1);

bool startsWith(std::string_view text, std::string_view start) {
    return text.substr(0, start.size()) == start;
}

int codeAfter(std::string_view line, std::string_view prefix) {
    int code = 0;
    if (!startsWith(line, prefix)) {
        return code;
    }
    const std::string_view digits = line.substr(prefix.size());
    std::from_chars(digits.data(), digits.data() + digits.size(), code);
    return code;
}

bool readNumbers(std::string_view text, double (&values)[3]) {
    const char* at = text.data();
    const char* end = text.data() + text.size();
    for (int i = 0; i < 3; ++i) {
        const auto [next, error] = std::from_chars(at, end, values[i]);
        if (error != std::errc()) {
            return false;
        }
        at = next < end ? next + 1 : next;
    }
    return true;
}

}  // namespace

std::vector<JobLine> jobLines(const StreamProgram& program) {
    std::vector<JobLine> lines;
    for (std::size_t i = 0; i < program.lines.size(); ++i) {
        const StreamLine& line = program.lines[i];
        if (line.kind == LineKind::Nothing) {
            continue;
        }
        JobLine sent;
        sent.number = line.fileLine;
        sent.text = line.send;
        sent.pause = line.kind == LineKind::Pause;
        sent.alone = line.kind == LineKind::System || line.kind == LineKind::Eeprom;
        sent.query = line.kind == LineKind::Realtime;
        if (sent.pause) {
            for (const std::string& comment : pauseComments(program, i)) {
                sent.note += (sent.note.empty() ? "" : "\n") + comment;
            }
        }
        lines.push_back(std::move(sent));
    }
    return lines;
}

void PanelLink::receive(std::string_view bytes, double now) {
    if (!bytes.empty()) {
        askedAt_ = -1;
    }
    in_ += bytes;
    if (in_.size() > kLongestReply && in_.find('\n') == std::string::npos) {
        in_.clear();  // no controller says that much in one line: noise on the wire
    }
    for (std::size_t end = in_.find('\n'); end != std::string::npos; end = in_.find('\n')) {
        std::string text = in_.substr(0, end);
        in_.erase(0, end + 1);
        if (!text.empty() && text.back() == '\r') {
            text.pop_back();
        }
        if (!text.empty()) {
            line(text, now);
        }
    }
}

void PanelLink::line(std::string_view text, double now) {
    if (text.front() == '<') {
        status(text);
    } else if (text == "ok") {
        answer(true, text);
    } else if (startsWith(text, "error:")) {
        answer(false, text);
    } else if (startsWith(text, "ALARM:")) {
        alarm_ = true;
        status_.state = "Alarm";
        const std::string meaning =
            std::string(text) + " – " + alarmMeaning(codeAfter(text, "ALARM:"));
        if (jobActive_ && !stopping_) {
            failed(meaning);
            // The controller stopped all motion itself: it can be reset at once.
            stateKnown();
        } else {
            events_.push_back({PanelEvent::Kind::Reply, meaning});
        }
    } else if (startsWith(text, "Grbl ")) {
        sent_.clear();
        outstanding_ = 0;
        aloneWaiting_ = false;
        if (resetSent_) {
            finishStop();  // the reset of a stop
        } else if (jobActive_) {
            stopWhy_ = kRestarted;
            finishStop();
        } else {
            events_.push_back({PanelEvent::Kind::Welcome, std::string(text)});
        }
    } else if (startsWith(text, "[PRB:")) {
        events_.push_back({PanelEvent::Kind::Probe, std::string(text)});
    } else {
        events_.push_back({PanelEvent::Kind::Reply, std::string(text)});
    }
    (void)now;
}

void PanelLink::answer(bool ok, std::string_view text) {
    if (sent_.empty()) {
        if (!ok) {
            events_.push_back(
                {PanelEvent::Kind::Reply,
                 std::string(text) + " – " + errorMeaning(codeAfter(text, "error:"))});
        }
        return;
    }
    const Sent front = sent_.front();
    sent_.pop_front();
    outstanding_ -= front.length;
    if (sent_.empty()) {
        aloneWaiting_ = false;
    }
    if (front.jobIndex >= job_.size() || !jobActive_) {
        if (ok && (front.text == "$X" || front.text == "$H")) {
            alarm_ = false;
        }
        if (!ok) {
            events_.push_back(
                {PanelEvent::Kind::Reply, front.text + ": " + std::string(text) + " – " +
                                              errorMeaning(codeAfter(text, "error:"))});
        }
        return;
    }
    counted(front.jobIndex, ok, text);
}

void PanelLink::counted(std::size_t jobIndex, bool ok, std::string_view text) {
    const std::string meaning = std::string(text) + " – " + errorMeaning(codeAfter(text, "error:"));
    ++answered_;
    lastNumber_ = job_[jobIndex].number;
    if (!ok) {
        failed("Zeile " + std::to_string(lastNumber_) + ": " + meaning);
    } else if (answered_ == job_.size() && !stopping_) {
        lastAnswered_ = true;  // the machine still runs what it took
    }
}

void PanelLink::status(std::string_view report) {
    report.remove_prefix(1);
    if (!report.empty() && report.back() == '>') {
        report.remove_suffix(1);
    }
    std::vector<std::string_view> fields;
    for (std::size_t bar = report.find('|'); bar != std::string_view::npos;
         bar = report.find('|')) {
        fields.push_back(report.substr(0, bar));
        report.remove_prefix(bar + 1);
    }
    fields.push_back(report);
    // A report asked for before the last hold or cycle start may tell the state before it.
    const bool fresh = ++reports_ > staleUntil_;
    const std::string_view state = fields.front();
    const std::size_t colon = state.find(':');
    if (fresh) {
        status_.state = std::string(state.substr(0, colon));
        status_.subState =
            colon == std::string_view::npos ? "" : std::string(state.substr(colon + 1));
    }
    double machine[3];
    bool haveMachine = false;
    for (const std::string_view field : fields) {
        if (startsWith(field, "WCO:")) {
            readNumbers(field.substr(4), wco_);
        } else if (startsWith(field, "MPos:")) {
            haveMachine = readNumbers(field.substr(5), machine);
        } else if (double work[3];
                   startsWith(field, "WPos:") && readNumbers(field.substr(5), work)) {
            status_.x = work[0];
            status_.y = work[1];
            status_.z = work[2];
            status_.known = true;
        }
    }
    if (haveMachine) {
        status_.x = machine[0] - wco_[0];
        status_.y = machine[1] - wco_[1];
        status_.z = machine[2] - wco_[2];
        status_.known = true;
    }
    if (fresh) {
        stateKnown();
    }
}

void PanelLink::stateKnown() {
    if (status_.state == "Alarm") {
        alarm_ = true;
    }
    const bool standing = (status_.state == "Hold" && status_.subState == "0") ||
                          status_.state == "Idle" || status_.state == "Alarm" ||
                          status_.state == "Door";
    if (cycleStartDue_ && standing && !stopping_) {
        cycleStartDue_ = false;
        sendCycleStart();
        return;  // what the machine does next, a later report tells
    }
    if (stopping_ && !resetSent_ && standing) {
        out_ += kReset;
        resetSent_ = true;
        resetAt_ = -1;
    }
    if (lastAnswered_ && jobActive_ && !stopping_ && status_.state == "Idle") {
        lastAnswered_ = false;
        jobActive_ = false;
        events_.push_back({PanelEvent::Kind::Finished, {}});
    }
    // A cycle start of the user can pass the M0 before its pause was seen: standing idle there
    // is the pause as well.
    const bool atPause = (status_.state == "Hold" && !userHold_) || status_.state == "Idle";
    if (pausedAt_ != 0 && !pauseShown_ && sent_.empty() && atPause) {
        pauseShown_ = true;
        events_.push_back({PanelEvent::Kind::Pause, job_[pausedAt_ - 1].note});
    }
}

std::string PanelLink::take(double now) {
    if (lastPoll_ < 0 || now - lastPoll_ >= kPollSeconds || now < lastPoll_) {
        out_ += '?';
        ++polls_;
        lastPoll_ = now;
        if (askedAt_ < 0) {
            askedAt_ = now;  // the first question since the controller last spoke
        }
    }
    if (jobActive_ && !stopping_ && askedAt_ >= 0 && now - askedAt_ > kSilentSeconds) {
        failed(std::string(kSilent));
    }
    if (stopping_ && !resetSent_) {
        if (stopSince_ < 0) {
            stopSince_ = now;
        } else if (now - stopSince_ > kStandWaitSeconds) {
            out_ += kReset;  // never stood still in a report: reset anyway, the job must end
            resetSent_ = true;
            resetAt_ = -1;
        }
    }
    if (resetSent_) {
        if (resetAt_ < 0) {
            resetAt_ = now;
        } else if (now - resetAt_ > kResetWaitSeconds) {
            finishStop();  // no welcome came: the controller is gone or mute, the job ends anyway
        }
    }
    if (!stopping_) {
        sendLines();
    }
    return std::exchange(out_, {});
}

std::vector<PanelEvent> PanelLink::events() {
    return std::exchange(events_, {});
}

void PanelLink::command(std::string line) {
    commands_.push_back(std::move(line));
}

void PanelLink::realtime(char byte) {
    out_ += byte;
}

void PanelLink::hold() {
    userHold_ = true;
    cycleStartDue_ = false;
    out_ += '!';
    staleUntil_ = polls_;
    status_.state = "Hold";  // braking until a fresh report says otherwise
    status_.subState = "1";
}

// While the hold still brakes (Hold:1) the controller may drop a cycle start: it goes out once
// the machine stands.
void PanelLink::cycleStart() {
    if (status_.state == "Hold" && status_.subState != "0") {
        cycleStartDue_ = true;
    } else {
        sendCycleStart();
    }
}

void PanelLink::sendCycleStart() {
    userHold_ = false;
    out_ += '~';
    staleUntil_ = polls_;
}

void PanelLink::startJob(std::vector<JobLine> lines) {
    job_ = std::move(lines);
    lastAnswered_ = false;
    userHold_ = false;
    next_ = 0;
    answered_ = 0;
    lastNumber_ = 0;
    pausedAt_ = 0;
    pauseShown_ = false;
    jobActive_ = !job_.empty();
    if (!jobActive_) {
        events_.push_back({PanelEvent::Kind::Finished, {}});
    }
}

void PanelLink::resume(const std::vector<std::string>& first) {
    sendCycleStart();
    for (const std::string& line : first) {
        commands_.push_back(line);
    }
    pausedAt_ = 0;
    pauseShown_ = false;
}

void PanelLink::stop(std::string why) {
    if (stopping_ || !jobActive_) {
        return;
    }
    failed(std::move(why));
}

void PanelLink::lost(std::string why) {
    stopWhy_ = std::move(why);
    const bool wasRunning = jobActive_;
    finishStop();
    if (!wasRunning) {
        events_.pop_back();
    }
}

void PanelLink::failed(std::string why) {
    if (stopping_) {
        return;
    }
    stopping_ = true;
    stopWhy_ = std::move(why);
    commands_.clear();
    out_ += '!';
    staleUntil_ = polls_;
    stopSince_ = -1;
}

void PanelLink::finishStop() {
    jobActive_ = false;
    stopping_ = false;
    resetSent_ = false;
    pausedAt_ = 0;
    pauseShown_ = false;
    lastAnswered_ = false;
    userHold_ = false;
    commands_.clear();
    events_.push_back({PanelEvent::Kind::Stopped, std::exchange(stopWhy_, {})});
}

// Commands go alone, each after every earlier line was answered; job lines fill the receive
// buffer up to its size, an EEPROM write or a '$' line alone, and nothing past an M0.
void PanelLink::sendLines() {
    if (aloneWaiting_) {
        return;
    }
    if (!commands_.empty()) {
        if (!sent_.empty()) {
            return;
        }
        std::string text = std::move(commands_.front());
        commands_.pop_front();
        if (alarm_ && text != "$X" && text != "$H" && text != "$$") {
            events_.push_back(
                {PanelEvent::Kind::Reply, "Nicht gesendet (Alarm: erst entsperren): " + text});
            return;
        }
        out_ += text + '\n';
        outstanding_ += text.size() + 1;
        sent_.push_back({text.size() + 1, kNoJobLine, std::move(text)});
        aloneWaiting_ = true;
        return;
    }
    while (jobActive_ && pausedAt_ == 0 && next_ < job_.size()) {
        const JobLine& next = job_[next_];
        if (next.query) {
            out_ += '?';
            ++polls_;
            counted(next_++, true, "ok");
            continue;
        }
        const std::size_t length = next.text.size() + 1;
        if (next.alone ? !sent_.empty() : outstanding_ + length > kReceiveBuffer) {
            return;
        }
        out_ += next.text + '\n';
        outstanding_ += length;
        sent_.push_back({length, next_, next.text});
        ++next_;
        if (next.alone) {
            aloneWaiting_ = true;
            return;
        }
        if (next.pause) {
            pausedAt_ = next_;
            return;
        }
    }
}

std::string stateText(std::string_view state) {
    static constexpr std::pair<std::string_view, std::string_view> kStates[] = {
        {"Idle", "Bereit"},     {"Run", "Läuft"},          {"Hold", "Pause"},
        {"Jog", "Verfahren"},   {"Alarm", "Alarm"},        {"Door", "Tür"},
        {"Check", "Prüfmodus"}, {"Home", "Referenzfahrt"}, {"Sleep", "Ruhe"},
    };
    for (const auto& [name, german] : kStates) {
        if (name == state) {
            return std::string(german);
        }
    }
    return state.empty() ? "unbekannt" : std::string(state);
}

}  // namespace zrv::panel
