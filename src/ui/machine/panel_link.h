#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "controller/stream_program.h"

namespace zrv::panel {

// The controller's state as its status report names it ("Idle", "Hold:0", "Alarm", ...).
struct PanelStatus {
    std::string state;  // without the sub-state; empty before the first report
    std::string subState;
    double x = 0, y = 0, z = 0;  // work position, mm
    bool known = false;          // a report with a position has arrived
};

// What happened on the link, oldest first.
struct PanelEvent {
    enum class Kind {
        Welcome,   // the controller (re)started; text is its welcome line
        Reply,     // a line for the user: "[MSG:…]", "[GC:…]", a setting, an answer
        Probe,     // text is the whole "[PRB:…]" line
        Pause,     // the job stands at its M0; text is the comment lines before it
        Finished,  // every line of the job was answered ok
        Stopped,   // the job was stopped (hold, then reset); text says why
    };
    Kind kind;
    std::string text;
};

// One job line as sent: the program's line number (1-based) and the text for the controller.
struct JobLine {
    std::size_t number = 0;
    std::string text;
    bool pause = false;  // an M0: nothing is sent past it until resume()
    bool alone = false;  // written to the controller's EEPROM or a '$' line: sent alone
    bool query = false;  // the status query "?": its one real-time byte
    std::string note;    // an M0's comment lines before it, shown at the pause
};

// The program's lines as they go to the controller (read by the controller engine's
// prepareProgram): lines without anything to send left out.
std::vector<JobLine> jobLines(const StreamProgram& program);

// The sender's side of a GRBL 1.1 link, without a port or a clock of its own: bytes from the
// controller and the time go in, the bytes to send and the events come out. A job is streamed
// by counting characters against the controller's 128-byte receive buffer; at `error:` or
// `ALARM:` nothing more is sent, the feed is held and, once the machine stands, reset.
class PanelLink {
  public:
    void receive(std::string_view bytes, double now);
    // The bytes to write now (status polls, queued commands, job lines).
    std::string take(double now);
    std::vector<PanelEvent> events();

    // A command line of its own (jog, zero, $X, $H, a re-probe), sent after every earlier line
    // was answered.
    void command(std::string line);
    // A real-time byte, sent at once and alone.
    void realtime(char byte);
    // The user's feed hold ("!") and cycle start ("~"). A hold of the user is no M0's pause.
    void hold();
    void cycleStart();
    void startJob(std::vector<JobLine> lines);
    // Goes on after the pause at an M0: cycle start, the commands given, then the rest.
    void resume(const std::vector<std::string>& first);
    // Hold, wait until the machine stands, reset; `why` is the Stopped event's text.
    void stop(std::string why);
    // The port is gone: the job ends without another byte.
    void lost(std::string why);

    bool jobRunning() const { return jobActive_; }
    bool paused() const { return pausedAt_ != 0; }
    bool stopping() const { return stopping_; }
    // Lines of the job answered so far, and the program line number of the last one.
    std::size_t answered() const { return answered_; }
    std::size_t total() const { return job_.size(); }
    std::size_t lastLineNumber() const { return lastNumber_; }
    const PanelStatus& status() const { return status_; }
    // After an alarm nothing but $X, $H and $$ is sent until the controller is unlocked.
    bool alarmed() const { return alarm_; }

  private:
    void line(std::string_view text, double now);
    void answer(bool ok, std::string_view text);
    void failed(std::string why);
    void status(std::string_view report);
    void stateKnown();
    void sendCycleStart();
    void sendLines();
    void counted(std::size_t jobIndex, bool ok, std::string_view text);
    void finishStop();

    std::string in_;
    std::string out_;
    PanelStatus status_;
    double wco_[3] = {0, 0, 0};
    double lastPoll_ = -1;
    std::deque<std::string> commands_;
    struct Sent {
        std::size_t length;
        std::size_t jobIndex;  // beyond the job for a command
        std::string text;
    };
    std::deque<Sent> sent_;
    std::size_t outstanding_ = 0;
    bool aloneWaiting_ = false;
    std::vector<JobLine> job_;
    std::size_t next_ = 0;
    std::size_t answered_ = 0;
    std::size_t lastNumber_ = 0;
    std::size_t pausedAt_ = 0;  // index + 1 of the M0 the job waits at
    bool jobActive_ = false;
    bool stopping_ = false;
    bool resetSent_ = false;
    double resetAt_ = -1;
    double stopSince_ = -1;
    double askedAt_ = -1;  // a status poll still unanswered since then
    bool pauseShown_ = false;
    bool alarm_ = false;
    bool userHold_ = false;
    bool cycleStartDue_ = false;
    std::size_t polls_ = 0;       // status reports asked for
    std::size_t reports_ = 0;     // status reports received
    std::size_t staleUntil_ = 0;  // reports up to this one were asked for before a hold or start
    bool lastAnswered_ = false;   // every job line answered: the end is the next Idle
    std::string stopWhy_;
    std::vector<PanelEvent> events_;
};

// The state in German: "Bereit", "Läuft", "Pause", "Alarm", "Tür", ...
std::string stateText(std::string_view state);

}  // namespace zrv::panel
