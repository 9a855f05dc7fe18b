#include "device/HidUartLink.h"

#include <vector>

namespace vamok {

namespace {

std::string DeviceName(const std::string& path)
{
    return path.empty() ? "the USB bridge" : path;
}

} // namespace

HidUartLink::HidUartLink(HidUartLibrary& library, std::string path, int baud)
    : library_(library), path_(std::move(path)), baud_(baud)
{
}

HidUartLink::~HidUartLink() { Close(); }

bool HidUartLink::Check(HID_UART_STATUS status)
{
    if (status == HID_UART_SUCCESS)
        return true;
    lastStatus_ = status;
    return false;
}

bool HidUartLink::Open(std::string* error)
{
    if (device_)
        return true;
    HID_UART_DEVICE device = nullptr;
    const HID_UART_STATUS status = library_.HidUart_OpenPath(&device, path_);
    if (!Check(status)) {
        openFailure_ = HidOpenFailure(status, path_);
        if (error)
            *error = openFailure_.reason;
        return false;
    }
    openFailure_ = {};
    device_ = device;
    // The UART runs only once it has the instrument's speed: enabled before,
    // it would take in noise at the power-up speed.
    std::string problem;
    const bool ready = ApplyUartConfig(baud_, &problem)
        && Check(library_.HidUart_SetTimeouts(device_, 0, kWriteTimeoutMs))
        && Check(library_.HidUart_SetUartEnable(device_, true))
        && Check(library_.HidUart_FlushBuffers(device_, true, true));
    if (!ready) {
        if (problem.empty())
            problem = HidOpenProblem(lastStatus_, path_);
        Close();
        if (error)
            *error = problem;
        return false;
    }
    return true;
}

void HidUartLink::Close()
{
    if (!device_)
        return;
    library_.HidUart_Close(device_);
    device_ = nullptr;
}

long HidUartLink::Write(const std::string& bytes)
{
    if (!device_)
        return -1;
    unsigned written = 0;
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    if (!Check(library_.HidUart_Write(device_, data, static_cast<unsigned>(bytes.size()), &written)))
        return -1;
    return static_cast<long>(written);
}

bool HidUartLink::ReadAvailable(std::string& out)
{
    if (!device_)
        return false;
    std::vector<std::uint8_t> buffer(kReadChunk);
    while (true) {
        unsigned n = 0;
        const HID_UART_STATUS status =
            library_.HidUart_Read(device_, buffer.data(), kReadChunk, &n);
        out.append(reinterpret_cast<const char*>(buffer.data()), n);
        if (status == HID_UART_READ_TIMED_OUT)
            return true;
        if (!Check(status))
            return false;
    }
}

void HidUartLink::Purge()
{
    if (device_)
        Check(library_.HidUart_FlushBuffers(device_, true, true));
}

bool HidUartLink::ApplyUartConfig(int baud, std::string* problem)
{
    const auto wanted = static_cast<std::uint32_t>(baud);
    const bool set = Check(library_.HidUart_SetUartConfig(device_, wanted, HID_UART_EIGHT_DATA_BITS,
                                                          HID_UART_NO_PARITY,
                                                          HID_UART_SHORT_STOP_BIT,
                                                          HID_UART_NO_FLOW_CONTROL));
    std::uint32_t held = 0;
    std::uint8_t dataBits = 0, parity = 0, stopBits = 0, flow = 0;
    const bool read = Check(
        library_.HidUart_GetUartConfig(device_, &held, &dataBits, &parity, &stopBits, &flow));
    const bool frame = dataBits == HID_UART_EIGHT_DATA_BITS && parity == HID_UART_NO_PARITY
        && stopBits == HID_UART_SHORT_STOP_BIT && flow == HID_UART_NO_FLOW_CONTROL;
    if (set && read && held == wanted && frame)
        return true;
    if (problem) {
        const std::string reports = !read ? "no configuration"
                                          : std::to_string(held) + " baud" + (frame ? "" : ", not 8N1");
        *problem = "The USB bridge " + DeviceName(path_) + " did not accept " + std::to_string(baud)
            + " baud (it reports " + reports + ").";
    }
    return false;
}

bool HidUartLink::SetBaudRate(int baud)
{
    baud_ = baud;
    return !device_ || ApplyUartConfig(baud, nullptr);
}

int HidUartLink::BaudRate() const
{
    if (!device_)
        return 0;
    std::uint32_t baud = 0;
    std::uint8_t dataBits = 0, parity = 0, stopBits = 0, flow = 0;
    if (library_.HidUart_GetUartConfig(device_, &baud, &dataBits, &parity, &stopBits, &flow)
        != HID_UART_SUCCESS)
        return 0;
    return static_cast<int>(baud);
}

bool HidUartLink::ReadErrorStatus(std::uint8_t* errors)
{
    std::uint16_t tx = 0, rx = 0;
    std::uint8_t lineBreak = 0;
    return device_ && Check(library_.HidUart_GetUartStatus(device_, &tx, &rx, errors, &lineBreak));
}

bool HidUartLink::ReadLatch(std::uint16_t* value)
{
    return device_ && Check(library_.HidUart_ReadLatch(device_, value));
}

bool HidUartLink::WriteLatch(std::uint16_t value, std::uint16_t mask)
{
    return device_ && Check(library_.HidUart_WriteLatch(device_, value, mask));
}

OpenFailure HidOpenFailure(HID_UART_STATUS status, const std::string& devicePath)
{
    OpenFailure failure;
    failure.device = devicePath;
    failure.usbBridge = true;
    failure.reason = HidOpenProblem(status, devicePath);
    failure.group = CheckDeviceAccess(devicePath).group;
    if (status == HID_UART_DEVICE_ACCESS_ERROR)
        failure.kind = OpenRefusal::NoPermission;
    else if (status == HID_UART_DEVICE_NOT_FOUND)
        failure.kind = OpenRefusal::Missing;
    return failure;
}

std::string HidOpenProblem(HID_UART_STATUS status, const std::string& devicePath)
{
    const std::string device = DeviceName(devicePath);
    if (status == HID_UART_DEVICE_ACCESS_ERROR)
        return "No permission to open " + device
            + " (VAMOK USB bridge). Install the udev rule with: " + UdevInstallCommand()
            + " - then unplug and replug the instrument.";
    if (status == HID_UART_DEVICE_NOT_FOUND)
        return "The USB bridge " + device + " is no longer attached.";
    return "The USB bridge " + device + " could not be opened (status "
        + std::to_string(status) + ").";
}

} // namespace vamok
