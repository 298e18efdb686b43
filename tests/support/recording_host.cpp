#include "support/recording_host.h"

namespace zrv::test {

void RecordingProgress::addLine(std::string_view line) {
    lines.emplace_back(line);
}

void RecordingProgress::clearLines() {
    lines.clear();
    ++lineClears;
}

void RecordingProgress::showMessage(std::string_view text) {
    messages.emplace_back(text);
}

double SteppingClock::secondsSinceMidnight() const {
    const double now = next_;
    next_ += step_;
    if (next_ >= 86400) {
        next_ -= 86400;
    }
    return now;
}

}  // namespace zrv::test
