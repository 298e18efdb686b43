#include "pty_controller.h"

namespace zrv::test {

PtyController::PtyController(FakeGrbl::Options options) : pty_(std::move(options)) {
    clock_.start();
    QObject::connect(&timer_, &QTimer::timeout,
                     [this] { pty_.pump(FakeGrbl::Time{clock_.elapsed()}); });
    timer_.start(2);
}

void PtyController::unplug() {
    timer_.stop();
    pty_.unplug();
}

}  // namespace zrv::test
