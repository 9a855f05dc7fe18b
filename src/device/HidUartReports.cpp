#include "device/HidUartReports.h"

#include <algorithm>

namespace vamok {

namespace {

std::uint16_t BigEndian16(const HidReport& r, std::size_t at)
{
    return static_cast<std::uint16_t>((r[at] << 8) | r[at + 1]);
}

bool Holds(const HidReport& report, std::uint8_t id, std::size_t length)
{
    return report.size() >= length && report[0] == id;
}

} // namespace

std::vector<HidReport> DataReports(const std::string& bytes)
{
    std::vector<HidReport> reports;
    for (std::size_t at = 0; at < bytes.size(); at += hidreport::kMaxData) {
        const std::size_t n = std::min<std::size_t>(hidreport::kMaxData, bytes.size() - at);
        HidReport report{static_cast<std::uint8_t>(n)};
        report.insert(report.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at),
                      bytes.begin() + static_cast<std::ptrdiff_t>(at + n));
        reports.push_back(std::move(report));
    }
    return reports;
}

void AppendReportData(const HidReport& report, std::string& out)
{
    if (report.empty() || report[0] == 0 || report[0] > hidreport::kMaxData)
        return;
    const std::size_t n = std::min<std::size_t>(report[0], report.size() - 1);
    out.append(reinterpret_cast<const char*>(report.data() + 1), n);
}

HidReport UartEnableReport(bool enable)
{
    return {hidreport::kUartEnable, static_cast<std::uint8_t>(enable ? 1 : 0)};
}

HidReport UartConfigReport(const UartConfig& c)
{
    return {hidreport::kUartConfig,
            static_cast<std::uint8_t>(c.baud >> 24),
            static_cast<std::uint8_t>(c.baud >> 16),
            static_cast<std::uint8_t>(c.baud >> 8),
            static_cast<std::uint8_t>(c.baud),
            c.parity,
            c.flowControl,
            c.dataBits,
            c.stopBits};
}

HidReport PurgeReport(std::uint8_t fifos) { return {hidreport::kPurgeFifos, fifos}; }

HidReport SetLatchReport(std::uint16_t value, std::uint16_t mask)
{
    return {hidreport::kSetLatch, static_cast<std::uint8_t>(value >> 8),
            static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(mask >> 8),
            static_cast<std::uint8_t>(mask)};
}

HidReport FeatureRequest(std::uint8_t id)
{
    HidReport report(64, 0);
    report[0] = id;
    return report;
}

std::optional<UartConfig> ParseUartConfig(const HidReport& r)
{
    if (!Holds(r, hidreport::kUartConfig, 9))
        return std::nullopt;
    UartConfig c;
    c.baud = (std::uint32_t{r[1]} << 24) | (std::uint32_t{r[2]} << 16) | (std::uint32_t{r[3]} << 8)
        | std::uint32_t{r[4]};
    c.parity = r[5];
    c.flowControl = r[6];
    c.dataBits = r[7];
    c.stopBits = r[8];
    return c;
}

std::optional<std::uint16_t> ParseLatch(const HidReport& r)
{
    if (!Holds(r, hidreport::kGetLatch, 3))
        return std::nullopt;
    return BigEndian16(r, 1);
}

std::optional<UartStatus> ParseUartStatus(const HidReport& r)
{
    if (!Holds(r, hidreport::kUartStatus, 7))
        return std::nullopt;
    return UartStatus{BigEndian16(r, 1), BigEndian16(r, 3), r[5], r[6]};
}

} // namespace vamok
