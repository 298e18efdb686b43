#include "ui/common/operation_queue.h"

#include <algorithm>

namespace zrv {

void OperationQueue::run(Kind kind, std::function<void()> operation) {
    if (running_) {
        const bool alreadyWaiting =
            std::any_of(waiting_.begin(), waiting_.end(),
                        [kind](const auto& entry) { return entry.first == kind; });
        if (!alreadyWaiting) {
            waiting_.emplace_back(kind, std::move(operation));
        }
        return;
    }
    running_ = true;
    struct Idle {
        bool& running;
        ~Idle() { running = false; }
    } idle{running_};
    operation();
    while (!waiting_.empty()) {
        std::function<void()> next = std::move(waiting_.front().second);
        waiting_.pop_front();
        next();
    }
}

}  // namespace zrv
