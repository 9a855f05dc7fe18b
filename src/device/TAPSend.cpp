#include "device/TAPSend.h"

#include "device/ProtocolMonitor.h"

namespace vamok {

struct TAPSend::State {
    ProtocolMonitor monitor;
    int portNumber = 1;
};

TAPSend::TAPSend() : d_(std::make_unique<State>()) {}
TAPSend::~TAPSend() = default;

std::string TAPSend::SendCommand(const std::string&, const std::string&, int, int, const std::string&)
{
    return {};
}

std::string TAPSend::SendQuadrovanFrame(const std::string&, const std::string&, int) { return {}; }

void TAPSend::SelectComPort(int portNumber)
{
    d_->portNumber = portNumber;
    throw PortOpenError("serial link not available yet");
}

void TAPSend::SelectComPortPath(const std::string&)
{
    throw PortOpenError("serial link not available yet");
}

bool TAPSend::IsPortOpen() const { return false; }
int TAPSend::PortNumber() const { return d_->portNumber; }
void TAPSend::SetLineSpeed(int) {}
void TAPSend::OnReplyPacket(const std::string&) {}
void TAPSend::OnUsbBytes(const std::string&) {}
ProtocolMonitor& TAPSend::Monitor() { return d_->monitor; }
void TAPSend::SetSerialLink(std::unique_ptr<ByteLink>) {}

namespace {
TAPSend* g_commandLayer = nullptr;
}

void SetCommandLayer(TAPSend* layer) { g_commandLayer = layer; }

TAPSend& CommandLayer()
{
    if (!g_commandLayer)
        throw std::logic_error("no command layer registered");
    return *g_commandLayer;
}

} // namespace vamok
