#pragma once
// The little of HID that the bridge layer needs, so the report logic can be
// exercised against a fake device. Reports are byte vectors whose byte 0 is
// the report ID.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace vamok {

using HidReport = std::vector<std::uint8_t>;

// What enumeration tells about one device; the strings are UTF-8.
struct HidDeviceInfo {
    std::string path;
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::string serial;
    std::string manufacturer;
    std::string product;
};

class HidDevice {
public:
    virtual ~HidDevice() = default;
    // Interrupt OUT report; false on an I/O error.
    virtual bool WriteReport(const HidReport& report) = 0;
    // Next interrupt IN report, waiting up to timeoutMs (0: do not wait).
    // An empty report when none arrived; false on an I/O error.
    virtual bool ReadReport(HidReport& report, int timeoutMs) = 0;
    virtual bool SetFeature(const HidReport& report) = 0;
    // Fills report (its size is the length asked for; byte 0 the ID).
    virtual bool GetFeature(HidReport& report) = 0;
};

enum class HidOpenResult { Opened, NotFound, PermissionDenied, Failed };

class HidBackend {
public:
    virtual ~HidBackend() = default;
    virtual std::vector<HidDeviceInfo> Enumerate(std::uint16_t vendorId, std::uint16_t productId) = 0;
    virtual std::unique_ptr<HidDevice> Open(const std::string& path, HidOpenResult& result) = 0;
};

// The hidapi (hidraw) backend.
std::unique_ptr<HidBackend> MakeHidApiBackend();

// A device string as hidapi gives it (wide characters) in UTF-8; characters
// that are no valid code point become U+FFFD.
std::string WideToUtf8(const wchar_t* text);

} // namespace vamok
