#include "support/fake_grbl.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <utility>

namespace zrv::test {
namespace {

constexpr std::size_t kBufferBytes = 127;  // of the 128-byte ring, one slot stays free
constexpr std::size_t kPlannerBlocks = 16;
constexpr FakeGrbl::Time kHoldTime{60};

bool isRealtime(unsigned char byte) {
    return byte == '?' || byte == '!' || byte == '~' || byte == 0x18 || byte >= 0x80;
}

// Whether the line has the word, e.g. "M0" in "G1X1M0" but not in "M03" or "M01".
bool hasWord(const std::string& line, std::string_view word) {
    for (std::size_t at = line.find(word); at != std::string::npos; at = line.find(word, at + 1)) {
        const std::size_t end = at + word.size();
        const bool digitAfter =
            end < line.size() && (std::isdigit(line[end]) != 0 || line[end] == '.');
        const bool letterBefore = at == 0 || std::isdigit(line[at - 1]) == 0;
        if (!digitAfter && letterBefore) {
            return true;
        }
    }
    return false;
}

void axis(const std::string& line, char letter, double& value) {
    const std::size_t at = line.find(letter);
    if (at != std::string::npos) {
        value = std::strtod(line.c_str() + at + 1, nullptr);
    }
}

}  // namespace

FakeGrbl::FakeGrbl(Options options, Time now)
    : options_(std::move(options)), state_(options_.state), bootAt_(now + options_.bootTime) {
    if (!options_.welcomeOnOpen) {
        booted_ = true;
    }
}

void FakeGrbl::receive(std::string_view bytes, Time now) {
    advance(now);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (options_.silent || !booted_) {
            continue;  // a board in its boot loader takes nothing
        }
        if (deaf_ && now < busyUntil_) {
            ++lostWhileWriting;
            continue;
        }
        if (isRealtime(byte)) {
            realtimeByte(byte, now);
        } else if (rx_.size() >= kBufferBytes) {
            ++lost;
        } else {
            rx_.push_back(c);
            mostBuffered = std::max(mostBuffered, rx_.size());
        }
    }
    advance(now);
}

void FakeGrbl::realtimeByte(unsigned char byte, Time now) {
    realtime.push_back(static_cast<char>(byte));
    if (byte == 0x18 && options_.ignoresReset) {
        ++resets;
        return;
    }
    if (byte == '?' && now < busyUntil_) {
        statusAsked_ = true;
    } else if (byte == '?') {
        reply(statusReport());
    } else if (byte == '!') {
        if (state_ == "Run") {
            state_ = "Hold:1";
            holdDone_ = now + kHoldTime;
            remaining_ = blockRunning_ ? std::max(blockEnd_ - now, Time{0}) : Time{0};
        } else if (state_ == "Idle") {
            state_ = "Hold:0";
        }
    } else if (byte == '~') {
        if (state_ == "Hold:0" && atM0_ && planner_.empty()) {
            atM0_ = false;
            state_ = "Idle";
            reply("ok");
        } else if (state_ == "Hold:0") {
            cursor_ = now;
            blockEnd_ = now + remaining_;
            remaining_ = Time{0};
            state_ = planner_.empty() && !blockRunning_ ? "Idle" : "Run";
        }
    } else if (byte == 0x18) {
        ++resets;
        boot(now, moving(), false);
    }
}

bool FakeGrbl::moving() const {
    return (state_ == "Run" && blockRunning_) || state_ == "Hold:1";
}

void FakeGrbl::boot(Time now, bool wasMoving, bool keepState) {
    rx_.clear();
    planner_.clear();
    blockRunning_ = false;
    booted_ = true;
    atM0_ = false;
    busyUntil_ = now;
    busyAnswer_.clear();
    deaf_ = false;
    statusAsked_ = false;
    cursor_ = now;
    if (wasMoving) {
        resetWhileMoving = true;
        reply("ALARM:3");
        state_ = "Alarm";
    } else if (!keepState && state_ != "Alarm") {
        state_ = "Idle";
    }
    reply("Grbl " + options_.version + " ['$' for help]");
    if (state_ == "Alarm") {
        reply("[MSG:'$H'|'$X' to unlock]");
    }
}

void FakeGrbl::advance(Time now) {
    if (options_.silent) {
        return;
    }
    if (!booted_) {
        if (now < bootAt_) {
            return;
        }
        boot(now, false, true);
    }
    if (!busyAnswer_.empty() && now >= busyUntil_) {
        if (state_ == "Home") {
            state_ = "Idle";
        }
        deaf_ = false;
        reply(std::exchange(busyAnswer_, {}));
        if (std::exchange(statusAsked_, false)) {
            reply(statusReport());
        }
    }
    while (true) {
        run(now);
        if (atM0_ && planner_.empty() && !blockRunning_ && state_ == "Idle") {
            state_ = "Hold:0";
        }
        if (planner_.size() >= kPlannerBlocks || atM0_ || now < busyUntil_) {
            return;
        }
        const std::size_t end = rx_.find('\n');
        if (end == std::string::npos) {
            return;
        }
        const std::string line = rx_.substr(0, end);
        rx_.erase(0, end + 1);
        parse(line, now);
    }
}

