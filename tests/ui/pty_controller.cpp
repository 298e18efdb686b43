#include "pty_controller.h"

#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>

namespace zrv::test {

PtyController::PtyController(FakeGrbl::Options options) : fake_(std::move(options)) {
    char name[256] = {};
    if (::openpty(&master_, &slave_, name, nullptr, nullptr) == 0) {
        termios raw{};
        ::tcgetattr(slave_, &raw);
        ::cfmakeraw(&raw);
        ::tcsetattr(slave_, TCSANOW, &raw);
        ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
        name_ = name;
    }
    clock_.start();
    QObject::connect(&timer_, &QTimer::timeout, [this] { pump(); });
    timer_.start(2);
}

PtyController::~PtyController() {
    timer_.stop();
    if (master_ >= 0) {  // still plugged in
        ::close(master_);
        ::close(slave_);
    }
}

void PtyController::unplug() {
    timer_.stop();
    ::close(master_);
    ::close(slave_);
    master_ = -1;
    slave_ = -1;
}

void PtyController::pump() {
    const FakeGrbl::Time now{clock_.elapsed()};
    char buffer[4096];
    for (ssize_t got = ::read(master_, buffer, sizeof buffer); got > 0;
         got = ::read(master_, buffer, sizeof buffer)) {
        fake_.receive(std::string_view(buffer, static_cast<std::size_t>(got)), now);
    }
    fake_.advance(now);
    const std::string out = fake_.takeOutput();
    for (std::size_t done = 0; done < out.size();) {
        const ssize_t put = ::write(master_, out.data() + done, out.size() - done);
        if (put <= 0) {
            break;
        }
        done += static_cast<std::size_t>(put);
    }
}

}  // namespace zrv::test
