// hidapi (hidraw backend) behind the HidBackend interface.
#include "device/HidDevice.h"

#include <hidapi/hidapi.h>

#include <QString>
#include <cerrno>
#include <unistd.h>

namespace vamok {

namespace {

class HidApiDevice : public HidDevice {
public:
    explicit HidApiDevice(hid_device* device) : device_(device) {}
    ~HidApiDevice() override { hid_close(device_); }

    bool WriteReport(const HidReport& report) override
    {
        return hid_write(device_, report.data(), report.size()) == static_cast<int>(report.size());
    }

    bool ReadReport(HidReport& report, int timeoutMs) override
    {
        report.assign(64, 0);
        const int n = hid_read_timeout(device_, report.data(), report.size(), timeoutMs);
        if (n < 0)
            return false;
        report.resize(static_cast<std::size_t>(n));
        return true;
    }

    bool SetFeature(const HidReport& report) override
    {
        return hid_send_feature_report(device_, report.data(), report.size()) >= 0;
    }

    bool GetFeature(HidReport& report) override
    {
        const int n = hid_get_feature_report(device_, report.data(), report.size());
        if (n < 0)
            return false;
        report.resize(static_cast<std::size_t>(n));
        return true;
    }

private:
    hid_device* device_;
};

class HidApiBackend : public HidBackend {
public:
    std::vector<HidDeviceInfo> Enumerate(std::uint16_t vendorId, std::uint16_t productId) override
    {
        std::vector<HidDeviceInfo> out;
        hid_device_info* list = hid_enumerate(vendorId, productId);
        for (hid_device_info* d = list; d; d = d->next) {
            out.push_back({d->path ? d->path : "", d->vendor_id, d->product_id,
                           WideToUtf8(d->serial_number), WideToUtf8(d->manufacturer_string),
                           WideToUtf8(d->product_string)});
        }
        hid_free_enumeration(list);
        return out;
    }

    std::unique_ptr<HidDevice> Open(const std::string& path, HidOpenResult& result) override
    {
        hid_device* device = hid_open_path(path.c_str());
        if (device) {
            result = HidOpenResult::Opened;
            return std::make_unique<HidApiDevice>(device);
        }
        // hidapi gives no error code; the node itself tells why.
        if (access(path.c_str(), F_OK) != 0)
            result = HidOpenResult::NotFound;
        else if (access(path.c_str(), R_OK | W_OK) != 0 && errno == EACCES)
            result = HidOpenResult::PermissionDenied;
        else
            result = HidOpenResult::Failed;
        return nullptr;
    }
};

} // namespace

std::unique_ptr<HidBackend> MakeHidApiBackend() { return std::make_unique<HidApiBackend>(); }

std::string WideToUtf8(const wchar_t* text)
{
    return text ? QString::fromWCharArray(text).toStdString() : std::string();
}

} // namespace vamok
