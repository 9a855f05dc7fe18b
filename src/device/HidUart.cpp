#include "device/HidUart.h"

#include "device/HidUartReports.h"

#include <QDeadlineTimer>
#include <algorithm>
#include <cstring>
#include <string_view>

namespace vamok {

struct HidUartDevice {
    std::unique_ptr<HidDevice> hid;
    unsigned readTimeoutMs = 0;
    // Bytes of a report that did not fit into the last read.
    std::string pending;
};

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Paths compared with their digit runs as numbers, so that hidraw2 comes
// before hidraw10 and a device keeps its place when others come and go.
bool NaturalLess(const std::string& a, const std::string& b)
{
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (IsDigit(a[i]) && IsDigit(b[j])) {
            const std::size_t iStart = i, jStart = j;
            while (i < a.size() && a[i] == '0')
                ++i;
            while (j < b.size() && b[j] == '0')
                ++j;
            const std::size_t iDigits = i, jDigits = j;
            while (i < a.size() && IsDigit(a[i]))
                ++i;
            while (j < b.size() && IsDigit(b[j]))
                ++j;
            const std::string_view x(a.data() + iDigits, i - iDigits);
            const std::string_view y(b.data() + jDigits, j - jDigits);
            if (x.size() != y.size())
                return x.size() < y.size();
            if (x != y)
                return x < y;
            if (i - iStart != j - jStart) // equal values: fewer leading zeros first
                return i - iStart < j - jStart;
            continue;
        }
        if (a[i] != b[j])
            return a[i] < b[j];
        ++i;
        ++j;
    }
    return a.size() - i < b.size() - j;
}

// Drops the input reports already queued on the host; false on an I/O error.
bool DropQueuedReports(HidDevice& hid)
{
    HidReport report;
    do {
        if (!hid.ReadReport(report, 0))
            return false;
    } while (!report.empty());
    return true;
}

} // namespace

HidUartLibrary::HidUartLibrary(std::unique_ptr<HidBackend> backend) : backend_(std::move(backend)) {}
HidUartLibrary::~HidUartLibrary() = default;

bool HidUartLibrary::Valid(HID_UART_DEVICE device) const
{
    return std::any_of(open_.begin(), open_.end(),
                       [device](const auto& d) { return d.get() == device; });
}

std::vector<HidDeviceInfo> HidUartLibrary::HidUart_GetDevices(std::uint16_t vid, std::uint16_t pid)
{
    auto devices = backend_->Enumerate(vid, pid);
    std::sort(devices.begin(), devices.end(),
              [](const auto& a, const auto& b) { return NaturalLess(a.path, b.path); });
    return devices;
}

HID_UART_STATUS HidUartLibrary::HidUart_OpenPath(HID_UART_DEVICE* device, const std::string& path)
{
    if (!device)
        return HID_UART_INVALID_PARAMETER;
    *device = nullptr;
    HidOpenResult result = HidOpenResult::Failed;
    auto hid = backend_->Open(path, result);
    if (!hid) {
        switch (result) {
        case HidOpenResult::NotFound: return HID_UART_DEVICE_NOT_FOUND;
        case HidOpenResult::PermissionDenied: return HID_UART_DEVICE_ACCESS_ERROR;
        default: return HID_UART_DEVICE_IO_FAILED;
        }
    }
    auto opened = std::make_unique<HidUartDevice>();
    opened->hid = std::move(hid);
    *device = opened.get();
    open_.push_back(std::move(opened));
    return HID_UART_SUCCESS;
}

HID_UART_STATUS HidUartLibrary::HidUart_Close(HID_UART_DEVICE device)
{
    const auto it = std::find_if(open_.begin(), open_.end(),
                                 [device](const auto& d) { return d.get() == device; });
    if (it == open_.end())
        return HID_UART_INVALID_HANDLE;
    open_.erase(it);
    return HID_UART_SUCCESS;
}

