#include "controller/grbl_link.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "controller/grbl_codes.h"
#include "controller/link_texts.h"
#include "controller/replies.h"
#include "gcode/comment_text.h"
#include "text/trimmed.h"

namespace zrv {
namespace {

using namespace std::chrono_literals;

constexpr std::size_t kReceiveBuffer = 128;  // the controller's serial receive buffer
constexpr std::size_t kMostOutstanding = kReceiveBuffer - 1;
constexpr LinkTime kPollEvery = 200ms;         // the interface's advice: at most 5 a second
constexpr LinkTime kAskVersionAfter = 2500ms;  // a board that reset on open is up by then
constexpr LinkTime kAnswerWithin = 5s;
constexpr LinkTime kSilentAfter = 5s;
// A homing cycle sends nothing, not even status reports, until it ends: up to 1.5 times the
// travel of each axis at the seek rate, minutes on a slow machine.
constexpr LinkTime kHomingWithin = 5min;
constexpr LinkTime kHoldWithin = 5s;
constexpr std::size_t kLongestLine = 1024;  // more without a line end is noise
constexpr int kStillReportsNeeded = 2;
// A report that comes this long after a real-time byte was sent answers a later question.
constexpr LinkTime kFreshAfter = 100ms;
// A hold still standing this long after the "~" that ended an M0's pause, with no motion seen
// in between, means the "~" never took. Reports before it may be late answers from before it.
constexpr LinkTime kResumeLostAfter = 2s;
constexpr std::uint8_t kJogCancel = 0x85;

std::string lineNumber(std::size_t fileLine) {
    return "Zeile " + std::to_string(fileLine);
}

// The forms of GRBL 1.1's lines that carry no meaning for streaming: messages and answers in
// brackets, settings, the echo of a startup line.
bool otherForm(std::string_view line) {
    return (line.front() == '[' && line.back() == ']') || line.front() == '$' ||
           line.front() == '>';
}

// G10 L2/L20, G28.1, G30.1 and the settings "$n=" (a jog "$J=" writes nothing).
bool writesEeprom(const StreamLine& line) {
    return line.kind == LineKind::Eeprom ||
           (line.kind == LineKind::System && line.send.find('=') != std::string::npos &&
            !line.send.starts_with("$J="));
}

}  // namespace

GrblLink::GrblLink(LinkTime now, bool reportReceived)
    : reportReceived_(reportReceived), phaseSince_(now), lastPoll_(now), lastHeard_(now) {}

void GrblLink::received(std::string_view bytes, LinkTime now) {
    if (phase_ == LinkPhase::Closed) {
        return;
    }
    lastHeard_ = now;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        const std::size_t room = kLongestLine - std::min(kLongestLine, partial_.size());
        if (end == std::string_view::npos && bytes.size() < room) {
            partial_.append(bytes);
            break;
        }
        // A line end, or so many bytes without one that they are noise: one line either way.
        const std::size_t take = std::min(end == std::string_view::npos ? bytes.size() : end, room);
        partial_.append(bytes.substr(0, take));
        bytes.remove_prefix(take == end ? take + 1 : take);
        if (!partial_.empty() && partial_.back() == '\r') {
            partial_.pop_back();
        }
        if (!partial_.empty()) {
            handleLine(partial_, now);
        }
        partial_.clear();
        if (phase_ == LinkPhase::Closed) {
            return;
        }
    }
    pump();
}

void GrblLink::handleLine(std::string_view line, LinkTime now) {
    if (reportReceived_) {
        event(LinkEventKind::Received, std::string(line));
    }
    if (line == "ok") {  // nearly every line: spare it the whole reading
        handleOk(now);
        return;
    }
    const Reply reply = readReply(line);
    switch (reply.kind) {
        case ReplyKind::Ok:
            handleOk(now);
            return;
        case ReplyKind::Error:
            handleError(reply.code, now);
            return;
        case ReplyKind::Alarm:
            handleAlarm(reply.code, now);
            return;
        case ReplyKind::Welcome:
            handleWelcome(line, reply.grbl11, now);
            return;
        case ReplyKind::Status:
            handleStatus(reply, line, now);
            return;
        case ReplyKind::Version:
            if (phase_ == LinkPhase::Connecting) {
                identify(line, reply.grbl11, false);
            }
            break;
        case ReplyKind::Probe:
            // The "$#" answer carries the last probe too: only a probing move's report counts.
            if (outstanding_.empty() || !outstanding_.front().parameters) {
                event(LinkEventKind::Probe, std::string(line)).probe = reply.probe;
                return;
            }
            break;
        case ReplyKind::Other:
            if (!otherForm(line)) {
                unreadable(line, now);
                return;
            }
            break;
    }
    event(LinkEventKind::Reply, std::string(line));
}

