#include "device/TAPSend.h"

#include "core/AppState.h"
#include "core/ConnectionSettings.h"
#include "device/CommandTranslation.h"
#include "device/Frame.h"
#include "device/LinkMode.h"
#include "device/PacketCollector.h"
#include "device/ProtocolMonitor.h"
#include "device/SerialLink.h"
#include "device/UsbBridge.h"
#include "device/UsbFrameAssembler.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QThread>

#include <algorithm>

namespace vamok {

namespace {

constexpr int kAltarimBaud = 9600;
constexpr int kQuadrovanBaud = 115200;

TAPSend* g_commandLayer = nullptr;

} // namespace

struct TAPSend::State {
    SerialLink serial;
    // Carries the serial side instead of the port when set (demo instrument).
    std::unique_ptr<ByteLink> serialSide;
    ByteLink& line() { return serialSide ? *serialSide : serial; }
    int portNumber = 1;
    PacketCollector collector;
    explicit State(std::unique_ptr<HidBackend> hid) : bridge(std::move(hid)) {}

    UsbBridge bridge;
    // Why the last link would not open, when the user must act on it.
    std::optional<OpenFailure> accessRefusal;
    UsbFrameAssembler assembler;
    ProtocolMonitor monitor;
    std::string reply;
    bool received = false;
    bool usbFramesOnSerial = false;
    // Expired: the exchange has timed out.
    QDeadlineTimer replyTimer{0};
    QElapsedTimer clock;
};

bool IsIdentificationLike(const std::string& packet)
{
    auto startsWith = [&packet](const std::string& prefix) { return packet.rfind(prefix, 0) == 0; };
    return startsWith("VAMOK")
        || (packet.size() > 12 && (startsWith(std::string(1, kSTX) + "SNR")
                                   || startsWith(std::string(1, kSTX) + "SER")));
}

TAPSend::TAPSend(std::unique_ptr<HidBackend> hid) : d_(std::make_unique<State>(std::move(hid)))
{
    d_->clock.start();
    d_->serial.DataAvailable = [this] { SerialDataAvailable(); };
    d_->bridge.BytesRead = [this](const std::string& bytes) { OnUsbBytes(bytes); };
    d_->bridge.OpenFailed = [this](const std::string&) { ReportAccessRefusal(d_->bridge.LastOpenFailure()); };
    d_->bridge.ConfigureModel(App().VentiqMode, App().UsbMode);
}

TAPSend::~TAPSend()
{
    if (g_commandLayer == this)
        g_commandLayer = nullptr;
}

std::string TAPSend::SendCommand(const std::string& command, const std::string& start,
                                 int timeoutMs, int packetSize, const std::string& end)
{
    const DialectEvents events{[this] {
                                   if (Beep)
                                       Beep();
                               },
                               [this](const std::string& model) { ModelIdentified(model); }};
    switch (CurrentLinkMode()) {
    case LinkMode::RixUsb:
    case LinkMode::VentiqUsb:
        return ExchangeUsb(
            command, timeoutMs, App().VentiqMode,
            [this](const std::string& payload, const std::string&, int t) {
                return SendUsbFrame(payload, t);
            },
            events);
    case LinkMode::QuadrovanCom:
        return ExchangeQuadrovan(
            command, start, timeoutMs,
            [this](const std::string& payload, const std::string& prefix, int t) {
                return SendQuadrovanFrame(payload, prefix, t);
            },
            events);
    case LinkMode::AltarimCom:
        break;
    }
    return ExchangeAltarim(command, start, end, packetSize, timeoutMs,
                           App().QuadrovanMode ? kQuadrovanBaud : kAltarimBaud);
}

std::string TAPSend::SendQuadrovanFrame(const std::string& payload,
                                        const std::string& expectedPrefix, int timeoutMs)
{
    if (payload.empty())
        return {};
    const std::string packet = ExchangeAltarim(BuildFrame(payload), kSTX + expectedPrefix,
                                               std::string(1, kETX), 0, timeoutMs, kQuadrovanBaud);
    return CheckFrame(packet);
}

void TAPSend::ClearReply()
{
    d_->reply.clear();
    d_->received = false;
}

std::string TAPSend::ExchangeAltarim(const std::string& command, const std::string& start,
                                     const std::string& end, int packetSize, int timeoutMs,
                                     int baud)
{
    d_->collector.Configure(start, end, packetSize);
    QCoreApplication::processEvents();
    ClearReply();
    SetLineSpeed(baud);
    d_->line().Write(command); // a failed write ends by timeout
    d_->monitor.AppendTerminal(command);
    StartReplyTimer(timeoutMs);
    Wait(false);
    const std::string result = d_->reply;
    d_->monitor.LogTraffic(command, d_->reply);
    return result;
}

std::string TAPSend::SendUsbFrame(const std::string& payload, int timeoutMs)
{
    if (payload.empty())
        return {};
    const std::string frame = BuildFrame(payload);
    ClearReply();
    if (d_->usbFramesOnSerial)
        d_->line().Write(frame);
    else
        d_->bridge.SIHIDSendData(frame);
    StartReplyTimer(timeoutMs);
    const bool waits = DeviceAnswering;
    Wait(!d_->usbFramesOnSerial);
    d_->monitor.LogTraffic(frame, d_->reply);
    const std::string reply = CheckFrame(d_->reply);
    // No good reply: the bridge reports line errors and, after a timeout,
    // clears what a late reply would leave behind.
    if (reply.empty() && waits && !d_->usbFramesOnSerial)
        d_->monitor.LogNote(d_->bridge.ExchangeFailed(!d_->received));
    return reply;
}

void TAPSend::StartReplyTimer(int timeoutMs)
{
    // A negative interval would mean "never expires" to the deadline timer.
    d_->replyTimer.setRemainingTime(std::max(0, timeoutMs));
}

void TAPSend::Wait(bool usb)
{
    if (!DeviceAnswering)
        return;
    while (!d_->received && !d_->replyTimer.hasExpired()) {
        QCoreApplication::processEvents();
        if (usb)
            d_->bridge.CheckReceiveData(true);
        if (d_->received)
            break; // no round's sleep once the reply is in
        // A millisecond at most per round; the serial line ends the round as
        // soon as bytes arrive, the bridge is read again on the next round.
        if (usb)
            QThread::msleep(1);
        else
            d_->line().WaitForBytes(1);
    }
}

void TAPSend::SerialDataAvailable()
{
    std::string bytes;
    if (!d_->line().ReadAvailable(bytes) || bytes.empty())
        return;
    d_->monitor.LogTraffic(bytes, d_->reply);
    d_->monitor.AppendTerminal(bytes);
    if (d_->usbFramesOnSerial && App().UsbMode) {
        OnUsbBytes(bytes);
        return;
    }
    for (const std::string& packet : d_->collector.Feed(bytes, d_->clock.elapsed()))
        OnReplyPacket(packet);
}

void TAPSend::OnReplyPacket(const std::string& data)
{
    d_->reply = data;
    d_->received = true;
    if (!DeviceAnswering && IsIdentificationLike(data)) {
        DeviceAnswering = true;
        if (OnDeviceAnswering)
            OnDeviceAnswering();
    }
}

void TAPSend::OnUsbBytes(const std::string& bytes)
{
    for (const std::string& frame : d_->assembler.Feed(bytes))
        OnReplyPacket(frame);
}

void TAPSend::ModelIdentified(const std::string& model)
{
    App().LastVamok = model;
    WriteDeviceHistory();
}

void TAPSend::SelectComPort(int portNumber)
{
    d_->portNumber = portNumber;
    SelectComPortPath(App().ComPortPath.empty() ? ComPortDevicePath(portNumber)
                                                : App().ComPortPath);
}

void TAPSend::SelectComPortPath(const std::string& devicePath)
{
    d_->line().Close();
    d_->collector.SetEnabled(false);
    d_->serial.SetDevicePath(devicePath);
    QCoreApplication::processEvents();
    d_->collector.SetEnabled(true);
    std::string error;
    if (!d_->line().Open(&error)) {
        const OpenFailure& failure = d_->line().LastOpenFailure();
        ReportAccessRefusal(failure);
        throw PortOpenError(error, failure);
    }
    d_->accessRefusal.reset();
    d_->line().Purge();
    QCoreApplication::processEvents();
}

void TAPSend::ReportAccessRefusal(const OpenFailure& failure)
{
    if (failure.kind != OpenRefusal::NoPermission && failure.kind != OpenRefusal::Busy)
        return;
    d_->accessRefusal = failure;
    if (OnAccessRefused)
        OnAccessRefused(failure);
}

const std::optional<OpenFailure>& TAPSend::AccessRefusal() const { return d_->accessRefusal; }

void TAPSend::SetSerialSide(std::unique_ptr<ByteLink> link)
{
    d_->line().Close();
    d_->serialSide = std::move(link);
    if (!d_->serialSide)
        return;
    d_->serialSide->DataAvailable = [this] { SerialDataAvailable(); };
    SelectComPortPath(d_->serial.DevicePath());
}

bool TAPSend::IsPortOpen() const { return d_->serialSide ? d_->serialSide->IsOpen() : d_->serial.IsOpen(); }
int TAPSend::PortNumber() const { return d_->portNumber; }

void TAPSend::SetLineSpeed(int baud)
{
    if (d_->line().BaudRate() != baud)
        d_->line().SetBaudRate(baud);
}

void TAPSend::SetUsbFramesOnSerial(bool on) { d_->usbFramesOnSerial = on; }

UsbBridge& TAPSend::Bridge() { return d_->bridge; }
ProtocolMonitor& TAPSend::Monitor() { return d_->monitor; }

void SetCommandLayer(TAPSend* layer) { g_commandLayer = layer; }

TAPSend& CommandLayer()
{
    if (!g_commandLayer)
        throw std::logic_error("no command layer registered");
    return *g_commandLayer;
}

} // namespace vamok
