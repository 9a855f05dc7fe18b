#pragma once
// One bridge device, opened through the HID-to-UART layer, as a byte link:
// UART 8N1 without flow control at the given speed, reads that never wait.
#include "device/AccessMessages.h"
#include "device/ByteLink.h"
#include "device/HidUart.h"

#include <cstdint>

namespace vamok {

class HidUartLink : public ByteLink {
public:
    static constexpr unsigned kWriteTimeoutMs = 2000;

    HidUartLink(HidUartLibrary& library, unsigned deviceNum, std::uint16_t vid, std::uint16_t pid,
                int baud);
    ~HidUartLink() override;

    bool Open(std::string* error) override;
    void Close() override;
    bool IsOpen() const override { return device_ != nullptr; }
    long Write(const std::string& bytes) override;
    bool ReadAvailable(std::string& out) override;
    void Purge() override;
    bool SetBaudRate(int baud) override;
    // The speed the bridge reports back (0 when it cannot be read).
    int BaudRate() const override;

    bool ReadLatch(std::uint16_t* value);
    bool WriteLatch(std::uint16_t value, std::uint16_t mask);

    // The status of the last failed call (HID_UART_SUCCESS when none).
    HID_UART_STATUS LastStatus() const { return lastStatus_; }

private:
    bool Check(HID_UART_STATUS status);

    HidUartLibrary& library_;
    unsigned deviceNum_;
    std::uint16_t vid_;
    std::uint16_t pid_;
    int baud_;
    HID_UART_DEVICE device_ = nullptr;
    HID_UART_STATUS lastStatus_ = HID_UART_SUCCESS;
};

// The text for a failed open: a missing permission names the udev rule and
// how to install it, so it is never mistaken for a missing instrument.
std::string HidOpenProblem(HID_UART_STATUS status, const std::string& devicePath);

} // namespace vamok
