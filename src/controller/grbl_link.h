#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "controller/machine_status.h"
#include "controller/stream_program.h"
#include "levelling/probe_log.h"

namespace zrv {

struct Reply;

// Time as the face's monotonic clock gives it (steady_clock, QElapsedTimer): any origin.
using LinkTime = std::chrono::milliseconds;

// What the face writes to the port, in this order. A line is plain ASCII with its "\n"; a
// real-time command is one byte that goes out as it is (never through a text conversion: the
// overrides are bytes above 0x7F).
struct Outgoing {
    enum class Kind { Line, Realtime };
    Kind kind = Kind::Line;
    std::string line;       // Kind::Line
    std::uint8_t byte = 0;  // Kind::Realtime
};

enum class LinkEventKind {
    Received,  // text: one line the controller sent, as it came (every line, for a face's log;
               // only from a link made to report them)
    Ready,     // the controller answered as GRBL 1.1; text: its welcome or version line
    Reply,     // text: a line worth showing (settings, [VER:], [GC:], [MSG:], a query's answer)
    Refused,   // start() refused before the first byte of the program; text: German reason
    Started,   // the program's first line goes out
    Error,     // fileLine; text: "Zeile 57: error:20 – nicht unterstützter Befehl"
    Alarm,     // fileLine: the last answered; text: "ALARM:2 – ..." with that line
    Probe,     // probe: a "[PRB:x,y,z:1]" report of a probing move (not of a "$#" answer)
    Paused,    // fileLine of the M0; comments: the comment lines before it (resume() goes on)
    Finished,  // every line answered "ok" and the controller idle again
    Stopped,   // text: German reason; the program ended early (after hold and reset)
};

struct LinkEvent {
    LinkEventKind kind = LinkEventKind::Received;
    std::string text;
    std::size_t fileLine = 0;
    ProbeReport probe;
    std::vector<std::string> comments;
};

// Real-time commands a face may send at any time (each one byte).
enum class Override : std::uint8_t {
    FeedReset = 0x90,
    FeedPlus10 = 0x91,
    FeedMinus10 = 0x92,
    FeedPlus1 = 0x93,
    FeedMinus1 = 0x94,
    RapidFull = 0x95,
    RapidHalf = 0x96,
    RapidQuarter = 0x97,
    SpindleReset = 0x99,
    SpindlePlus10 = 0x9A,
    SpindleMinus10 = 0x9B,
    SpindlePlus1 = 0x9C,
    SpindleMinus1 = 0x9D,
};

// Where the link stands.
enum class LinkPhase {
    Connecting,  // waiting for the welcome line or the answer to "$I" (5 s)
    Ready,       // GRBL 1.1, no program running: start(), query(), overrides
    Checking,    // start() asked for the state: the program waits for a fresh status report
    Streaming,   // the program runs (also while paused at M0 or held)
    Stopping,    // hold sent; waiting for the motion to stop, then the reset and its welcome
    Closed,      // refused at connecting, or the port is gone: nothing more is sent
};

// The link to a GRBL 1.1 controller, without a port, thread or clock of its own: bytes that
// arrive and the time go in, bytes to send and events come out. How a face drives it:
//
//   GrblLink link(now);                        // the port has just been opened
//   GrblLink link(now, true);                  // the same, with a Received event a line
//   whenever bytes arrive:   link.received(bytes, now);
//   at least every 50 ms:    link.tick(now);   // status polls (5 a second), timeouts
//   after each of these calls and each request below:
//       for (const Outgoing& out : link.takeOutgoing())   write it to the port
//       for (const LinkEvent& event : link.takeEvents())  show it, log it
//   on Ready:                link.start(program, now) when the user asks
//   the user:                pause() "!", resume() "~", stop(reason), override(), query("$$")
//   the port fails or goes:  link.portLost(now)
//
// The engine never sends a line twice, skips one, or sends one after a stop; at an error, an
// alarm or stop() it holds the feed, waits until the machine stands, then resets the controller
// (the work position stays) and reports Stopped with the reason.
class GrblLink {
  public:
    // `reportReceived`: every line the controller sends comes out as a Received event. Off, the
    // "ok" of each streamed line costs no event.
    explicit GrblLink(LinkTime now, bool reportReceived = false);

    void received(std::string_view bytes, LinkTime now);
    void tick(LinkTime now);
    void portLost(LinkTime now);

    // Streams `program` (of prepareProgram, without refusals) once the controller reports Idle;
    // otherwise Refused. Only in LinkPhase::Ready.
    void start(StreamProgram program, LinkTime now);
    // Feed hold ("!") and cycle start ("~"); resume() also ends a pause at M0.
    void pause();
    void resume(LinkTime now);
    // Ends the program safely (hold, wait for stand-still, reset) with `reason` in Stopped;
    // while connecting, the link closes with `reason` in Refused.
    void stop(std::string reason, LinkTime now);
    void override(Override command);
    // One of the controller's queries outside a program: "$I", "$#", "$G", "$$", "$X" (sent as a
    // line) or "?" (one byte). False when not Ready or not one of these.
    bool query(std::string_view command, LinkTime now);
    // A command of the user outside a program: a jog ("$J=..."), a work zero ("G10 L20 P1 ..."),
    // "$H", "$X"; or, while the program stands at its M0, a line of the tool change (sent after
    // the M0's answer, before the program goes on). Checked like a program's line and sent
    // alone, an EEPROM write only after an Idle report. An "error:" answering it is a Reply,
    // at the M0 a stop. Empty when taken, otherwise why not (German).
    std::string command(std::string_view line, LinkTime now);
    // Ends a jog where it is: the jog-cancel byte 0x85.
    void cancelJog();