// A line none of GRBL's forms is a damaged one: it may have been an "error:" or an "ok", and
// every later "ok" would then be counted against the wrong line.
void GrblLink::unreadable(std::string_view line, LinkTime now) {
    std::string text = std::string(kUnreadable) + "„" + commentSafe(line) + "“";
    if (phase_ == LinkPhase::Checking) {
        refuse(std::move(text));
    } else if (phase_ == LinkPhase::Streaming) {
        beginStop(text + std::string(kUnreadableEnd), now);
    } else {
        event(LinkEventKind::Reply, std::move(text));
    }
}

void GrblLink::identify(std::string_view line, bool grbl11, bool welcome) {
    if (!grbl11) {
        close(std::string(kNotGrbl11) + "„" + std::string(line) + "“");
        return;
    }
    phase_ = LinkPhase::Ready;
    event(LinkEventKind::Ready, std::string(line));
    if (welcome) {
        // A boot clears the machine position and G92: a zero set before no longer fits.
        event(LinkEventKind::Reply, std::string(kFreshBoot));
    }
    sendByte('?');
}

void GrblLink::close(std::string reason) {
    phase_ = LinkPhase::Closed;
    event(LinkEventKind::Refused, std::move(reason));
}

void GrblLink::handleWelcome(std::string_view line, bool grbl11, LinkTime now) {
    // A reset empties the receive buffer: whatever was outstanding or waiting is gone.
    commands_.clear();
    outstanding_.clear();
    outstandingBytes_ = 0;
    userHeld_ = false;
    switch (phase_) {
        case LinkPhase::Connecting:
            identify(line, grbl11, true);
            return;
        case LinkPhase::Stopping:
            if (resetSent_) {
                endStop();
                return;
            }
            [[fallthrough]];
        case LinkPhase::Checking:
        case LinkPhase::Streaming:
            stopReason_ = std::string(kRestarted);
            endStop();
            return;
        case LinkPhase::Ready:
        case LinkPhase::Closed:
            event(LinkEventKind::Reply, std::string(line));
            lastPoll_ = now;
            sendByte('?');
            return;
    }
}

void GrblLink::handleStatus(const Reply& reply, std::string_view line, LinkTime now) {
    if (reply.workOffset) {
        workOffset_ = reply.workOffset;
    }
    status_ = reply.status;
    if (!status_.workPosition && status_.machinePosition && workOffset_) {
        const auto& m = *status_.machinePosition;
        const auto& o = *workOffset_;
        status_.workPosition = std::array<double, 3>{m[0] - o[0], m[1] - o[1], m[2] - o[2]};
    }
    if (showNextStatus_) {
        showNextStatus_ = false;
        event(LinkEventKind::Reply, std::string(line));
    }
    const bool idle = status_.state == MachineState::Idle;
    idleReports_ = idle ? idleReports_ + 1 : 0;
    switch (phase_) {
        case LinkPhase::Checking:
            check();
            return;
        case LinkPhase::Streaming:
            // "~" during the hold's braking is ignored by the controller: ask again once held.
            // With lines before the M0 unanswered the hold cannot be the M0's pause.
            if (resumeWanted_ && (!m0Sent_ || outstanding_.size() > 1) &&
                status_.state == MachineState::Hold && status_.subState == 0) {
                sendByte('~');
            } else if (status_.state != MachineState::Hold && now - resumedAt_ >= kFreshAfter) {
                resumeWanted_ = false;
            }
            movedSinceResume_ = movedSinceResume_ || status_.state != MachineState::Hold;
            checkPause(now);
            return;
        case LinkPhase::Stopping:
            // A report this close to the hold may tell the motion before it: only an alarm
            // (the controller stopped by itself) counts then.
            if (!resetSent_) {
                const bool alarm = status_.state == MachineState::Alarm;
                if (now - phaseSince_ < kFreshAfter && !alarm) {
                    return;
                }
                stillReports_ = standsStill(status_) ? stillReports_ + 1 : 0;
                if (stillReports_ >= kStillReportsNeeded || alarm) {
                    reset(now);
                }
            }
            return;
        default:
            return;
    }
}

