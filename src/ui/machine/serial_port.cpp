#include "ui/machine/serial_port.h"

#include <QSerialPortInfo>
#include <algorithm>

#include "ui/common/qt_text.h"

namespace zrv {

namespace {

std::string openFailure(const std::string& name, QSerialPort::SerialPortError error,
                        const QString& detail) {
    switch (error) {
        case QSerialPort::PermissionError:
            return "Kein Zugriff auf " + name +
                   ": ein anderes Programm hält den Anschluss (ein Sender, ein Terminal), oder "
                   "der Benutzer gehört nicht zur Gruppe „dialout“ (sudo usermod -aG dialout "
                   "$USER, dann neu anmelden). Unter Linux belegt „brltty“ gern Platinen mit "
                   "CH340 (sudo apt remove brltty).";
        case QSerialPort::DeviceNotFoundError:
            return "Anschluss " + name +
                   " nicht gefunden: ist die Maschine eingesteckt und eingeschaltet? "
                   "„Aktualisieren“ liest die Liste der Anschlüsse neu.";
        default:
            return "Anschluss " + name + " lässt sich nicht öffnen: " + utf8(detail);
    }
}

}  // namespace

std::vector<std::string> serialPortNames() {
    std::vector<std::string> names;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        names.push_back(utf8(info.systemLocation()));
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string SerialPort::open(const std::string& name, int baud) {
    close();
    name_ = name;
    port_ = std::make_unique<QSerialPort>(qs(name));
    port_->setBaudRate(baud);
    port_->setDataBits(QSerialPort::Data8);
    port_->setParity(QSerialPort::NoParity);
    port_->setStopBits(QSerialPort::OneStop);
    port_->setFlowControl(QSerialPort::NoFlowControl);
    if (!port_->open(QIODevice::ReadWrite)) {
        std::string why = openFailure(name, port_->error(), port_->errorString());
        port_.reset();
        return why;
    }
    return {};
}

void SerialPort::close() {
    if (port_) {
        port_->close();
        port_.reset();
    }
}

bool SerialPort::isOpen() const {
    return port_ && port_->isOpen();
}

std::string SerialPort::read() {
    if (!isOpen()) {
        return {};
    }
    port_->waitForReadyRead(0);
    const QByteArray bytes = port_->readAll();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

void SerialPort::write(std::string_view bytes) {
    if (isOpen() && !bytes.empty()) {
        port_->write(bytes.data(), static_cast<qint64>(bytes.size()));
        port_->flush();
    }
}

std::string SerialPort::lost() const {
    if (port_ && port_->error() == QSerialPort::ResourceError) {
        return "Verbindung zu " + name_ + " verloren (Kabel gezogen oder Steuerung aus)";
    }
    return {};
}

}  // namespace zrv
