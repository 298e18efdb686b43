#include "app/serial_port.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

namespace zrv {
namespace {

struct Rate {
    int baud;
    speed_t speed;
};

constexpr Rate kRates[] = {{9600, B9600},   {19200, B19200},   {38400, B38400},
                           {57600, B57600}, {115200, B115200}, {230400, B230400}};

std::optional<speed_t> speedOf(int baud) {
    for (const Rate& rate : kRates) {
        if (rate.baud == baud) {
            return rate.speed;
        }
    }
    return std::nullopt;
}

std::string quoted(const std::string& device) {
    return "„" + device + "“";
}

// Why the device cannot be opened, and what the user can do about it.
std::string openProblem(const std::string& device, int error) {
    switch (error) {
        case ENOENT:
        case ENODEV:
        case ENXIO:
            return "Den Anschluss " + quoted(device) +
                   " gibt es nicht: Kabel einstecken und mit „ls /dev/ttyUSB* /dev/ttyACM*“ "
                   "nachsehen. Verschwindet eine CH340-Platine gleich nach dem Einstecken, hat "
                   "sie unter Linux brltty übernommen: „sudo apt-get remove brltty“";
        case EACCES:
        case EPERM:
            return "Keine Berechtigung für " + quoted(device) +
                   ": den Benutzer in die Gruppe dialout aufnehmen („sudo usermod -aG dialout "
                   "$USER“) und neu anmelden";
        case EBUSY:
        case EWOULDBLOCK:
            return quoted(device) +
                   " ist belegt: ein anderes Programm hält ihn (ein Sender, ein Terminal, "
                   "ModemManager, unter Linux bei CH340-Platinen oft brltty); dieses beenden";
        case ENOTTY:
            return quoted(device) + " ist keine serielle Schnittstelle";
        default:
            return quoted(device) + " kann nicht geöffnet werden: " + std::strerror(error);
    }
}

// Raw bytes both ways: 8 data bits, no parity, one stop bit, no flow control of any kind, no
// echo and no line editing; reads return what is there.
bool makeRaw(int fd, speed_t speed) {
    termios settings{};
    if (tcgetattr(fd, &settings) != 0) {
        return false;
    }
    cfmakeraw(&settings);
    // HUPCL off: DTR stays up when the port closes, so the next open does not reset a board
    // that restarts on DTR (most with a CH340), and its machine position is kept.
    settings.c_cflag &= ~static_cast<tcflag_t>(CSTOPB | PARENB | CRTSCTS | CSIZE | HUPCL);
    settings.c_cflag |= CS8 | CLOCAL | CREAD;
    settings.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
    settings.c_cc[VMIN] = 0;
    settings.c_cc[VTIME] = 0;
    if (cfsetispeed(&settings, speed) != 0 || cfsetospeed(&settings, speed) != 0) {
        return false;
    }
    if (tcsetattr(fd, TCSANOW, &settings) != 0) {
        return false;
    }
    tcflush(fd, TCIOFLUSH);
    return true;
}

}  // namespace

bool knownBaud(int baud) {
    return speedOf(baud).has_value();
}

std::variant<SerialPort, std::string> SerialPort::open(const std::string& device, int baud) {
    const std::optional<speed_t> speed = speedOf(baud);
    if (!speed) {
        return "Baudrate " + std::to_string(baud) + " wird nicht unterstützt";
    }
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return openProblem(device, errno);
    }
    SerialPort port(fd);
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        return openProblem(device, errno == EWOULDBLOCK ? EBUSY : errno);
    }
    if (!isatty(fd)) {
        return openProblem(device, ENOTTY);
    }
    if (!makeRaw(fd, *speed)) {
        return openProblem(device, errno);
    }
    // Nobody else opens it while the job runs (root excepted).
    ioctl(fd, TIOCEXCL);
    return port;
}

SerialPort::SerialPort(SerialPort&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

SerialPort& SerialPort::operator=(SerialPort&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

SerialPort::~SerialPort() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

bool SerialPort::write(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
        if (written > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(written));
            continue;
        }
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written < 0 && errno != EAGAIN) {
            return false;
        }
        pollfd wait{fd_, POLLOUT, 0};
        const int polled = poll(&wait, 1, 1000);
        if (polled < 0 && errno == EINTR) {
            continue;  // Ctrl+C while waiting: the job's stop still needs the port
        }
        if (polled <= 0 || (wait.revents & (POLLERR | POLLHUP)) != 0) {
            return false;
        }
    }
    return true;
}

std::optional<std::string> SerialPort::read(std::chrono::milliseconds wait) {
    pollfd ready{fd_, POLLIN, 0};
    const int polled = poll(&ready, 1, static_cast<int>(wait.count()));
    if (polled < 0) {
        return errno == EINTR ? std::optional<std::string>(std::string{}) : std::nullopt;
    }
    if (polled == 0) {
        return std::string{};
    }
    if ((ready.revents & POLLIN) == 0 && (ready.revents & (POLLERR | POLLHUP | POLLNVAL)) != 0) {
        return std::nullopt;
    }
    char buffer[4096];
    const ssize_t count = ::read(fd_, buffer, sizeof buffer);
    if (count > 0) {
        return std::string(buffer, static_cast<std::size_t>(count));
    }
    if (count < 0 && (errno == EAGAIN || errno == EINTR)) {
        return std::string{};
    }
    return std::nullopt;  // end of file or an error: the device is gone
}

}  // namespace zrv