// The controller answers an M0 only once its pause is over: the pause is a standing hold with
// the M0 the one line unanswered. A hold seen again after a resume (a hold pressed on the
// machine before the M0 was reached, then the M0 itself; a "~" lost) is the pause again: the
// user is asked anew rather than the M0 passed without them. Only once the machine was seen
// moving, or long after: a slow controller's late reports still show the hold just ended.
void GrblLink::checkPause(LinkTime now) {
    const bool onlyM0 = outstanding_.size() == 1 && outstanding_.front().index == m0Index_;
    const bool held = status_.state == MachineState::Hold && status_.subState == 0;
    const bool fresh = !m0Resumed_ || movedSinceResume_ || now - resumedAt_ >= kResumeLostAfter;
    if (m0Sent_ && !pausedAtM0_ && !userHeld_ && onlyM0 && held && fresh) {
        pausedAtM0_ = true;
        event(LinkEventKind::Paused, {}, program_.lines[m0Index_].fileLine).comments =
            pauseComments(program_, m0Index_);
    }
}

void GrblLink::check() {
    if (!outstanding_.empty()) {
        return;
    }
    switch (status_.state) {
        case MachineState::Idle:
            phase_ = LinkPhase::Streaming;
            event(LinkEventKind::Started);
            return;
        case MachineState::Alarm:
            refuse(std::string(kAlarmState));
            return;
        case MachineState::Door:
            refuse(std::string(kDoorState));
            return;
        default:
            refuse(notIdleText(status_.state));
            return;
    }
}

void GrblLink::refuse(std::string reason) {
    phase_ = LinkPhase::Ready;
    program_ = {};
    event(LinkEventKind::Refused, std::move(reason));
}

void GrblLink::handleOk(LinkTime now) {
    if (outstanding_.empty()) {
        if (phase_ == LinkPhase::Streaming) {
            beginStop(std::string(kUnexpectedOk), now);
        }
        return;
    }
    const Sent done = outstanding_.front();
    outstanding_.pop_front();
    outstandingBytes_ -= done.bytes;
    idleReports_ = 0;
    if (done.index == kCommand) {
        commandOut_ = {};
        return;
    }
    if (done.index == kQuery) {
        return;
    }
    if (m0Sent_ && done.index == m0Index_) {
        // The pause is over (also when ended by the machine's own button).
        m0Sent_ = pausedAtM0_ = m0Resumed_ = false;
    }
    lineDone(done.index);
}

void GrblLink::lineDone(std::size_t index) {
    const StreamLine& line = program_.lines[index];
    ++linesDone_;
    lastFileLine_ = line.fileLine;
    secondsDone_ += line.seconds;
}

void GrblLink::handleError(int code, LinkTime now) {
    if (outstanding_.empty()) {
        std::string text = errorText(code);
        if (phase_ != LinkPhase::Streaming) {
            event(LinkEventKind::Reply, std::move(text));
            return;
        }
        // Some line's answer was lost or damaged: which line failed is unknown.
        ++errors_;
        text += std::string(kUnexpectedError);
        event(LinkEventKind::Error, text);
        beginStop(std::move(text), now);
        return;
    }
    const Sent failed = outstanding_.front();
    outstanding_.pop_front();
    outstandingBytes_ -= failed.bytes;
    if (failed.index == kCommand) {
        commandFailed(code, now);
        return;
    }
    if (failed.index == kQuery || phase_ != LinkPhase::Streaming) {
        event(LinkEventKind::Reply, errorText(code));
        return;
    }
    ++errors_;
    const std::size_t fileLine = program_.lines[failed.index].fileLine;
    std::string text = lineNumber(fileLine) + ": " + errorText(code);
    event(LinkEventKind::Error, text, fileLine);
    beginStop(std::move(text), now);
}

void GrblLink::handleAlarm(int code, LinkTime now) {
    ++alarms_;
    status_.state = MachineState::Alarm;  // the motion is stopped, the controller locked
    commands_.clear();
    std::string text = alarmText(code);
    if (lastFileLine_ > 0 && phase_ == LinkPhase::Streaming) {
        text += " (zuletzt bestätigt: " + lineNumber(lastFileLine_) + ")";
    }
    event(LinkEventKind::Alarm, text, lastFileLine_);
    if (phase_ == LinkPhase::Streaming || phase_ == LinkPhase::Checking) {
        beginStop(std::move(text), now);
    }
}

