#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace zrv {

// A serial port through the POSIX terminal interface: raw 8N1, no flow control, not the
// controlling terminal, held exclusively. Closed when it goes out of scope.
class SerialPort {
  public:
    // The open port, or a German message that says why it cannot be opened and what to do.
    static std::variant<SerialPort, std::string> open(const std::string& device, int baud);

    SerialPort(SerialPort&& other) noexcept;
    SerialPort& operator=(SerialPort&& other) noexcept;
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;
    ~SerialPort();

    int fd() const { return fd_; }

    // Writes every byte as it is; false when the port is gone or stays blocked for a second.
    bool write(std::string_view bytes);
    // What has arrived, waiting at most `wait` for the first byte; nullopt when the port is gone
    // (unplugged, the board's USB chip vanished).
    std::optional<std::string> read(std::chrono::milliseconds wait);

  private:
    explicit SerialPort(int fd) : fd_(fd) {}
    int fd_ = -1;
};

// Whether `baud` is a rate the terminal interface knows (9600 ... 230400).
bool knownBaud(int baud);

}  // namespace zrv
