#pragma once
// A HID backend that plays bridge chips in memory: it records every report
// the program sends and hands back queued input reports. An optional
// responder sees the UART bytes written and may queue an answer.
#include "device/HidDevice.h"
#include "device/HidUartReports.h"

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vamok::test {

struct FakeBridge {
    HidDeviceInfo info;
    bool permissionDenied = false;
    bool failReads = false;
    bool failWrites = false;
    bool open = false;

    std::vector<HidReport> written;  // interrupt OUT reports
    std::vector<HidReport> features; // feature reports set
    std::deque<HidReport> input;     // interrupt IN reports still to read
    HidReport config = UartConfigReport({});
    // Called with the UART bytes of each OUT report.
    std::function<void(FakeBridge&, const std::string&)> responder;

    // UART bytes the program wrote, in order.
    std::string WrittenBytes() const
    {
        std::string out;
        for (const auto& r : written)
            AppendReportData(r, out);
        return out;
    }
    void QueueBytes(const std::string& bytes)
    {
        for (auto& r : DataReports(bytes))
            input.push_back(std::move(r));
    }
};

class FakeHidDevice : public HidDevice {
public:
    explicit FakeHidDevice(std::shared_ptr<FakeBridge> bridge) : b_(std::move(bridge)) { b_->open = true; }
    ~FakeHidDevice() override { b_->open = false; }

    bool WriteReport(const HidReport& report) override
    {
        if (b_->failWrites)
            return false;
        b_->written.push_back(report);
        if (b_->responder) {
            std::string bytes;
            AppendReportData(report, bytes);
            b_->responder(*b_, bytes);
        }
        return true;
    }
    bool ReadReport(HidReport& report, int) override
    {
        if (b_->failReads)
            return false;
        report.clear();
        if (!b_->input.empty()) {
            report = b_->input.front();
            b_->input.pop_front();
        }
        return true;
    }
    bool SetFeature(const HidReport& report) override
    {
        b_->features.push_back(report);
        if (!report.empty() && report[0] == hidreport::kUartConfig)
            b_->config = report;
        return true;
    }
    bool GetFeature(HidReport& report) override
    {
        if (report.empty())
            return false;
        if (report[0] == hidreport::kUartConfig)
            report = b_->config;
        else if (report[0] == hidreport::kGetLatch)
            report = {hidreport::kGetLatch, 0x80, 0x01};
        else
            return false;
        return true;
    }

private:
    std::shared_ptr<FakeBridge> b_;
};

class FakeHidBackend : public HidBackend {
public:
    explicit FakeHidBackend(std::vector<std::shared_ptr<FakeBridge>>* bridges) : bridges_(bridges) {}

    std::vector<HidDeviceInfo> Enumerate(std::uint16_t vid, std::uint16_t pid) override
    {
        std::vector<HidDeviceInfo> out;
        for (const auto& b : *bridges_) {
            if ((vid == 0 || b->info.vendorId == vid) && (pid == 0 || b->info.productId == pid))
                out.push_back(b->info);
        }
        return out;
    }
    std::unique_ptr<HidDevice> Open(const std::string& path, HidOpenResult& result) override
    {
        for (const auto& b : *bridges_) {
            if (b->info.path != path)
                continue;
            if (b->permissionDenied) {
                result = HidOpenResult::PermissionDenied;
                return nullptr;
            }
            result = HidOpenResult::Opened;
            return std::make_unique<FakeHidDevice>(b);
        }
        result = HidOpenResult::NotFound;
        return nullptr;
    }

private:
    std::vector<std::shared_ptr<FakeBridge>>* bridges_;
};

inline std::shared_ptr<FakeBridge> MakeFakeBridge(const std::string& path, std::uint16_t pid,
                                                  const std::string& serial = "0001")
{
    auto b = std::make_shared<FakeBridge>();
    b->info = {path, 0x10C4, pid, serial, "Silicon Labs", "VAMOK rix"};
    return b;
}

} // namespace vamok::test
