#pragma once
// Our own HID-to-UART layer for the bridge chip in the rix and Ventiq
// instruments, with the calls of the chip vendor's library, except that a
// device is listed once with its strings and opened by its path: numbers
// taken from separate enumerations could name another device after a plug
// or unplug.
// Status 0 is success; HID_UART_READ_TIMED_OUT means "fewer bytes than
// asked for", which callers treat as success.
#include "device/HidDevice.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace vamok {

using HID_UART_STATUS = int;
inline constexpr HID_UART_STATUS HID_UART_SUCCESS = 0x00;
inline constexpr HID_UART_STATUS HID_UART_DEVICE_NOT_FOUND = 0x01;
inline constexpr HID_UART_STATUS HID_UART_INVALID_HANDLE = 0x02;
inline constexpr HID_UART_STATUS HID_UART_INVALID_PARAMETER = 0x04;
inline constexpr HID_UART_STATUS HID_UART_READ_ERROR = 0x10;
inline constexpr HID_UART_STATUS HID_UART_WRITE_ERROR = 0x11;
inline constexpr HID_UART_STATUS HID_UART_READ_TIMED_OUT = 0x12;
inline constexpr HID_UART_STATUS HID_UART_DEVICE_IO_FAILED = 0x14;
// The device exists but may not be opened (no udev rule on Linux).
inline constexpr HID_UART_STATUS HID_UART_DEVICE_ACCESS_ERROR = 0x15;

// Data-bits code 3 is 8 bits; parity 0 none; stop bits 0 one; flow 0 none.
inline constexpr std::uint8_t HID_UART_EIGHT_DATA_BITS = 3;
inline constexpr std::uint8_t HID_UART_NO_PARITY = 0;
inline constexpr std::uint8_t HID_UART_SHORT_STOP_BIT = 0;
inline constexpr std::uint8_t HID_UART_NO_FLOW_CONTROL = 0;

// Bits of the UART error status.
inline constexpr std::uint8_t HID_UART_PARITY_ERROR = 0x01;
inline constexpr std::uint8_t HID_UART_OVERRUN_ERROR = 0x02;

struct HidUartDevice;
using HID_UART_DEVICE = HidUartDevice*;

class HidUartLibrary {
public:
    explicit HidUartLibrary(std::unique_ptr<HidBackend> backend);
    ~HidUartLibrary();
    HidUartLibrary(const HidUartLibrary&) = delete;
    HidUartLibrary& operator=(const HidUartLibrary&) = delete;

    // The attached devices of one identity, from one enumeration, in natural
    // path order (hidraw2 before hidraw10).
    std::vector<HidDeviceInfo> HidUart_GetDevices(std::uint16_t vid, std::uint16_t pid);
    // Opens the device at path. Its UART stays as it is (disabled after a
    // power-up) until HidUart_SetUartEnable.
    HID_UART_STATUS HidUart_OpenPath(HID_UART_DEVICE* device, const std::string& path);
    HID_UART_STATUS HidUart_Close(HID_UART_DEVICE device);
    HID_UART_STATUS HidUart_SetUartConfig(HID_UART_DEVICE device, std::uint32_t baud,
                                          std::uint8_t dataBits, std::uint8_t parity,
                                          std::uint8_t stopBits, std::uint8_t flowControl);
    HID_UART_STATUS HidUart_GetUartConfig(HID_UART_DEVICE device, std::uint32_t* baud,
                                          std::uint8_t* dataBits, std::uint8_t* parity,
                                          std::uint8_t* stopBits, std::uint8_t* flowControl);
    HID_UART_STATUS HidUart_SetUartEnable(HID_UART_DEVICE device, bool enable);
    HID_UART_STATUS HidUart_GetUartStatus(HID_UART_DEVICE device, std::uint16_t* txFifo,
                                          std::uint16_t* rxFifo, std::uint8_t* errorStatus,
                                          std::uint8_t* lineBreakStatus);
    HID_UART_STATUS HidUart_SetTimeouts(HID_UART_DEVICE device, unsigned readTimeoutMs,
                                        unsigned writeTimeoutMs);
    // A read error still hands over the bytes gathered before it.
    HID_UART_STATUS HidUart_Read(HID_UART_DEVICE device, std::uint8_t* buffer,
                                 unsigned numBytesToRead, unsigned* numBytesRead);
    HID_UART_STATUS HidUart_Write(HID_UART_DEVICE device, const std::uint8_t* buffer,
                                  unsigned numBytesToWrite, unsigned* numBytesWritten);
    // Purges the chip's FIFOs; flushing the receive side also drops the
    // input reports already queued on the host, which the chip cannot reach.
    HID_UART_STATUS HidUart_FlushBuffers(HID_UART_DEVICE device, bool flushTransmit,
                                         bool flushReceive);
    HID_UART_STATUS HidUart_ReadLatch(HID_UART_DEVICE device, std::uint16_t* latchValue);
    HID_UART_STATUS HidUart_WriteLatch(HID_UART_DEVICE device, std::uint16_t latchValue,
                                       std::uint16_t latchMask);

private:
    bool Valid(HID_UART_DEVICE device) const;

    std::unique_ptr<HidBackend> backend_;
    std::vector<std::unique_ptr<HidUartDevice>> open_;
};

} // namespace vamok
