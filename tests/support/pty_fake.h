#pragma once

#include <string>

#include "support/fake_grbl.h"

namespace zrv::test {

// The fake controller on the master side of a pseudo-terminal: the program under test opens
// the terminal's name as its serial port, and the fake answers each time it is pumped.
struct PtyFake {
    explicit PtyFake(FakeGrbl::Options options, FakeGrbl::Time now = FakeGrbl::Time{0});
    ~PtyFake() { unplug(); }
    PtyFake(const PtyFake&) = delete;
    PtyFake& operator=(const PtyFake&) = delete;

    // Hands the fake what came over the wire, runs it until `now` and writes its answers back;
    // false when they could not be written.
    bool pump(FakeGrbl::Time now);
    // The cable pulled: both sides closed.
    void unplug();

    FakeGrbl fake;
    int master = -1;
    int slave = -1;    // while open, the terminal lives even when the program closes its side
    std::string name;  // empty: no terminal
};

}  // namespace zrv::test
