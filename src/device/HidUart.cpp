#include "device/HidUart.h"

#include "device/HidUartReports.h"

#include <QDeadlineTimer>
#include <algorithm>
#include <cstdio>
#include <cstring>

namespace vamok {

struct HidUartDevice {
    std::unique_ptr<HidDevice> hid;
    unsigned readTimeoutMs = 0;
    // Bytes of a report that did not fit into the last read.
    std::string pending;
};

namespace {

std::string Hex4(std::uint16_t value)
{
    char text[8];
    std::snprintf(text, sizeof text, "%04x", value);
    return text;
}

} // namespace

HidUartLibrary::HidUartLibrary(std::unique_ptr<HidBackend> backend) : backend_(std::move(backend)) {}
HidUartLibrary::~HidUartLibrary() = default;

bool HidUartLibrary::Valid(HID_UART_DEVICE device) const
{
    return std::any_of(open_.begin(), open_.end(),
                       [device](const auto& d) { return d.get() == device; });
}

std::vector<HidDeviceInfo> HidUartLibrary::Devices(std::uint16_t vid, std::uint16_t pid)
{
    auto devices = backend_->Enumerate(vid, pid);
    // A stable order keeps device numbers from jumping between calls.
    std::sort(devices.begin(), devices.end(),
              [](const auto& a, const auto& b) { return a.path < b.path; });
    return devices;
}

HID_UART_STATUS HidUartLibrary::HidUart_GetNumDevices(unsigned* numDevices, std::uint16_t vid,
                                                      std::uint16_t pid)
{
    if (!numDevices)
        return HID_UART_INVALID_PARAMETER;
    *numDevices = static_cast<unsigned>(Devices(vid, pid).size());
    return HID_UART_SUCCESS;
}

HID_UART_STATUS HidUartLibrary::HidUart_GetString(unsigned deviceNum, std::uint16_t vid,
                                                  std::uint16_t pid, std::string& deviceString,
                                                  unsigned option)
{
    const auto devices = Devices(vid, pid);
    if (deviceNum >= devices.size())
        return HID_UART_DEVICE_NOT_FOUND;
    const HidDeviceInfo& d = devices[deviceNum];
    switch (option) {
    case HID_UART_GET_VID_STR: deviceString = Hex4(d.vendorId); break;
    case HID_UART_GET_PID_STR: deviceString = Hex4(d.productId); break;
    case HID_UART_GET_PATH_STR: deviceString = d.path; break;
    case HID_UART_GET_SERIAL_STR: deviceString = d.serial; break;
    case HID_UART_GET_MANUFACTURER_STR: deviceString = d.manufacturer; break;
    case HID_UART_GET_PRODUCT_STR: deviceString = d.product; break;
    default: return HID_UART_INVALID_PARAMETER;
    }
    if (deviceString.size() > kHidUartMaxString)
        deviceString.resize(kHidUartMaxString);
    return HID_UART_SUCCESS;
}

HID_UART_STATUS HidUartLibrary::HidUart_Open(HID_UART_DEVICE* device, unsigned deviceNum,
                                             std::uint16_t vid, std::uint16_t pid)
{
    if (!device)
        return HID_UART_INVALID_PARAMETER;
    *device = nullptr;
    const auto devices = Devices(vid, pid);
    if (deviceNum >= devices.size())
        return HID_UART_DEVICE_NOT_FOUND;
    HidOpenResult result = HidOpenResult::Failed;
    auto hid = backend_->Open(devices[deviceNum].path, result);
    if (!hid) {
        switch (result) {
        case HidOpenResult::NotFound: return HID_UART_DEVICE_NOT_FOUND;
        case HidOpenResult::PermissionDenied: return HID_UART_DEVICE_ACCESS_ERROR;
        default: return HID_UART_DEVICE_IO_FAILED;
        }
    }
    // The bridge's UART is disabled after every power-up or reset.
    if (!hid->SetFeature(UartEnableReport(true)))
        return HID_UART_DEVICE_IO_FAILED;
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
    const QDeadlineTimer deadline(static_cast<qint64>(device->readTimeoutMs));
    while (data.size() < numBytesToRead) {
        HidReport report;
        const int waitMs = static_cast<int>(std::max<qint64>(0, deadline.remainingTime()));
        if (!device->hid->ReadReport(report, waitMs)) {
            *numBytesRead = 0;
            return HID_UART_READ_ERROR;
        }
        if (report.empty())
            break;
        AppendReportData(report, data);
    }
    const std::size_t n = std::min<std::size_t>(data.size(), numBytesToRead);
    std::memcpy(buffer, data.data(), n);
    device->pending = data.substr(n);
    *numBytesRead = static_cast<unsigned>(n);
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
    if (flushReceive)
        device->pending.clear();
    if (fifos == 0)
        return HID_UART_SUCCESS;
    return device->hid->SetFeature(PurgeReport(fifos)) ? HID_UART_SUCCESS
                                                       : HID_UART_DEVICE_IO_FAILED;
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
