#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zrv {

// The wire to the controller as the machine panel uses it: polled, never blocking.
class ControllerPort {
  public:
    virtual ~ControllerPort() = default;

    // Opens the port; empty when it is open, otherwise why not and what to do (German).
    virtual std::string open(const std::string& name, int baud) = 0;
    virtual void close() = 0;
    // What arrived since the last call.
    virtual std::string read() = 0;
    // Bytes as they are: real-time commands above 0x7F must not pass a text conversion.
    virtual void write(std::string_view bytes) = 0;
    // Why the open port stopped working (unplugged, gone); empty while it works.
    virtual std::string lost() const = 0;
};

// The serial ports the system offers ("/dev/ttyUSB0", "COM3"), sorted.
std::vector<std::string> serialPortNames();

}  // namespace zrv
