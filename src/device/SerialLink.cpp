#include "device/SerialLink.h"

#include <QElapsedTimer>
#include <QThread>

namespace vamok {

std::string ComPortDevicePath(int portNumber)
{
    if (portNumber >= 1 && portNumber <= 16)
        return "/dev/ttyUSB" + std::to_string(portNumber - 1);
    if (portNumber >= 17 && portNumber <= 24)
        return "/dev/ttyACM" + std::to_string(portNumber - 17);
    if (portNumber >= 25 && portNumber <= 64)
        return "/dev/ttyS" + std::to_string(portNumber - 25);
    return {};
}

int ComPortNumberOfDevice(const std::string& path)
{
    for (int n = 1; n <= 64; ++n) {
        if (ComPortDevicePath(n) == path)
            return n;
    }
    return 0;
}

SerialLink::SerialLink()
{
    port_.setReadBufferSize(kBufferSize);
    QObject::connect(&port_, &QSerialPort::readyRead, [this] {
        if (DataAvailable)
            DataAvailable();
    });
}

void SerialLink::SetDevicePath(const std::string& path)
{
    Close();
    path_ = path;
}

bool SerialLink::Open(std::string* error)
{
    if (port_.isOpen())
        return true;
    openFailure_ = {};
    if (path_.empty()) {
        openFailure_.reason = "no serial port chosen";
        if (error)
            *error = openFailure_.reason;
        return false;
    }
    port_.setPortName(QString::fromStdString(path_));
    if (!port_.open(QIODevice::ReadWrite)) {
        // The driver says "permission" both for a lock that another program
        // holds and for a node this user may not open; the node tells which.
        const bool refused = port_.error() == QSerialPort::PermissionError;
        openFailure_ = ClassifyOpenFailure(path_, refused, port_.errorString().toStdString());
        if (error)
            *error = path_ + ": " + openFailure_.reason;
        return false;
    }
    port_.setBaudRate(baud_);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    // Modem lines do not exist on every device (pseudo-terminals); the
    // instrument does not need them, so a refusal is of no consequence.
    port_.setDataTerminalReady(false);
    port_.setRequestToSend(false);
    port_.clearError();
    port_.clear(QSerialPort::AllDirections);
    return true;
}

void SerialLink::Close()
{
    if (port_.isOpen())
        port_.close();
}

bool SerialLink::IsOpen() const { return port_.isOpen(); }

long SerialLink::Write(const std::string& bytes)
{
    if (!port_.isOpen())
        return -1;
    const qint64 n = port_.write(bytes.data(), static_cast<qint64>(bytes.size()));
    // Hand the bytes to the driver now, so the reply timeout counts from here.
    port_.flush();
    return static_cast<long>(n);
}

bool SerialLink::ReadAvailable(std::string& out)
{
    if (!port_.isOpen())
        return false;
    const QByteArray data = port_.readAll();
    out.append(data.constData(), static_cast<std::size_t>(data.size()));
    return true;
}

void SerialLink::Purge()
{
    if (port_.isOpen())
        port_.clear(QSerialPort::AllDirections);
}

bool SerialLink::SetBaudRate(int baud)
{
    baud_ = baud;
    return !port_.isOpen() || port_.setBaudRate(baud);
}

int SerialLink::BaudRate() const { return baud_; }

void SerialLink::WaitForBytes(int ms)
{
    // The port wakes the wait with the bytes (readyRead is emitted inside),
    // instead of their lying unread until a blind sleep has passed.
    QElapsedTimer clock;
    clock.start();
    if (port_.isOpen() && port_.waitForReadyRead(ms))
        return;
    // Closed, or a port error that returns at once: do not spin.
    const qint64 left = ms - clock.elapsed();
    if (left > 0)
        QThread::msleep(static_cast<unsigned long>(left));
}

} // namespace vamok
