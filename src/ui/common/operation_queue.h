#pragma once

#include <deque>
#include <functional>
#include <utility>

namespace zrv {

// The operations that replace or write from the figure store run one after the other. A
// running load or optimisation lets pending events run at its progress points; a reload,
// open or export clicked there waits until the running operation has ended, so the store is
// never changed under it. A request of a kind that already waits is not queued twice.
class OperationQueue {
  public:
    // One kind per request the user can make: only a repeat of the very same request waits once.
    enum class Kind { Start, Open, Reload, Export, DumpHorizontal, DumpVertical, MillingExport };

    void run(Kind kind, std::function<void()> operation);
    bool busy() const { return running_; }

  private:
    std::deque<std::pair<Kind, std::function<void()>>> waiting_;
    bool running_ = false;
};

}  // namespace zrv