HID_UART_STATUS HidUartLibrary::HidUart_SetUartConfig(HID_UART_DEVICE device, std::uint32_t baud,
                                                      std::uint8_t dataBits, std::uint8_t parity,
                                                      std::uint8_t stopBits,
                                                      std::uint8_t flowControl)
{
    if (!Valid(device))
        return HID_UART_INVALID_HANDLE;
    if (dataBits > 3 || stopBits > 1 || flowControl > 1 || parity > 4)
        return HID_UART_INVALID_PARAMETER;
    const UartConfig config{baud, parity, flowControl, dataBits, stopBits};
    return device->hid->SetFeature(UartConfigReport(config)) ? HID_UART_SUCCESS
                                                             : HID_UART_DEVICE_IO_FAILED;
}

HID_UART_STATUS HidUartLibrary::HidUart_GetUartConfig(HID_UART_DEVICE device, std::uint32_t* baud,
                                                      std::uint8_t* dataBits, std::uint8_t* parity,
                                                      std::uint8_t* stopBits,
                                                      std::uint8_t* flowControl)
{
    if (!Valid(device))
        return HID_UART_INVALID_HANDLE;
    if (!baud || !dataBits || !parity || !stopBits || !flowControl)
        return HID_UART_INVALID_PARAMETER;
    HidReport report = FeatureRequest(hidreport::kUartConfig);
    if (!device->hid->GetFeature(report))
        return HID_UART_DEVICE_IO_FAILED;
    const auto config = ParseUartConfig(report);
    if (!config)
        return HID_UART_DEVICE_IO_FAILED;
    *baud = config->baud;
    *dataBits = config->dataBits;
    *parity = config->parity;
    *stopBits = config->stopBits;
    *flowControl = config->flowControl;
    return HID_UART_SUCCESS;
}

HID_UART_STATUS HidUartLibrary::HidUart_SetUartEnable(HID_UART_DEVICE device, bool enable)
{
    if (!Valid(device))
        return HID_UART_INVALID_HANDLE;
    return device->hid->SetFeature(UartEnableReport(enable)) ? HID_UART_SUCCESS
                                                             : HID_UART_DEVICE_IO_FAILED;
}

HID_UART_STATUS HidUartLibrary::HidUart_GetUartStatus(HID_UART_DEVICE device, std::uint16_t* txFifo,
                                                      std::uint16_t* rxFifo,
                                                      std::uint8_t* errorStatus,
                                                      std::uint8_t* lineBreakStatus)
{
    if (!Valid(device))
        return HID_UART_INVALID_HANDLE;
    if (!txFifo || !rxFifo || !errorStatus || !lineBreakStatus)
        return HID_UART_INVALID_PARAMETER;
    HidReport report = FeatureRequest(hidreport::kUartStatus);
    if (!device->hid->GetFeature(report))
        return HID_UART_DEVICE_IO_FAILED;
    const auto status = ParseUartStatus(report);
    if (!status)
        return HID_UART_DEVICE_IO_FAILED;
    *txFifo = status->txFifo;
    *rxFifo = status->rxFifo;
    *errorStatus = status->errors;
    *lineBreakStatus = status->lineBreak;
    return HID_UART_SUCCESS;
}

HID_UART_STATUS HidUartLibrary::HidUart_SetTimeouts(HID_UART_DEVICE device, unsigned readTimeoutMs,
                                                    unsigned /*writeTimeoutMs*/)
{
    // Writes go out report by report without a queue of our own, so only
    // the read timeout has an effect.
    if (!Valid(device))
        return HID_UART_INVALID_HANDLE;
    device->readTimeoutMs = readTimeoutMs;
    return HID_UART_SUCCESS;
}

