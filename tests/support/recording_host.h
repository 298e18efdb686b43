#pragma once

#include <functional>
#include <string>
#include <vector>

#include "base/host.h"

namespace zrv::test {

// Records everything the core reports, in order.
class RecordingProgress final : public Progress {
  public:
    void addLine(std::string_view line) override;
    void clearLines() override;
    void showMessage(std::string_view text) override;
    void processEvents() override {
        ++eventPasses;
        if (onEvents) {
            onEvents();
        }
    }
    // The events as the window shows them.
    void step(std::string_view howFar) override { titles.emplace_back(howFar); }
    void versionRead(std::string_view tag) override { versionCaption = tag; }
    void drillTravelUnknown() override { drillTravelLabel = "?"; }
    void previewInvalid() override { ++previewClears; }
    void storeChanged() override { ++redrawRequests; }

    std::vector<std::string> lines;     // List1 as it stands
    std::vector<std::string> messages;  // every message box, in order
    std::vector<std::string> titles;    // every title set, in order
    std::string versionCaption;
    std::string drillTravelLabel;
    int eventPasses = 0;
    int previewClears = 0;
    int redrawRequests = 0;
    int lineClears = 0;
    std::function<void()> onEvents;  // what a pending window event does, if anything
};

// A clock that stands still unless a test moves it.
class FixedClock final : public Clock {
  public:
    double secondsSinceMidnight() const override { return seconds; }
    std::string dateText() const override { return date; }
    std::string timeText() const override { return time; }

    double seconds = 8 * 3600;
    std::string date = "07.12.2026";
    std::string time = "08:00:00";
};

// A clock that moves on by a fixed step at every reading, starting with `start`, and begins the
// day anew after midnight.
class SteppingClock final : public Clock {
  public:
    SteppingClock(double start, double step) : next_(start), step_(step) {}
    double secondsSinceMidnight() const override;
    std::string dateText() const override { return {}; }
    std::string timeText() const override { return {}; }

  private:
    mutable double next_;
    double step_;
};

// A recording progress and a fixed clock bundled as the host of the core.
struct RecordingHost {
    explicit RecordingHost(NumberLocale locale = kGermanLocale) : host{progress, clock, locale} {}
    RecordingHost(const RecordingHost&) = delete;
    RecordingHost& operator=(const RecordingHost&) = delete;

    RecordingProgress progress;
    FixedClock clock;
    Host host;
};

}  // namespace zrv::test
