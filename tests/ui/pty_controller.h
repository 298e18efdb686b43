#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <string>

#include "support/pty_fake.h"

namespace zrv::test {

// The fake controller behind a pseudo-terminal, answering as the event loop runs: the window
// opens the terminal's name as its serial port. The slave side stays open, so the terminal
// lives while the window closes its own.
class PtyController {
  public:
    explicit PtyController(FakeGrbl::Options options = {});

    const std::string& portName() const { return pty_.name; }
    FakeGrbl& fake() { return pty_.fake; }
    // The cable pulled: the terminal is gone.
    void unplug();

  private:
    PtyFake pty_;
    QElapsedTimer clock_;
    QTimer timer_;
};

}  // namespace zrv::test