void GrblLink::tick(LinkTime now) {
    switch (phase_) {
        case LinkPhase::Closed:
            return;
        case LinkPhase::Connecting:
            if (now - phaseSince_ >= kAnswerWithin) {
                close(std::string(kNoAnswer));
            } else if (!versionAsked_ && now - phaseSince_ >= kAskVersionAfter) {
                versionAsked_ = true;
                sendLine("$I", kQuery, true);
            }
            return;
        case LinkPhase::Checking:
            if (now - phaseSince_ >= kAnswerWithin) {
                refuse(std::string(kNoStatus));
                return;
            }
            break;
        case LinkPhase::Streaming:
            if (now - lastHeard_ >= (homing() ? kHomingWithin : kSilentAfter)) {
                beginStop(std::string(kSilent), now);
                return;
            }
            break;
        case LinkPhase::Stopping:
            if (!resetSent_ && now - phaseSince_ >= kHoldWithin) {
                reset(now);
            } else if (resetSent_ && now - resetAt_ >= kAnswerWithin) {
                // The reset may have been lost (the controller deaf while writing its EEPROM):
                // once more, and the user must not take the machine for standing.
                sendByte(0x18);
                stopReason_ += ". " + std::string(kResetUnconfirmed);
                endStop();
                return;
            }
            break;
        case LinkPhase::Ready:
            break;
    }
    if (now - lastPoll_ >= kPollEvery && !writingEeprom()) {
        lastPoll_ = now;
        sendByte('?');
    }
    pump();
}

// While it writes its EEPROM the controller takes no bytes ("data can get corrupted or lost"):
// a damaged "?" would land in front of the next line.
bool GrblLink::writingEeprom() const {
    const StreamLine* line = outstandingLine();
    return line != nullptr && writesEeprom(*line);
}

bool GrblLink::homing() const {
    const StreamLine* line = outstandingLine();
    return line != nullptr && line->send.starts_with("$H");
}

const StreamLine* GrblLink::outstandingLine() const {
    if (outstanding_.empty() || outstanding_.front().index == kQuery) {
        return nullptr;
    }
    const std::size_t index = outstanding_.front().index;
    return index == kCommand ? &commandOut_ : &program_.lines[index];
}

void GrblLink::portLost(LinkTime /*now*/) {
    if (phase_ == LinkPhase::Closed) {
        return;
    }
    const bool running = phase_ == LinkPhase::Streaming || phase_ == LinkPhase::Stopping ||
                         phase_ == LinkPhase::Checking;
    phase_ = LinkPhase::Closed;
    commands_.clear();
    // Without a job nothing moved: the position is as sure as before.
    if (running) {
        event(LinkEventKind::Stopped, std::string(kPortLost));
    } else {
        event(LinkEventKind::Refused, std::string(kPortLostIdle));
    }
}

void GrblLink::start(StreamProgram program, LinkTime now) {
    if (phase_ != LinkPhase::Ready) {
        event(LinkEventKind::Refused, std::string(kNotReady));
        return;
    }
    program_ = std::move(program);
    next_ = 0;
    linesSent_ = linesDone_ = errors_ = alarms_ = lastFileLine_ = 0;
    secondsDone_ = 0;
    m0Sent_ = pausedAtM0_ = m0Resumed_ = userHeld_ = resumeWanted_ = false;
    commands_.clear();
    phase_ = LinkPhase::Checking;
    phaseSince_ = now;
    lastHeard_ = now;
    lastPoll_ = now;
    idleReports_ = 0;
    sendByte('?');
}

void GrblLink::pause() {
    if (phase_ == LinkPhase::Ready || phase_ == LinkPhase::Streaming) {
        userHeld_ = true;
        resumeWanted_ = false;
        sendByte('!');
    }
}

void GrblLink::resume(LinkTime now) {
    if (phase_ != LinkPhase::Ready && phase_ != LinkPhase::Streaming) {
        return;
    }
    const bool wasAtM0 = pausedAtM0_;
    if (!wasAtM0 && m0Sent_ && outstanding_.size() == 1) {
        // The hold may stand at the M0 itself, and a "~" would pass the tool change unasked:
        // the next standing report asks for it instead.
        userHeld_ = resumeWanted_ = false;
        return;
    }
    if (pausedAtM0_) {
        // The rest goes out once the M0 is answered, i.e. the controller took the "~".
        pausedAtM0_ = false;
        m0Resumed_ = true;
    }
    userHeld_ = false;
    resumeWanted_ = !wasAtM0;
    resumedAt_ = now;
    movedSinceResume_ = false;
    sendByte('~');
    pump();
}

