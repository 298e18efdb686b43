#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <string>

#include "support/fake_grbl.h"

namespace zrv::test {

// The fake controller behind a pseudo-terminal: the window opens the terminal's name as its
// serial port, and the fake answers on the other side as the event loop runs.
class PtyController {
  public:
    explicit PtyController(FakeGrbl::Options options = {});
    ~PtyController();
    PtyController(const PtyController&) = delete;
    PtyController& operator=(const PtyController&) = delete;

    const std::string& portName() const { return name_; }
    FakeGrbl& fake() { return fake_; }
    // The cable pulled: the terminal is gone.
    void unplug();

  private:
    void pump();

    int master_ = -1;
    int slave_ = -1;  // kept open, so the terminal lives while the window closes its side
    std::string name_;
    QElapsedTimer clock_;
    FakeGrbl fake_;
    QTimer timer_;
};

}  // namespace zrv::test
