#include "device/DemoLink.h"

#include "core/AppState.h"
#include "device/DemoByteLink.h"
#include "device/TAPSend.h"
#include "sim/Instrument.h"

#include <QFile>
#include <stdexcept>

namespace vamok {

namespace {

const char* const kDemoStateResource = ":/vamok/demo-state.json";

} // namespace

sim::SimState DemoState()
{
    QFile file(kDemoStateResource);
    if (!file.open(QIODevice::ReadOnly))
        throw std::logic_error("the built-in demo state is missing");
    std::string error;
    auto state = sim::ParseState(file.readAll(), error);
    if (!state)
        throw std::logic_error("the built-in demo state does not parse: " + error);
    return std::move(*state);
}

std::unique_ptr<ByteLink> MakeDemoByteLink()
{
    return std::make_unique<DemoByteLink>(sim::MakeInstrument(sim::Dialect::Rix, DemoState()));
}

void StartDemoLink(TAPSend& layer)
{
    AppState& app = App();
    app.UsbMode = true;
    app.VentiqMode = false;
    app.QuadrovanMode = false;
    app.DemoMode = true;
    layer.SetUsbFramesOnSerial(true);
    layer.SetSerialSide(MakeDemoByteLink());
}

} // namespace vamok
