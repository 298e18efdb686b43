#pragma once

#include <string>

#include "support/fake_grbl.h"

namespace zrv::test {

// The fake controller on the master side of a pseudo-terminal: the program under test opens
// the terminal's name as its serial port, and the fake answers each time it is pumped.
class PtyFake {
  public:
    explicit PtyFake(FakeGrbl::Options options, FakeGrbl::Time now = FakeGrbl::Time{0});
    ~PtyFake();
    PtyFake(const PtyFake&) = delete;
    PtyFake& operator=(const PtyFake&) = delete;

    const std::string& name() const { return name_; }  // empty: no terminal
    int master() const { return master_; }
    // Hands the fake what came over the wire, runs it until `now` and writes its answers back;
    // false when they could not be written.
    bool pump(FakeGrbl::Time now);
    // Our hold of the program's side let go: the program holds its own.
    void closeSlave();
    // The cable pulled: the terminal is gone.
    void unplug();

    FakeGrbl fake;

  private:
    int master_ = -1;
    int slave_ = -1;
    std::string name_;
};

}  // namespace zrv::test