void GrblLink::stop(std::string reason, LinkTime now) {
    if (phase_ == LinkPhase::Closed || phase_ == LinkPhase::Stopping) {
        return;
    }
    if (phase_ == LinkPhase::Connecting) {
        close(std::move(reason));  // nothing was sent: the job ends before it began
        return;
    }
    if (phase_ == LinkPhase::Checking) {
        refuse(std::move(reason));
        return;
    }
    beginStop(std::move(reason), now);
}

void GrblLink::override(Override command) {
    if (phase_ != LinkPhase::Closed && phase_ != LinkPhase::Connecting) {
        sendByte(static_cast<std::uint8_t>(command));
    }
}

bool GrblLink::query(std::string_view command, LinkTime now) {
    if (phase_ != LinkPhase::Ready) {
        return false;
    }
    if (command == "?") {
        showNextStatus_ = true;
        lastPoll_ = now;
        sendByte('?');
        return true;
    }
    constexpr std::string_view kQueries[] = {"$I", "$#", "$G", "$$", "$X"};
    for (const std::string_view known : kQueries) {
        if (command == known && outstanding_.empty()) {
            sendLine(std::string(command), kQuery, true);
            return true;
        }
    }
    return false;
}

// Takes the time as every request does, though a command needs none yet.
std::string GrblLink::command(std::string_view line, LinkTime /*now*/) {
    const bool atPause = phase_ == LinkPhase::Streaming && m0Sent_;
    if (phase_ != LinkPhase::Ready && !atPause) {
        return std::string(phase_ == LinkPhase::Streaming ? kJobRunning : kNotReady);
    }
    const PreparedProgram prepared = prepareLines(line);
    const std::string shown = "„" + commentSafe(line) + "“: ";
    if (!prepared.refusals.empty()) {
        const std::string& refusal = prepared.refusals.front();
        return std::string(kCommandRefused) + shown + refusal.substr(refusal.find(": ") + 2);
    }
    const LineKind kind =
        prepared.program.lines.size() == 1 ? prepared.program.lines[0].kind : LineKind::Nothing;
    if (kind == LineKind::Nothing || kind == LineKind::Realtime || kind == LineKind::Pause) {
        return std::string(kCommandRefused) + shown + std::string(kNoSingleCommand);
    }
    StreamLine command = prepared.program.lines[0];
    std::string send(command.send);
    command.send = {};
    command.comment = {};
    const bool unlocks = send == "$X" || send == "$H" || send == "$$";
    if (alarmed() && !unlocks) {
        return std::string(kAlarmState);
    }
    const MachineState state = status_.state;
    const bool free = state == MachineState::Idle || state == MachineState::Jog ||
                      state == MachineState::Unknown || state == MachineState::Alarm;
    if (!atPause && !free) {
        return notIdleText(state);
    }
    // Sent as written when it differs from the checked line by blanks only (GRBL drops them).
    const std::string_view written = trimmed(line);
    std::string checked;
    std::copy_if(written.begin(), written.end(), std::back_inserter(checked),
                 [](char c) { return c != ' '; });
    if (checked == send && written.size() < kMostOutstanding) {
        send = std::string(written);
    }
    commands_.push_back({std::move(send), command});
    pump();
    return {};
}

void GrblLink::cancelJog() {
    if (phase_ != LinkPhase::Closed && phase_ != LinkPhase::Connecting) {
        sendByte(kJogCancel);
    }
}

// Each command alone; one that writes the EEPROM only once the machine stands idle.
bool GrblLink::sendCommand() {
    if (commands_.empty() || !outstanding_.empty()) {
        return false;
    }
    StreamLine next = commands_.front().line;
    next.send = commands_.front().send;
    if (writesEeprom(next) && idleReports_ == 0) {
        return false;
    }
    commandText_ = std::move(commands_.front().send);
    commandOut_ = commands_.front().line;
    commandOut_.send = commandText_;
    commands_.pop_front();
    sendLine(commandOut_.send, kCommand, true);
    return true;
}

