#include "support/pty_fake.h"

#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace zrv::test {

PtyFake::PtyFake(FakeGrbl::Options options, FakeGrbl::Time now) : fake(std::move(options), now) {
    char name[256] = {};
    if (::openpty(&master_, &slave_, name, nullptr, nullptr) != 0) {
        return;
    }
    termios raw{};
    ::tcgetattr(slave_, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(slave_, TCSANOW, &raw);  // no echo before the program takes the port
    ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
    name_ = name;
}

PtyFake::~PtyFake() {
    unplug();
}

void PtyFake::closeSlave() {
    if (slave_ >= 0) {
        ::close(slave_);
    }
    slave_ = -1;
}

void PtyFake::unplug() {
    closeSlave();
    if (master_ >= 0) {
        ::close(master_);
    }
    master_ = -1;
}

bool PtyFake::pump(FakeGrbl::Time now) {
    char buffer[4096];
    for (ssize_t got = ::read(master_, buffer, sizeof buffer); got > 0;
         got = ::read(master_, buffer, sizeof buffer)) {
        fake.receive(std::string_view(buffer, static_cast<std::size_t>(got)), now);
    }
    fake.advance(now);
    const std::string out = fake.takeOutput();
    for (std::size_t done = 0; done < out.size();) {
        const ssize_t put = ::write(master_, out.data() + done, out.size() - done);
        if (put <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(put);
    }
    return true;
}

}  // namespace zrv::test