void FakeGrbl::run(Time now) {
    if (state_ == "Hold:1" && now >= holdDone_) {
        state_ = "Hold:0";
    }
    while (true) {
        if (state_ == "Idle" && !planner_.empty()) {
            state_ = "Run";
            cursor_ = now;
        }
        if (state_ != "Run") {
            return;
        }
        if (!blockRunning_) {
            if (planner_.empty()) {
                state_ = "Idle";
                return;
            }
            blockRunning_ = true;
            blockEnd_ = cursor_ + options_.moveTime;
        }
        if (now < blockEnd_) {
            return;
        }
        const Block block = planner_.front();
        planner_.pop_front();
        blockRunning_ = false;
        cursor_ = blockEnd_;
        x_ = block.x;
        y_ = block.y;
        z_ = block.z;
        if (block.kind == Block::Kind::Probe) {
            char text[96];
            std::snprintf(text, sizeof text, "[PRB:%.3f,%.3f,%.3f:1]", x_, y_, z_);
            reply(text);
        }
    }
}

void FakeGrbl::parse(const std::string& line, Time now) {
    lines.push_back(line);
    const std::size_t number = lines.size();
    if (resets > 0) {
        ++linesAfterReset;
    }
    if (number == options_.rebootAt) {
        state_ = "Idle";
        boot(now, false, false);
        return;
    }
    if (const auto error = options_.errorAt.find(number); error != options_.errorAt.end()) {
        reply("error:" + std::to_string(error->second));
        return;
    }
    if (line.empty()) {
        reply("ok");
        return;
    }
    if (const auto instead = options_.replyAt.find(number); instead != options_.replyAt.end()) {
        reply(instead->second);
        return;
    }
    if (line.front() == '$') {
        system(line, now);
        return;
    }
    if (state_ == "Alarm") {
        reply("error:9");
        return;
    }
    if (line.size() > 79) {
        reply("error:11");
        return;
    }
    if (hasWord(line, "M6")) {
        reply("error:20");
        return;
    }
    Block block = planner_.empty() ? Block{Block::Kind::Move, x_, y_, z_} : planner_.back();
    block.kind = Block::Kind::Move;
    axis(line, 'X', block.x);
    axis(line, 'Y', block.y);
    axis(line, 'Z', block.z);
    if (line.find("G38.2") != std::string::npos) {
        block.kind = Block::Kind::Probe;
        block.z = -0.25;
    }
    const bool motion = line.find_first_of("XYZ") != std::string::npos;
    if (motion) {
        planner_.push_back(block);
    }
    if (hasWord(line, "M0")) {
        atM0_ = true;  // its "ok" comes with the "~" that ends the pause
        return;
    }
    // GRBL drops the blanks before it reads a line.
    std::string words;
    std::copy_if(line.begin(), line.end(), std::back_inserter(words),
                 [](char c) { return c != ' '; });
    const bool eeprom = words.find("G10L2") != std::string::npos || words.find("G28.1") == 0 ||
                        words.find("G30.1") == 0;
    if (eeprom && options_.eepromTime > Time{0}) {
        deaf_ = true;
        busy(now + options_.eepromTime, "ok");
        return;
    }
    reply("ok");
    if (const auto alarm = options_.alarmAt.find(number); alarm != options_.alarmAt.end()) {
        planner_.clear();
        blockRunning_ = false;
        state_ = "Alarm";
        reply("ALARM:" + std::to_string(alarm->second));
    }
}

void FakeGrbl::busy(Time until, std::string answer) {
    busyUntil_ = until;
    busyAnswer_ = std::move(answer);
}

void FakeGrbl::system(const std::string& line, Time now) {
    const bool idle = state_ == "Idle" || state_ == "Alarm";
    if (!idle) {
        reply("error:8");
    } else if (line == "$H") {
        state_ = "Home";
        busy(now + options_.homeTime, "ok");
    } else if (line == "$I") {
        reply("[VER:" + options_.version + ".20190825:]");
        reply("[OPT:V,15,128]");
        reply("ok");
    } else if (line == "$$") {
        reply("$0=10");
        reply("$110=1000.000");
        reply("$120=30.000");
        reply("ok");
    } else if (line == "$#") {
        reply("[G54:0.000,0.000,0.000]");
        reply("[PRB:0.000,0.000,0.000:0]");
        reply("ok");
    } else if (line == "$G") {
        reply("[GC:G0 G54 G17 G21 G90 G94 M5 M9 T0 F0 S0]");
        reply("ok");
    } else if (line == "$X") {
        state_ = "Idle";
        reply("[MSG:Caution: Unlocked]");
        reply("ok");
    } else if (line.starts_with("$J=")) {
        reply("ok");  // a jog writes nothing to the EEPROM
    } else if (line.find('=') != std::string::npos && options_.eepromTime > Time{0}) {
        deaf_ = true;
        busy(now + options_.eepromTime, "ok");
    } else if (line.find('=') != std::string::npos) {
        reply("ok");
    } else {
        reply("error:3");
    }
}

std::string FakeGrbl::statusReport() const {
    char text[160];
    std::snprintf(text, sizeof text, "<%s|MPos:%.3f,%.3f,%.3f|FS:0,0|WCO:1.000,2.000,0.000>",
                  state_.c_str(), x_ + 1, y_ + 2, z_);
    return text;
}

void FakeGrbl::reply(std::string_view text) {
    out_.append(text);
    out_.append("\r\n");
}

std::string FakeGrbl::takeOutput() {
    return std::exchange(out_, {});
}

}  // namespace zrv::test