// A jog beyond the travel answers error:15: said, and what waited behind it is dropped. At a
// tool change the new zero is then unsure: the job stops.
void GrblLink::commandFailed(int code, LinkTime now) {
    std::string text = "„" + commandText_ + "“: " + errorText(code);
    commandOut_ = {};
    commands_.clear();
    if (phase_ == LinkPhase::Streaming) {
        ++errors_;
        event(LinkEventKind::Error, text);
        beginStop(std::move(text), now);
        return;
    }
    event(LinkEventKind::Reply, std::move(text));
}

void GrblLink::pump() {
    if (phase_ == LinkPhase::Ready) {
        sendCommand();
        return;
    }
    if (phase_ != LinkPhase::Streaming) {
        return;
    }
    while (sendNext()) {
    }
    if (next_ == program_.lines.size() && outstanding_.empty() && !m0Sent_ && commands_.empty() &&
        idleReports_ >= kStillReportsNeeded) {
        phase_ = LinkPhase::Ready;
        event(LinkEventKind::Finished);
    }
}

bool GrblLink::sendNext() {
    if (m0Sent_) {
        return false;
    }
    if (!commands_.empty()) {
        return sendCommand();  // the tool change's lines, before the rest of the program
    }
    if (next_ >= program_.lines.size()) {
        return false;
    }
    if (!outstanding_.empty() && outstanding_.front().alone) {
        return false;
    }
    const StreamLine& line = program_.lines[next_];
    switch (line.kind) {
        case LineKind::Nothing:
            ++next_;
            return true;
        case LineKind::Realtime:
            showNextStatus_ = true;
            sendByte('?');
            ++linesSent_;
            lineDone(next_);
            ++next_;
            return true;
        case LineKind::System:
        case LineKind::Eeprom:
            // Alone, and only once the machine stands idle after every earlier answer.
            if (!outstanding_.empty() || idleReports_ == 0) {
                return false;
            }
            sendLine(line.send, next_, true);
            break;
        case LineKind::Gcode:
        case LineKind::Pause:
            if (outstandingBytes_ + line.send.size() + 1 > kMostOutstanding) {
                return false;
            }
            sendLine(line.send, next_, false);
            if (line.kind == LineKind::Pause) {
                m0Sent_ = true;
                m0Index_ = next_;
            }
            break;
    }
    ++linesSent_;
    ++next_;
    return true;
}

void GrblLink::beginStop(std::string reason, LinkTime now) {
    phase_ = LinkPhase::Stopping;
    stopReason_ = std::move(reason);
    phaseSince_ = now;
    stillReports_ = 0;
    resetSent_ = false;
    sendByte('!');
    lastPoll_ = now;
    sendByte('?');
}

void GrblLink::reset(LinkTime now) {
    resetSent_ = true;
    resetAt_ = now;
    sendByte(0x18);
}

void GrblLink::endStop() {
    phase_ = LinkPhase::Ready;
    commands_.clear();
    resetSent_ = false;
    m0Sent_ = pausedAtM0_ = m0Resumed_ = userHeld_ = resumeWanted_ = false;
    outstanding_.clear();
    outstandingBytes_ = 0;
    event(LinkEventKind::Stopped, std::move(stopReason_));
    stopReason_.clear();
}

void GrblLink::sendLine(std::string_view send, std::size_t index, bool alone) {
    std::string text;
    text.reserve(send.size() + 1);
    text.append(send);
    text.push_back('\n');
    outstanding_.push_back({index, text.size(), alone, send == "$#"});
    outstandingBytes_ += text.size();
    Outgoing out;
    out.line = std::move(text);
    outgoing_.push_back(std::move(out));
}

void GrblLink::sendByte(std::uint8_t byte) {
    Outgoing out;
    out.kind = Outgoing::Kind::Realtime;
    out.byte = byte;
    outgoing_.push_back(std::move(out));
}

LinkEvent& GrblLink::event(LinkEventKind kind, std::string text, std::size_t fileLine) {
    LinkEvent& e = events_.emplace_back();
    e.kind = kind;
    e.text = std::move(text);
    e.fileLine = fileLine;
    return e;
}

std::vector<Outgoing> GrblLink::takeOutgoing() {
    std::vector<Outgoing> taken = std::move(outgoing_);
    outgoing_.clear();
    outgoing_.reserve(taken.size());
    return taken;
}

std::vector<LinkEvent> GrblLink::takeEvents() {
    std::vector<LinkEvent> taken = std::move(events_);
    events_.clear();
    events_.reserve(taken.size());
    return taken;
}

}  // namespace zrv
