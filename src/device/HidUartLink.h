#pragma once
// One bridge device, opened by its path through the HID-to-UART layer, as a
// byte link: UART 8N1 without flow control at the given speed, reads that
// never wait.
#include "device/AccessMessages.h"
#include "device/ByteLink.h"
#include "device/HidUart.h"

#include <cstdint>
#include <string>

namespace vamok {

class HidUartLink : public ByteLink {
public:
    static constexpr unsigned kWriteTimeoutMs = 2000;
    static constexpr unsigned kReadChunk = 2000;

    HidUartLink(HidUartLibrary& library, std::string path, int baud);
    ~HidUartLink() override;

    // Opens the device, sets its UART and reads the setting back (a bridge
    // that keeps another speed is closed again: nothing could be understood
    // at it), enables the UART and purges what the chip and the host hold.
    bool Open(std::string* error) override;
    void Close() override;
    bool IsOpen() const override { return device_ != nullptr; }
    long Write(const std::string& bytes) override;
    // Reads as long as full chunks come, so a long reply does not wait in the
    // chip's FIFO until it overruns. On a read error the bytes gathered
    // before it are still appended.
    bool ReadAvailable(std::string& out) override;
    // Purges the chip's FIFOs and drops what is queued on the host.
    void Purge() override;
    // False when the bridge does not take the speed (it keeps its own).
    bool SetBaudRate(int baud) override;
    // The speed the bridge reports back (0 when it cannot be read).
    int BaudRate() const override;

    // The UART error status bits (HID_UART_PARITY_ERROR, ..._OVERRUN_ERROR).
    bool ReadErrorStatus(std::uint8_t* errors);
    bool ReadLatch(std::uint16_t* value);
    bool WriteLatch(std::uint16_t value, std::uint16_t mask);

    const std::string& Path() const { return path_; }
    // The status of the last failed call (HID_UART_SUCCESS when none).
    HID_UART_STATUS LastStatus() const { return lastStatus_; }

private:
    bool Check(HID_UART_STATUS status);
    // Sets 8N1 at baud and reads it back; on a mismatch *problem says what
    // the bridge holds instead.
    bool ApplyUartConfig(int baud, std::string* problem);

    HidUartLibrary& library_;
    std::string path_;
    int baud_;
    HID_UART_DEVICE device_ = nullptr;
    HID_UART_STATUS lastStatus_ = HID_UART_SUCCESS;
};

// The text for a failed open: a missing permission names the udev rule and
// how to install it, so it is never mistaken for a missing instrument.
std::string HidOpenProblem(HID_UART_STATUS status, const std::string& devicePath);
// The same, classified for the user's advice.
OpenFailure HidOpenFailure(HID_UART_STATUS status, const std::string& devicePath);

} // namespace vamok
