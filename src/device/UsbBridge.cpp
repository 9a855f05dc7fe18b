#include "device/UsbBridge.h"

#include "core/Cp1252.h"

#include <QCoreApplication>
#include <QString>
#include <QtGlobal>
#include <algorithm>
#include <chrono>
#include <cstdio>
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

std::string Hex4(std::uint16_t value)
{
    char text[8];
    std::snprintf(text, sizeof text, "%04x", value);
    return text;
}

// A device string (UTF-8) in the program's code page.
std::string ProgramText(const std::string& utf8) { return ToCp1252(QString::fromUtf8(utf8)); }

std::string LineErrorText(std::uint8_t errors)
{
    std::string found;
    if (errors & HID_UART_PARITY_ERROR)
        found = "parity error";
    if (errors & HID_UART_OVERRUN_ERROR)
        found += std::string(found.empty() ? "" : ", ") + "receive overrun";
    return found.empty() ? found : "USB bridge line error: " + found;
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
    const std::vector<HidDeviceInfo> devices = library_.HidUart_GetDevices(kVendorId, productId_);
    caption_ = titlePrefix_ + std::to_string(devices.size()) + " Device(s) Present ...";
    std::vector<BridgeEntry> found;
    for (std::size_t i = 0; i < devices.size(); ++i) {
        const HidDeviceInfo& d = devices[i];
        const std::string vid = Hex4(d.vendorId);
        const std::string pid = Hex4(d.productId);
        if (Upper(vid) != "10C4" || Upper(pid) != ProductIdText())
            continue;
        found.push_back({"Device " + std::to_string(i + 1), ProgramText(d.serial),
                         ProgramText(d.product), d.path, vid, pid, ProgramText(d.manufacturer)});
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
    current_ = -1;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (IsOpen() && entries_[i].path == link_->Path())
            current_ = selected_ = static_cast<int>(i);
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
    if (IsOpen() && link_->Path() != entry.path)
        Close();
    // An open handle that cannot take the speed again belongs to a bridge
    // that was pulled out (or refuses it): start afresh.
    if (IsOpen() && !link_->SetBaudRate(baud_))
        Close();
    if (!IsOpen()) {
        link_ = std::make_unique<HidUartLink>(library_, entry.path, baud_);
        std::string problem;
        if (!link_->Open(&problem)) {
            openFailure_ = link_->LastOpenFailure();
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
    }
    openProblem_.clear();
    openFailure_ = {};
    configuredSpeed_ = link_->BaudRate();
    activeText_ = entry.name + " - " + "SNo. " + entry.serial + " - " + entry.product + " - ";
    current_ = selected_;
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
    if (IsOpen())
        DropStale();
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
    statusText_ = std::to_string(written) + " Bytes Sent ...";
    Emit(statusText_);
}

void UsbBridge::DropStale()
{
    // Only what the host has queued already: no round trip to the chip.
    std::string stale;
    const bool ok = link_->ReadAvailable(stale);
    if (!stale.empty())
        Emit(std::to_string(stale.size()) + " stale Bytes dropped ...");
    if (!ok)
        Close();
}

void UsbBridge::CheckReceiveData(bool noPump)
{
    if (IsOpen()) {
        std::string bytes;
        const bool ok = link_->ReadAvailable(bytes);
        if (!bytes.empty()) {
            statusText_ = "Bytes Received = " + std::to_string(bytes.size());
            if (BytesLogged)
                BytesLogged(bytes);
            if (BytesRead)
                BytesRead(bytes);
        }
        if (!ok)
            Close();
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
    latchShown_.reset();
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
    if (IsOpen() && selected_ == current_)
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
        if (IsOpen() && current_ < 0)
            Close();
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
    for (const HidDeviceInfo& d : library_.HidUart_GetDevices(kVendorId, productId_))
        paths.insert(d.path);
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

std::string UsbBridge::ExchangeFailed(bool timedOut)
{
    if (!IsOpen())
        return {};
    std::uint8_t errors = 0;
    if (!link_->ReadErrorStatus(&errors)) {
        Close();
        return {};
    }
    if (timedOut)
        link_->Purge();
    const std::string text = LineErrorText(errors);
    if (!text.empty())
        Emit(text);
    return text;
}

bool UsbBridge::ReadLatch(std::uint16_t* value)
{
    if (!IsOpen() || !link_->ReadLatch(value))
        return false;
    latchShown_ = *value;
    return true;
}

bool UsbBridge::WriteLatch(std::uint16_t value)
{
    const auto changed = static_cast<std::uint16_t>(latchShown_ ? value ^ *latchShown_ : 0xFFFF);
    if (!IsOpen() || !link_->WriteLatch(value, changed))
        return false;
    latchShown_ = value;
    return true;
}

} // namespace vamok
