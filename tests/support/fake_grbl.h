#pragma once

#include <chrono>
#include <cstddef>
#include <deque>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace zrv::test {

// A small GRBL 1.1 controller in simulated time, written from its interface documentation:
// the welcome line, "ok" and "error:N", a 128-byte receive buffer that loses what overflows,
// a planner of 16 blocks, real-time bytes picked off as they arrive ("?" reports, "!" holds,
// "~" resumes, 0x18 resets), "[PRB:...]" after G38.2, alarms. As GRBL 1.1 does, it runs an M0
// once the planner is empty, holds (Hold:0) and answers its "ok" only after "~"; homing ("$H")
// answers nothing, not even "?", until it ends; while it writes its EEPROM it is deaf. A test
// feeds it the sender's bytes and passes its output back; nothing runs by itself between calls.
class FakeGrbl {
  public:
    using Time = std::chrono::milliseconds;

    struct Options {
        bool welcomeOnOpen = true;           // the board resets when the port opens
        Time bootTime{300};                  // until the welcome line
        Time moveTime{20};                   // one motion block
        std::string state = "Idle";          // at boot: "Idle", "Alarm", "Door:0"
        std::string version = "1.1h";        // of the welcome and "$I"
        std::map<std::size_t, int> errorAt;  // received line number (1-based) -> error code
        std::map<std::size_t, int> alarmAt;  // received line number -> ALARM code
        std::size_t rebootAt = 0;            // received line number at which the board resets
        bool silent = false;                 // never answers anything
        // received line number -> what the wire delivers instead of its answer ("\r\n" follows)
        std::map<std::size_t, std::string> replyAt;
        Time homeTime{100};         // of a homing cycle "$H"
        Time eepromTime{0};         // of an EEPROM write (G10 L2/L20, G28.1, G30.1, "$n=")
        bool ignoresReset = false;  // 0x18 is lost on the wire
    };

    explicit FakeGrbl(Options options, Time now = Time{0});

    void receive(std::string_view bytes, Time now);
    void advance(Time now);
    std::string takeOutput();

    // What the fake saw, for the tests.
    std::vector<std::string> lines;   // every line taken from the receive buffer, in order
    std::string realtime;             // every real-time byte, in order
    std::size_t mostBuffered = 0;     // highest fill of the receive buffer
    std::size_t lost = 0;             // bytes lost to a full buffer
    std::size_t resets = 0;           // 0x18 received
    std::size_t linesAfterReset = 0;  // lines taken after the first 0x18
    bool resetWhileMoving = false;
    std::size_t lostWhileWriting = 0;  // bytes that came while the EEPROM was written

  private:
    struct Block {
        enum class Kind { Move, Probe } kind = Kind::Move;
        double x = 0, y = 0, z = 0;
    };

    void realtimeByte(unsigned char byte, Time now);
    void parse(const std::string& line, Time now);
    void system(const std::string& line, Time now);
    void busy(Time until, std::string answer);
    void run(Time now);
    void boot(Time now, bool wasMoving, bool keepState);
    void reply(std::string_view text);
    std::string statusReport() const;
    bool moving() const;

    Options options_;
    std::string rx_;
    std::deque<Block> planner_;
    std::string out_;
    std::string state_;
    Time bootAt_{};
    Time blockEnd_{};
    Time holdDone_{};
    Time cursor_{};     // when the next block may start
    Time remaining_{};  // of the block a hold stopped
    bool booted_ = false;
    bool blockRunning_ = false;
    bool atM0_ = false;         // an M0 is being run: no line is read until "~" ends it
    Time busyUntil_{};          // homing or an EEPROM write: nothing is read, no "?" answered
    bool deaf_ = false;         // busy with the EEPROM: bytes are lost
    bool statusAsked_ = false;  // a "?" while homing, answered at its end
    std::string busyAnswer_;    // the answer of the busy line, at its end
    double x_ = 0, y_ = 0, z_ = 0;
};

}  // namespace zrv::test
