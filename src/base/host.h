#pragma once

#include <string>
#include <string_view>

#include "text/number_locale.h"

namespace zrv {

// Where the core's progress, messages and events go: the window shows them in its status list,
// message boxes and widgets, the command-line tool writes lines and messages on standard error,
// tests record them. The events say what happened; each receiver decides what it shows.
class Progress {
  public:
    virtual ~Progress() = default;

    virtual void addLine(std::string_view line) = 0;       // a line at the end of List1
    virtual void clearLines() = 0;                         // List1 emptied
    virtual void showMessage(std::string_view text) = 0;   // a message box with OK
    virtual void processEvents() {}                        // let pending window events run
    virtual void step(std::string_view /*howFar*/) {}      // a long operation's share, "45%"
    virtual void versionRead(std::string_view /*tag*/) {}  // the drawing's version tag
    virtual void drillTravelUnknown() {}  // the drill order is rebuilt; its travel is not known
    virtual void previewInvalid() {}      // the store is read anew; what was drawn is gone
    virtual void storeChanged() {}        // the store holds a new drawing, ready to be drawn
};

// The time of day, for elapsed-time lines, the once-a-second progress and the date texts.
class Clock {
  public:
    virtual ~Clock() = default;

    virtual double secondsSinceMidnight() const = 0;  // with fractions of a second
    virtual std::string dateText() const = 0;         // the system's short date
    virtual std::string timeText() const = 0;         // the system's time of day
};

// The system clock; dates and times in the short formats of the locale
// (German: 07.12.2026 and 08:05:15).
class SystemClock final : public Clock {
  public:
    explicit SystemClock(NumberLocale locale = kCLocale) : locale_(locale) {}

    double secondsSinceMidnight() const override;
    std::string dateText() const override;
    std::string timeText() const override;

  private:
    NumberLocale locale_;
};

// What an operation of the core needs from its surroundings.
struct Host {
    Progress& progress;
    const Clock& clock;
    NumberLocale locale;
};

// The seconds since `start` (a secondsSinceMidnight) as "0.000" in the locale followed by "s";
// a run across midnight still counts forward.
std::string elapsedLine(const Host& host, double start);

}  // namespace zrv
