#include "device/HidUartLink.h"

#include <vector>

namespace vamok {

HidUartLink::HidUartLink(HidUartLibrary& library, unsigned deviceNum, std::uint16_t vid,
                         std::uint16_t pid, int baud)
    : library_(library), deviceNum_(deviceNum), vid_(vid), pid_(pid), baud_(baud)
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
    const HID_UART_STATUS status = library_.HidUart_Open(&device, deviceNum_, vid_, pid_);
    if (!Check(status)) {
        if (error) {
            std::string path;
            library_.HidUart_GetString(deviceNum_, vid_, pid_, path, HID_UART_GET_PATH_STR);
            *error = HidOpenProblem(status, path);
        }
        return false;
    }
    device_ = device;
    SetBaudRate(baud_);
    Check(library_.HidUart_SetTimeouts(device_, 0, kWriteTimeoutMs));
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
    std::vector<std::uint8_t> buffer(2000);
    unsigned n = 0;
    const HID_UART_STATUS status =
        library_.HidUart_Read(device_, buffer.data(), static_cast<unsigned>(buffer.size()), &n);
    if (status != HID_UART_READ_TIMED_OUT && !Check(status))
        return false;
    out.append(reinterpret_cast<const char*>(buffer.data()), n);
    return true;
}

void HidUartLink::Purge()
{
    if (device_)
        Check(library_.HidUart_FlushBuffers(device_, true, true));
}

bool HidUartLink::SetBaudRate(int baud)
{
    baud_ = baud;
    if (!device_)
        return true;
    return Check(library_.HidUart_SetUartConfig(device_, static_cast<std::uint32_t>(baud),
                                                HID_UART_EIGHT_DATA_BITS, HID_UART_NO_PARITY,
                                                HID_UART_SHORT_STOP_BIT, HID_UART_NO_FLOW_CONTROL));
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

bool HidUartLink::ReadLatch(std::uint16_t* value)
{
    return device_ && Check(library_.HidUart_ReadLatch(device_, value));
}

bool HidUartLink::WriteLatch(std::uint16_t value, std::uint16_t mask)
{
    return device_ && Check(library_.HidUart_WriteLatch(device_, value, mask));
}

std::string HidOpenProblem(HID_UART_STATUS status, const std::string& devicePath)
{
    const std::string device = devicePath.empty() ? "the USB bridge" : devicePath;
    if (status == HID_UART_DEVICE_ACCESS_ERROR)
        return "No permission to open " + device
            + " (VAMOK USB bridge). Install the udev rule with: " + kUdevInstallCommand
            + " - then unplug and replug the instrument.";
    if (status == HID_UART_DEVICE_NOT_FOUND)
        return "The USB bridge " + device + " is no longer attached.";
    return "The USB bridge " + device + " could not be opened (status "
        + std::to_string(status) + ").";
}

} // namespace vamok