    std::vector<Outgoing> takeOutgoing();
    std::vector<LinkEvent> takeEvents();

    LinkPhase phase() const { return phase_; }
    const MachineStatus& status() const { return status_; }
    // The running (or last) program's counts: lines sent and answered "ok" (lines that are
    // sent, not file lines), errors and alarms, and the file line answered last.
    std::size_t linesSent() const { return linesSent_; }
    std::size_t linesDone() const { return linesDone_; }
    std::size_t errors() const { return errors_; }
    std::size_t alarms() const { return alarms_; }
    std::size_t lastFileLine() const { return lastFileLine_; }
    // The planner's seconds of the lines answered so far, of the whole program.
    double secondsDone() const { return secondsDone_; }
    double secondsTotal() const { return program_.seconds; }
    // The controller is in alarm (a report or an "ALARM:" line): only "$X", "$H" and "$$" go.
    bool alarmed() const { return status_.state == MachineState::Alarm; }

  private:
    static constexpr std::size_t kQuery = static_cast<std::size_t>(-1);
    static constexpr std::size_t kCommand = static_cast<std::size_t>(-2);

    struct Sent {
        std::size_t index = 0;    // into program_.lines, or kQuery, or kCommand
        std::size_t bytes = 0;    // with the line end
        bool alone = false;       // nothing else goes out until it is answered
        bool parameters = false;  // "$#": its answer repeats the last probe
    };

    void handleLine(std::string_view line, LinkTime now);
    void handleOk(LinkTime now);
    void handleError(int code, LinkTime now);
    void handleAlarm(int code, LinkTime now);
    void handleWelcome(std::string_view line, bool grbl11, LinkTime now);
    void handleStatus(const Reply& reply, std::string_view line, LinkTime now);
    void identify(std::string_view line, bool grbl11, bool welcome);
    void unreadable(std::string_view line, LinkTime now);
    void checkPause(LinkTime now);
    bool writingEeprom() const;
    bool homing() const;
    void close(std::string reason);
    void check();
    void refuse(std::string reason);
    void lineDone(std::size_t index);
    void pump();
    bool sendNext();
    void beginStop(std::string reason, LinkTime now);
    void reset(LinkTime now);
    void endStop();
    bool sendCommand();
    void commandFailed(int code, LinkTime now);
    const StreamLine* outstandingLine() const;
    void sendLine(std::string_view send, std::size_t index, bool alone);
    void sendByte(std::uint8_t byte);
    LinkEvent& event(LinkEventKind kind, std::string text = {}, std::size_t fileLine = 0);

    bool reportReceived_ = false;
    LinkPhase phase_ = LinkPhase::Connecting;
    LinkTime phaseSince_{};  // when Connecting, Checking or Stopping began: each waits on time
    LinkTime lastPoll_{};
    LinkTime lastHeard_{};
    LinkTime resetAt_{};
    LinkTime resumedAt_{};
    bool versionAsked_ = false;
    bool resetSent_ = false;
    int stillReports_ = 0;  // reports of a standing machine in a row since the hold
    int idleReports_ = 0;   // "Idle" reports in a row since the last answer
    bool showNextStatus_ = false;
    bool m0Sent_ = false;  // the M0 is unanswered: nothing more goes out
    std::size_t m0Index_ = 0;
    bool pausedAtM0_ = false;
    bool m0Resumed_ = false;         // resume() came, the M0's answer not yet
    bool movedSinceResume_ = false;  // a report other than a hold came after the last resume()
    bool userHeld_ = false;
    bool resumeWanted_ = false;  // resume() came while the hold was still braking
    std::string partial_;        // bytes of a line not yet ended
    std::string stopReason_;
    std::optional<std::array<double, 3>> workOffset_;
    MachineStatus status_;
    StreamProgram program_;
    std::size_t next_ = 0;  // the next program line to send
    std::deque<Sent> outstanding_;
    // A command owns its text: a program line's views point into the program's buffer.
    struct QueuedCommand {
        std::string send;
        StreamLine line;  // its kind and time; send and comment empty
    };
    std::deque<QueuedCommand> commands_;  // waiting, each to go alone
    std::string commandText_;             // what commandOut_.send views
    StreamLine commandOut_;               // the command sent and not yet answered
    std::size_t outstandingBytes_ = 0;
    std::size_t linesSent_ = 0;
    std::size_t linesDone_ = 0;
    std::size_t errors_ = 0;
    std::size_t alarms_ = 0;
    std::size_t lastFileLine_ = 0;
    double secondsDone_ = 0;
    std::vector<Outgoing> outgoing_;
    std::vector<LinkEvent> events_;
};

}  // namespace zrv
