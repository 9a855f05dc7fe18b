#pragma once
// The command layer: the one object through which every exchange with the
// instrument passes. It translates altarim-form commands for the newer
// models, frames them, sends them over the serial port or the USB bridge,
// waits, and hands back the reply in altarim form (or "").
#include "device/ByteLink.h"
#include "device/CommandChannel.h"
#include "device/HidDevice.h"

#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

namespace vamok {

class ProtocolMonitor;
class UsbBridge;

// The instrument has answered an identification since it was last lost.
// While false, SendCommand sends without waiting and returns "".
// Cleared by the presence poller; forced true by the port searches while
// they probe.
inline bool DeviceAnswering = false;

// Raised by SelectComPort when the port cannot be opened.
class PortOpenError : public std::runtime_error {
public:
    PortOpenError(const std::string& what, OpenFailure failure)
        : std::runtime_error(what), failure_(std::move(failure))
    {
    }
    const OpenFailure& failure() const { return failure_; }

private:
    OpenFailure failure_;
};

class TAPSend : public CommandChannel {
public:
    // hid: how the USB bridge is reached (hidapi unless a test plays it).
    explicit TAPSend(std::unique_ptr<HidBackend> hid = MakeHidApiBackend());
    ~TAPSend() override;
    TAPSend(const TAPSend&) = delete;
    TAPSend& operator=(const TAPSend&) = delete;

    // Translates for the current LinkMode (App() flags), sends, waits and
    // returns the reply in altarim form or "".
    std::string SendCommand(const std::string& command, const std::string& start, int timeoutMs,
                            int packetSize, const std::string& end) override;

    // One framed exchange with the Quadrovan gateway, without translation.
    // Returns the checked payload or "".
    std::string SendQuadrovanFrame(const std::string& payload, const std::string& expectedPrefix,
                                   int timeoutMs);

    // Closes the port and opens serial port portNumber (1..64), or
    // App().ComPortPath when that is set. Reopening the open port succeeds.
    // Throws PortOpenError when the port cannot be opened (left closed).
    void SelectComPort(int portNumber);
    // The same for an explicit device path (pseudo-terminal, /dev/ttyUSB0).
    void SelectComPortPath(const std::string& devicePath);
    // Carries the serial side over `link` instead of the serial port (the
    // in-process demo instrument) and opens it (PortOpenError when it cannot
    // be opened); SelectComPort then reopens that link whatever port it
    // names. nullptr closes it and goes back to the port, left closed until
    // the next SelectComPort.
    void SetSerialSide(std::unique_ptr<ByteLink> link);
    bool IsPortOpen() const;
    int PortNumber() const;
    // Sets the serial line speed (9600 or 115200) when it differs.
    void SetLineSpeed(int baud);

    // Called with each complete reply packet (serial collector) or frame
    // (USB assembler).
    void OnReplyPacket(const std::string& data);
    // Called by the USB bridge with every chunk it read.
    void OnUsbBytes(const std::string& bytes);

    // Called when an identification-like reply arrives while DeviceAnswering
    // is false (DeviceAnswering has just been set). The presence poller
    // connects its "interval := 100 ms" here.
    std::function<void()> OnDeviceAnswering;
    // Called when a link cannot be opened because this user may not open it
    // or another program holds it (not when it is simply absent).
    std::function<void(const OpenFailure&)> OnAccessRefused;
    // The last such refusal, until a serial port opens again.
    const std::optional<OpenFailure>& AccessRefusal() const;

    // The simulated instrument serves rix/Ventiq frames on a pseudo-
    // terminal: with this on, the USB links send and receive their frames
    // over the serial port instead of the USB bridge.
    void SetUsbFramesOnSerial(bool on);

    // Sounds a beep (a command that lacks its parameter, an empty record).
    // The protocol monitor window connects the system beep.
    std::function<void()> Beep;

    // The USB bridge behind the rix/Ventiq links (its window and the
    // settings window reconfigure it and show its device list).
    UsbBridge& Bridge();
    // The protocol monitor's model (sent/received lists, terminal text).
    ProtocolMonitor& Monitor();

private:
    std::string ExchangeAltarim(const std::string& command, const std::string& start,
                                const std::string& end, int packetSize, int timeoutMs, int baud);
    std::string SendUsbFrame(const std::string& payload, int timeoutMs);
    void ClearReply();
    void StartReplyTimer(int timeoutMs);
    void Wait(bool usb);
    void SerialDataAvailable();
    void ModelIdentified(const std::string& model);
    void ReportAccessRefusal(const OpenFailure& failure);

    struct State;
    std::unique_ptr<State> d_;
};

// A reply that shows an instrument is there: an altarim identification
// ("VAMOK...") or a framed serial-number answer (STX "SNR"/"SER", more than
// 12 bytes).
bool IsIdentificationLike(const std::string& packet);

// The program's one command-layer object, created by main after the
// application object and registered here. CommandLayer() throws
// std::logic_error while none is registered.
void SetCommandLayer(TAPSend* layer);
TAPSend& CommandLayer();

} // namespace vamok
