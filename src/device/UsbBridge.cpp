#include "device/UsbBridge.h"

#include <QCoreApplication>
#include <QtGlobal>
#include <algorithm>
#include <chrono>
#include <thread>

namespace vamok {

namespace {

std::string Upper(std::string text)
{
    for (char& c : text) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

// A vendor or product ID text read as hex; -1 for an odd length or a
// character that is not a hex digit.
int HexId(const std::string& text)
{
    if (text.empty() || text.size() % 2 != 0 || text.size() > 4)
        return -1;
    int value = 0;
    for (char c : text) {
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return -1;
        value = value * 16 + digit;
    }
    return value;
}

void Pace(int tenthsMs)
{
    if (tenthsMs <= 0) {
        std::this_thread::yield();
        return;
    }
    const auto until = std::chrono::steady_clock::now() + std::chrono::microseconds(tenthsMs * 100);
    while (std::chrono::steady_clock::now() < until) {
    }
}

} // namespace

UsbBridge::UsbBridge(std::unique_ptr<HidBackend> backend) : library_(std::move(backend))
{
    pollTimer_.setSingleShot(false);
    QObject::connect(&pollTimer_, &QTimer::timeout, [this] { PollTick(); });
    watchTimer_.setInterval(kWatchIntervalMs);
    QObject::connect(&watchTimer_, &QTimer::timeout, [this] { WatchTick(); });
}

UsbBridge::~UsbBridge() = default;

void UsbBridge::Emit(const std::string& text)
{
    if (Log)
        Log(text);
}

void UsbBridge::SetWindowTitle(const std::string& title) { titlePrefix_ = title + ": "; }

std::string UsbBridge::ProductIdText() const
{
    return productId_ == kVentiqProductId ? "89CF" : "868F";
}

void UsbBridge::ConfigureModel(bool ventiq, bool openOnArrival)
{
    baud_ = ventiq ? kVentiqBaud : kRixBaud;
    productId_ = ventiq ? kVentiqProductId : kRixProductId;
    openOnArrival_ = openOnArrival;
    WatchDeviceChanges(true);
    Close();
    // An entry listed for the other model must not be opened at this
    // model's speed.
    if (selected_ >= 0 && selected_ < static_cast<int>(entries_.size())
        && Upper(entries_[static_cast<std::size_t>(selected_)].productIdText) == ProductIdText())
        ApplySelection();
}

std::vector<BridgeEntry> UsbBridge::Enumerate()
{
    unsigned n = 0;
    if (library_.HidUart_GetNumDevices(&n, kVendorId, productId_) != HID_UART_SUCCESS)
        n = 0;
    caption_ = titlePrefix_ + std::to_string(n) + " Device(s) Present ...";
    std::vector<BridgeEntry> found;
    for (unsigned i = 0; i < n; ++i) {
        auto text = [&](unsigned option) {
            std::string s;
            if (library_.HidUart_GetString(i, kVendorId, productId_, s, option) != HID_UART_SUCCESS)
                s.clear();
            return s;
        };
        const std::string vid = text(HID_UART_GET_VID_STR);
        const std::string pid = text(HID_UART_GET_PID_STR);
        const std::string product = text(HID_UART_GET_PRODUCT_STR);
        if (Upper(vid) != "10C4" || Upper(pid) != ProductIdText())
            continue;
        found.push_back({i, "Device " + std::to_string(i + 1), text(HID_UART_GET_SERIAL_STR), product,
                         text(HID_UART_GET_PATH_STR), vid, pid,
                         text(HID_UART_GET_MANUFACTURER_STR)});
    }
    return found;
}

int UsbBridge::Refresh()
{
    std::vector<BridgeEntry> found = Enumerate();
    if (found != entries_) {
        entries_ = std::move(found);
        if (selected_ >= static_cast<int>(entries_.size()))
            selected_ = -1;
        if (selected_ < 0 && !entries_.empty())
            selected_ = 0;
    }
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (current_ >= 0 && entries_[i].deviceIndex == static_cast<unsigned>(current_))
            selected_ = static_cast<int>(i);
    }
    return static_cast<int>(entries_.size());
}

void UsbBridge::Select(int entry)
{
    selected_ = entry >= 0 && entry < static_cast<int>(entries_.size()) ? entry : -1;
}

void UsbBridge::OpenSelected()
{
    if (selected_ < 0 || selected_ >= static_cast<int>(entries_.size()))
        return;
    const BridgeEntry& entry = entries_[static_cast<std::size_t>(selected_)];
    const int vid = HexId(entry.vendorIdText);
    const int pid = HexId(entry.productIdText);
    if (!IsOpen()) {
        if (vid < 0 || pid < 0)
            return;
        link_ = std::make_unique<HidUartLink>(library_, entry.deviceIndex,
                                              static_cast<std::uint16_t>(vid),
                                              static_cast<std::uint16_t>(pid), baud_);
        std::string problem;
        if (!link_->Open(&problem)) {
            link_.reset();
            // Every send retries the open; tell the user once per reason.
            const bool news = problem != openProblem_;
            openProblem_ = problem;
            Emit(problem);
            if (news) {
                qWarning("%s", problem.c_str());
                if (OpenFailed)
                    OpenFailed(problem);
            }
            return;
        }
    } else {
        link_->SetBaudRate(baud_);
    }
    openProblem_.clear();
    configuredSpeed_ = link_->BaudRate();
    activeText_ = entry.name + " - " + "SNo. " + entry.serial + " - " + entry.product + " - ";
    current_ = static_cast<int>(entry.deviceIndex);
}

void UsbBridge::StartPolling()
{
    cancel_ = false;
    pollTimer_.start(std::clamp(pollIntervalMs, 1, 100));
}

void UsbBridge::OpenOnDemand()
{
    Emit("Executing message: wm_OpenUSBSiHID-message.");
    const int n = Refresh();
    if (n == 1) {
        pollingOn = true;
        selected_ = 0;
        OpenSelected();
        StartPolling();
    } else if (n > 1 && ShowDeviceList) {
        ShowDeviceList();
    }
}

void UsbBridge::SIHIDSendData(const std::string& bytes)
{
    if (!IsOpen()) {
        pollingOn = true;
        OpenOnDemand();
    }
    if (IsOpen())
        Write(bytes);
}

void UsbBridge::Write(const std::string& bytes)
{
    std::string out;
    if (sendWithNull) {
        for (char c : bytes) {
            out += c;
            out += '\0';
        }
    } else {
        out = bytes;
    }
    long written = 0;
    if (sendWithSleep) {
        for (std::size_t i = 0; i < out.size(); ++i) {
            if (i > 0)
                Pace(sleepTenthsMs);
            if (link_->Write(out.substr(i, 1)) < 0) {
                written = -1;
                break;
            }
        }
        if (written == 0)
            written = static_cast<long>(out.size());
    } else {
        written = link_->Write(out);
    }
    if (written < 0) {
        Close();
        written = 0;
    }
    if (written < static_cast<long>(out.size()))
        Emit("USB Device Write TimeOut ...");
    Emit(std::to_string(written) + " Bytes Sent ...");
}

void UsbBridge::CheckReceiveData(bool noPump)
{
    if (IsOpen()) {
        std::string bytes;
        if (!link_->ReadAvailable(bytes)) {
            Close();
        } else if (!bytes.empty()) {
            statusText_ = "Bytes Received = " + std::to_string(bytes.size());
            if (BytesLogged)
                BytesLogged(bytes);
            if (BytesRead)
                BytesRead(bytes);
        }
    }
    if (!noPump)
        QCoreApplication::processEvents();
}

void UsbBridge::PollTick()
{
    pollTimer_.stop();
    CheckReceiveData(true);
    pollTimer_.setInterval(std::clamp(pollIntervalMs, 1, 100));
    if (pollingOn && !cancel_)
        pollTimer_.start();
}

void UsbBridge::Close()
{
    pollTimer_.stop();
    cancel_ = true;
    link_.reset();
    current_ = -1;
}

void UsbBridge::ChooseEntry(int entry)
{
    Close();
    pollingOn = true;
    Select(entry);
    OpenSelected();
    StartPolling();
    Refresh();
}

void UsbBridge::ApplySelection()
{
    if (selected_ < 0 || selected_ >= static_cast<int>(entries_.size()))
        return;
    if (IsOpen() && entries_[static_cast<std::size_t>(selected_)].deviceIndex
            == static_cast<unsigned>(current_))
        return;
    ChooseEntry(selected_);
}

void UsbBridge::DeviceChanged(DeviceChange kind, int code)
{
    changeCount_ = changeCount_ >= 9999 ? 0 : changeCount_ + 1;
    switch (kind) {
    case DeviceChange::Arrival:
        Emit("Device added: sending wm_OpenUSBSiHID.");
        if (Indicate)
            Indicate(kind);
        Refresh();
        if (openOnArrival_)
            QTimer::singleShot(0, &watchTimer_, [this] { OpenOnDemand(); });
        break;
    case DeviceChange::Removal:
        Emit("Device removed: sending Refresh.");
        if (Indicate)
            Indicate(kind);
        Refresh();
        break;
    case DeviceChange::NodesChanged:
        break;
    case DeviceChange::Other:
        Emit("Device-list changed: unkown Message-WParam: " + std::to_string(code));
        break;
    }
}

std::set<std::string> UsbBridge::AttachedPaths()
{
    std::set<std::string> paths;
    unsigned n = 0;
    if (library_.HidUart_GetNumDevices(&n, kVendorId, productId_) != HID_UART_SUCCESS)
        return paths;
    for (unsigned i = 0; i < n; ++i) {
        std::string path;
        if (library_.HidUart_GetString(i, kVendorId, productId_, path, HID_UART_GET_PATH_STR)
            == HID_UART_SUCCESS)
            paths.insert(path);
    }
    return paths;
}

void UsbBridge::WatchTick()
{
    std::set<std::string> now = AttachedPaths();
    const bool added = std::any_of(now.begin(), now.end(),
                                   [this](const auto& p) { return !attached_.count(p); });
    const bool removed = std::any_of(attached_.begin(), attached_.end(),
                                     [&now](const auto& p) { return !now.count(p); });
    attached_ = std::move(now);
    if (removed)
        DeviceChanged(DeviceChange::Removal);
    if (added)
        DeviceChanged(DeviceChange::Arrival);
}

void UsbBridge::WatchDeviceChanges(bool on)
{
    watchTimer_.stop();
    if (!on)
        return;
    // Arrival and removal are seen by comparing the attached bridges.
    attached_ = AttachedPaths();
    watchTimer_.start();
}

int UsbBridge::SetUartSpeed(int baud)
{
    if (!IsOpen())
        return 0;
    link_->SetBaudRate(baud);
    configuredSpeed_ = link_->BaudRate();
    return configuredSpeed_;
}

bool UsbBridge::ReadLatch(std::uint16_t* value) { return IsOpen() && link_->ReadLatch(value); }

bool UsbBridge::WriteLatch(std::uint16_t value) { return IsOpen() && link_->WriteLatch(value, 0xFFFF); }

} // namespace vamok
