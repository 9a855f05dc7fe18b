#pragma once
// The USB HID-UART bridge of the rix and Ventiq instruments as the command
// layer and the bridge window use it: the model's identity and line speed,
// the list of attached bridges, opening on demand, paced sending, reading,
// and the reaction to bridges being plugged in or pulled out.
#include "device/HidUart.h"
#include "device/HidUartLink.h"

#include <QTimer>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace vamok {

// One listed bridge, from one enumeration. The strings are in the program's
// code page; the path is the system's, for opening.
struct BridgeEntry {
    std::string name; // "Device " + (index + 1)
    std::string serial;
    std::string product;
    std::string path;
    std::string vendorIdText;
    std::string productIdText;
    std::string manufacturer;
    bool operator==(const BridgeEntry&) const = default;
};

enum class DeviceChange { Arrival, Removal, NodesChanged, Other };

class UsbBridge {
public:
    static constexpr std::uint16_t kVendorId = 0x10C4;
    static constexpr std::uint16_t kRixProductId = 0x868F;
    static constexpr std::uint16_t kVentiqProductId = 0x89CF;
    static constexpr int kRixBaud = 1500000;
    static constexpr int kVentiqBaud = 230400;
    // Attached bridges are compared this often to see arrivals and removals.
    static constexpr int kWatchIntervalMs = 1000;

    explicit UsbBridge(std::unique_ptr<HidBackend> backend);
    ~UsbBridge();
    UsbBridge(const UsbBridge&) = delete;
    UsbBridge& operator=(const UsbBridge&) = delete;

    // The caption the bridge window was created with (title prefix + ": ").
    void SetWindowTitle(const std::string& title);
    // Identity and line speed for rix or Ventiq, open-on-arrival (= UsbMode);
    // closes the bridge and opens the selected entry again when it is a
    // bridge of the new identity.
    void ConfigureModel(bool ventiq, bool openOnArrival);

    // Enumerates; returns the number of listed bridges.
    int Refresh();
    void Select(int entry);
    // Opens the selected entry by its path (closing another open bridge, or a
    // handle that no longer answers) and sets its UART.
    void OpenSelected();
    void StartPolling();
    // Opens the one attached bridge; with several, asks for the list to be
    // shown and opens nothing.
    void OpenOnDemand();
    // Sends bytes, opening the bridge first when none is open. Bytes that
    // arrived before are dropped first, so they are never taken for the
    // reply; a handle found dead on the way is replaced by a fresh one.
    void SIHIDSendData(const std::string& bytes);
    // Reads once and passes what came to BytesRead; processes pending
    // events afterwards unless noPump.
    void CheckReceiveData(bool noPump);
    void Close();
    // A double-click on a list entry.
    void ChooseEntry(int entry);
    // "Übernehmen": the same, only when the selection is not the open device.
    void ApplySelection();
    // A removal of the open bridge closes it, so the arrival opens afresh.
    void DeviceChanged(DeviceChange kind, int code = 0);
    // After an exchange without a good reply: reads the chip's line errors
    // and, when the exchange timed out, purges the chip and the host queue
    // so that a late reply is not taken for the next one. Returns the line
    // errors for the protocol monitor ("" when none).
    std::string ExchangeFailed(bool timedOut);
    // Stops the poll timer from restarting (the window's cancel message).
    void Cancel() { cancel_ = true; }

    // The service window's "Baudrate": sets the open bridge's UART speed
    // and returns the speed read back (0 when no bridge is open).
    int SetUartSpeed(int baud);
    // The service window's "UnRegister"/"NewRegister": stop or (re)start
    // watching for bridges being plugged in or pulled out.
    void WatchDeviceChanges(bool on);

    // The open device's pin latch, for the service window. A write changes
    // only the pins whose value differs from the latch last read (all pins
    // when none was read), so pins that moved meanwhile keep their state.
    bool ReadLatch(std::uint16_t* value);
    bool WriteLatch(std::uint16_t value);

    bool IsOpen() const { return link_ && link_->IsOpen(); }
    int CurrentDevice() const { return current_; }
    int Selected() const { return selected_; }
    const std::vector<BridgeEntry>& Entries() const { return entries_; }
    bool MultiDeviceLabelVisible() const { return entries_.size() > 1; }
    const std::string& Caption() const { return caption_; }
    const std::string& ActiveDeviceText() const { return activeText_; }
    int ConfiguredSpeed() const { return configuredSpeed_; }
    // The byte count of the last read or write, for the status bar.
    const std::string& StatusText() const { return statusText_; }
    // Why the last open failed ("" after a successful open).
    const std::string& OpenProblem() const { return openProblem_; }
    const OpenFailure& LastOpenFailure() const { return openFailure_; }
    int ChangeCount() const { return changeCount_; }
    int Baud() const { return baud_; }
    std::uint16_t ProductId() const { return productId_; }
    bool OpenOnArrival() const { return openOnArrival_; }
    bool PollTimerActive() const { return pollTimer_.isActive(); }

    // Send options and poll settings of the bridge window.
    bool sendWithSleep = true;
    int sleepTenthsMs = 0; // 0..100
    bool sendWithNull = false;
    bool pollingOn = false; // DoUSBPoll
    int pollIntervalMs = 50; // 1..100

    std::function<void(const std::string&)> BytesRead;
    // The same bytes for the service window's log.
    std::function<void(const std::string&)> BytesLogged;
    std::function<void(const std::string&)> Log;
    // Several bridges attached: the window shows its compact device list.
    std::function<void()> ShowDeviceList;
    // An open failed for a new reason (missing permission names the udev
    // rule): the program tells the user once instead of "no instrument".
    std::function<void(const std::string& problem)> OpenFailed;
    // Flash the "USB" indicator (green on arrival, red on removal).
    std::function<void(DeviceChange)> Indicate;

private:
    void Write(const std::string& bytes);
    void DropStale();
    void PollTick();
    void WatchTick();
    std::set<std::string> AttachedPaths();
    std::vector<BridgeEntry> Enumerate();
    std::string ProductIdText() const;
    void Emit(const std::string& text);

    HidUartLibrary library_;
    std::unique_ptr<HidUartLink> link_;
    std::optional<std::uint16_t> latchShown_;
    std::string titlePrefix_;
    int baud_ = kRixBaud;
    std::uint16_t productId_ = kRixProductId;
    bool openOnArrival_ = false;
    bool cancel_ = false;

    std::vector<BridgeEntry> entries_;
    int selected_ = -1;
    int current_ = -1;
    std::string caption_;
    std::string activeText_;
    int configuredSpeed_ = 0;
    std::string statusText_;
    std::string openProblem_;
    OpenFailure openFailure_;
    int changeCount_ = 0;

    QTimer pollTimer_;
    QTimer watchTimer_;
    std::set<std::string> attached_;
};

} // namespace vamok