HID_UART_STATUS HidUartLibrary::HidUart_Read(HID_UART_DEVICE device, std::uint8_t* buffer,
                                             unsigned numBytesToRead, unsigned* numBytesRead)
{
    if (!Valid(device))
        return HID_UART_INVALID_HANDLE;
    if (!buffer || !numBytesRead)
        return HID_UART_INVALID_PARAMETER;
    std::string data;
    data.swap(device->pending);
    HID_UART_STATUS status = HID_UART_SUCCESS;
    const QDeadlineTimer deadline(static_cast<qint64>(device->readTimeoutMs));
    while (data.size() < numBytesToRead) {
        HidReport report;
        const int waitMs = static_cast<int>(std::max<qint64>(0, deadline.remainingTime()));
        if (!device->hid->ReadReport(report, waitMs)) {
            status = HID_UART_READ_ERROR;
            break;
        }
        if (report.empty())
            break;
        AppendReportData(report, data);
    }
    const std::size_t n = std::min<std::size_t>(data.size(), numBytesToRead);
    std::memcpy(buffer, data.data(), n);
    device->pending = data.substr(n);
    *numBytesRead = static_cast<unsigned>(n);
    if (status != HID_UART_SUCCESS)
        return status;
    return n == numBytesToRead ? HID_UART_SUCCESS : HID_UART_READ_TIMED_OUT;
}

HID_UART_STATUS HidUartLibrary::HidUart_Write(HID_UART_DEVICE device, const std::uint8_t* buffer,
                                              unsigned numBytesToWrite, unsigned* numBytesWritten)
{
    if (!Valid(device))
        return HID_UART_INVALID_HANDLE;
    if (!buffer || !numBytesWritten)
        return HID_UART_INVALID_PARAMETER;
    *numBytesWritten = 0;
    const std::string bytes(reinterpret_cast<const char*>(buffer), numBytesToWrite);
    for (const HidReport& report : DataReports(bytes)) {
        if (!device->hid->WriteReport(report))
            return HID_UART_WRITE_ERROR;
        *numBytesWritten += report[0];
    }
    return HID_UART_SUCCESS;
}

HID_UART_STATUS HidUartLibrary::HidUart_FlushBuffers(HID_UART_DEVICE device, bool flushTransmit,
                                                     bool flushReceive)
{
    if (!Valid(device))
        return HID_UART_INVALID_HANDLE;
    const std::uint8_t fifos = (flushTransmit ? hidreport::kPurgeTx : 0)
        | (flushReceive ? hidreport::kPurgeRx : 0);
    if (fifos != 0 && !device->hid->SetFeature(PurgeReport(fifos)))
        return HID_UART_DEVICE_IO_FAILED;
    if (flushReceive) {
        device->pending.clear();
        if (!DropQueuedReports(*device->hid))
            return HID_UART_DEVICE_IO_FAILED;
    }
    return HID_UART_SUCCESS;
}

HID_UART_STATUS HidUartLibrary::HidUart_ReadLatch(HID_UART_DEVICE device, std::uint16_t* latchValue)
{
    if (!Valid(device))
        return HID_UART_INVALID_HANDLE;
    if (!latchValue)
        return HID_UART_INVALID_PARAMETER;
    HidReport report = FeatureRequest(hidreport::kGetLatch);
    if (!device->hid->GetFeature(report))
        return HID_UART_DEVICE_IO_FAILED;
    const auto latch = ParseLatch(report);
    if (!latch)
        return HID_UART_DEVICE_IO_FAILED;
    *latchValue = *latch;
    return HID_UART_SUCCESS;
}

HID_UART_STATUS HidUartLibrary::HidUart_WriteLatch(HID_UART_DEVICE device, std::uint16_t latchValue,
                                                   std::uint16_t latchMask)
{
    if (!Valid(device))
        return HID_UART_INVALID_HANDLE;
    return device->hid->SetFeature(SetLatchReport(latchValue, latchMask))
        ? HID_UART_SUCCESS
        : HID_UART_DEVICE_IO_FAILED;
}

} // namespace vamok
