#pragma once
// Our own HID-to-UART layer for the bridge chip in the rix and Ventiq
// instruments, with the calls of the chip vendor's library: numbered
// devices of one vendor/product identity, each a UART behind HID reports.
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

// Options of HidUart_GetString.
inline constexpr unsigned HID_UART_GET_VID_STR = 1;
inline constexpr unsigned HID_UART_GET_PID_STR = 2;
inline constexpr unsigned HID_UART_GET_PATH_STR = 3;
inline constexpr unsigned HID_UART_GET_SERIAL_STR = 4;
inline constexpr unsigned HID_UART_GET_MANUFACTURER_STR = 5;
inline constexpr unsigned HID_UART_GET_PRODUCT_STR = 6;
// Strings are cut to fit the library's 260-byte buffer with its terminator.
inline constexpr std::size_t kHidUartMaxString = 259;

// Data-bits code 3 is 8 bits; parity 0 none; stop bits 0 one; flow 0 none.
inline constexpr std::uint8_t HID_UART_EIGHT_DATA_BITS = 3;
inline constexpr std::uint8_t HID_UART_NO_PARITY = 0;
inline constexpr std::uint8_t HID_UART_SHORT_STOP_BIT = 0;
inline constexpr std::uint8_t HID_UART_NO_FLOW_CONTROL = 0;

struct HidUartDevice;
using HID_UART_DEVICE = HidUartDevice*;

class HidUartLibrary {
public:
    explicit HidUartLibrary(std::unique_ptr<HidBackend> backend);
    ~HidUartLibrary();
    HidUartLibrary(const HidUartLibrary&) = delete;
    HidUartLibrary& operator=(const HidUartLibrary&) = delete;

    HID_UART_STATUS HidUart_GetNumDevices(unsigned* numDevices, std::uint16_t vid, std::uint16_t pid);
    HID_UART_STATUS HidUart_GetString(unsigned deviceNum, std::uint16_t vid, std::uint16_t pid,
                                      std::string& deviceString, unsigned option);
    HID_UART_STATUS HidUart_Open(HID_UART_DEVICE* device, unsigned deviceNum, std::uint16_t vid,
                                 std::uint16_t pid);
    HID_UART_STATUS HidUart_Close(HID_UART_DEVICE device);
    HID_UART_STATUS HidUart_SetUartConfig(HID_UART_DEVICE device, std::uint32_t baud,
                                          std::uint8_t dataBits, std::uint8_t parity,
                                          std::uint8_t stopBits, std::uint8_t flowControl);
    HID_UART_STATUS HidUart_GetUartConfig(HID_UART_DEVICE device, std::uint32_t* baud,
                                          std::uint8_t* dataBits, std::uint8_t* parity,
                                          std::uint8_t* stopBits, std::uint8_t* flowControl);
    HID_UART_STATUS HidUart_SetTimeouts(HID_UART_DEVICE device, unsigned readTimeoutMs,
                                        unsigned writeTimeoutMs);
    HID_UART_STATUS HidUart_Read(HID_UART_DEVICE device, std::uint8_t* buffer,
                                 unsigned numBytesToRead, unsigned* numBytesRead);
    HID_UART_STATUS HidUart_Write(HID_UART_DEVICE device, const std::uint8_t* buffer,
                                  unsigned numBytesToWrite, unsigned* numBytesWritten);
    HID_UART_STATUS HidUart_FlushBuffers(HID_UART_DEVICE device, bool flushTransmit,
                                         bool flushReceive);
    HID_UART_STATUS HidUart_ReadLatch(HID_UART_DEVICE device, std::uint16_t* latchValue);
    HID_UART_STATUS HidUart_WriteLatch(HID_UART_DEVICE device, std::uint16_t latchValue,
                                       std::uint16_t latchMask);

private:
    bool Valid(HID_UART_DEVICE device) const;
    std::vector<HidDeviceInfo> Devices(std::uint16_t vid, std::uint16_t pid);

    std::unique_ptr<HidBackend> backend_;
    std::vector<std::unique_ptr<HidUartDevice>> open_;
};

} // namespace vamok
