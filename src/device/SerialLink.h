#pragma once
// The serial port to the altarim instrument or the Quadrovan gateway:
// 8 data bits, no parity, 1 stop bit, no flow control, DTR and RTS off,
// 4096-byte buffers.
#include "device/ByteLink.h"

#include <QSerialPort>
#include <string>

namespace vamok {

// The device behind port number n (1..64): 1-16 are USB serial adapters
// (/dev/ttyUSB0-15), 17-24 USB modem-class devices (/dev/ttyACM0-7),
// 25-64 built-in ports (/dev/ttyS0-39). "" for numbers outside 1..64.
std::string ComPortDevicePath(int portNumber);
// The port number a device path stands for, 0 for none.
int ComPortNumberOfDevice(const std::string& path);

class SerialLink : public ByteLink {
public:
    static constexpr int kBufferSize = 4096;

    SerialLink();
    void SetDevicePath(const std::string& path);
    const std::string& DevicePath() const { return path_; }

    bool Open(std::string* error) override;
    void Close() override;
    bool IsOpen() const override;
    long Write(const std::string& bytes) override;
    bool ReadAvailable(std::string& out) override;
    void Purge() override;
    bool SetBaudRate(int baud) override;
    int BaudRate() const override;
    void WaitForBytes(int ms) override;

private:
    QSerialPort port_;
    std::string path_;
    int baud_ = 9600;
};

} // namespace vamok
