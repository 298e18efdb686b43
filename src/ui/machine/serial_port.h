#pragma once

#include <QSerialPort>
#include <memory>

#include "ui/machine/controller_port.h"

namespace zrv {

// The controller's port through QSerialPort: 8 data bits, no parity, one stop bit, no flow
// control, as GRBL expects.
class SerialPort final : public ControllerPort {
  public:
    std::string open(const std::string& name, int baud) override;
    void close() override;
    std::string read() override;
    void write(std::string_view bytes) override;
    std::string lost() const override;

  private:
    bool isOpen() const;

    std::unique_ptr<QSerialPort> port_;
    std::string name_;
};

}  // namespace zrv
