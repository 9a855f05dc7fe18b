#pragma once
// The report protocol of the CP2110-class HID-to-UART bridge: data reports
// whose ID is their byte count (1..63) and the feature reports that enable,
// configure, purge and query the UART and drive the pin latch.
#include "device/HidDevice.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vamok {

namespace hidreport {
inline constexpr std::uint8_t kMaxData = 63;
inline constexpr std::uint8_t kUartEnable = 0x41;
inline constexpr std::uint8_t kUartStatus = 0x42;
inline constexpr std::uint8_t kPurgeFifos = 0x43;
inline constexpr std::uint8_t kGetLatch = 0x44;
inline constexpr std::uint8_t kSetLatch = 0x45;
inline constexpr std::uint8_t kUartConfig = 0x50;
inline constexpr std::uint8_t kPurgeTx = 0x01;
inline constexpr std::uint8_t kPurgeRx = 0x02;
} // namespace hidreport

struct UartConfig {
    std::uint32_t baud = 0;
    std::uint8_t parity = 0;      // 0 none
    std::uint8_t flowControl = 0; // 0 none, 1 RTS/CTS
    std::uint8_t dataBits = 3;    // 0 = 5 bits ... 3 = 8 bits
    std::uint8_t stopBits = 0;    // 0 one stop bit, 1 long
};

struct UartStatus {
    std::uint16_t txFifo = 0; // bytes waiting to go out
    std::uint16_t rxFifo = 0; // bytes received, not yet handed to the host
    std::uint8_t errors = 0;  // bit 0 parity error, bit 1 overrun
    std::uint8_t lineBreak = 0;
};

// Data bytes as interrupt OUT reports of at most 63 bytes each.
std::vector<HidReport> DataReports(const std::string& bytes);
// Appends the data bytes of an interrupt IN report to out. Reports with ID 0
// or above 63 carry no UART data and are ignored; a report shorter than its
// ID claims gives only the bytes it holds.
void AppendReportData(const HidReport& report, std::string& out);

HidReport UartEnableReport(bool enable);
HidReport UartConfigReport(const UartConfig& config);
HidReport PurgeReport(std::uint8_t fifos);
HidReport SetLatchReport(std::uint16_t value, std::uint16_t mask);

// An empty feature report of the given ID, sized for GetFeature.
HidReport FeatureRequest(std::uint8_t id);
std::optional<UartConfig> ParseUartConfig(const HidReport& report);
std::optional<std::uint16_t> ParseLatch(const HidReport& report);
std::optional<UartStatus> ParseUartStatus(const HidReport& report);

} // namespace vamok
