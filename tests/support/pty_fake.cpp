#include "support/pty_fake.h"

#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <utility>

namespace zrv::test {

PtyFake::PtyFake(FakeGrbl::Options options, FakeGrbl::Time now) : fake(std::move(options), now) {
    char path[256] = {};
    if (::openpty(&master, &slave, path, nullptr, nullptr) == 0) {
        termios raw{};
        ::tcgetattr(slave, &raw);
        ::cfmakeraw(&raw);
        ::tcsetattr(slave, TCSANOW, &raw);  // no echo before the program takes the port
        ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
        name = path;
    }
}

void PtyFake::unplug() {
    for (int* side : {&slave, &master}) {
        if (*side >= 0) {
            ::close(std::exchange(*side, -1));
        }
    }
}

bool PtyFake::pump(FakeGrbl::Time now) {
    char buffer[4096];
    for (ssize_t got = ::read(master, buffer, sizeof buffer); got > 0;
         got = ::read(master, buffer, sizeof buffer)) {
        fake.receive(std::string_view(buffer, static_cast<std::size_t>(got)), now);
    }
    fake.advance(now);
    const std::string out = fake.takeOutput();
    for (std::size_t done = 0; done < out.size();) {
        const ssize_t put = ::write(master, out.data() + done, out.size() - done);
        if (put <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(put);
    }
    return true;
}

}  // namespace zrv::test
