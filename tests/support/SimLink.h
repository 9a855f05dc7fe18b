#pragma once
// An instrument model as the simulator plays it, and a command layer
// pointed at the simulator's terminal for that model.
#include "core/AppState.h"
#include "support/SimProcess.h"

struct SimLink {
    const char* dialect;
    const char* firmware;
    bool usb, ventiq, quadrovan;
};

// Sets the program's model flags and firmware version and selects the
// simulator's terminal on `layer` (the command layer). The simulator carries
// the bridge's frames on its terminal.
template <class Layer>
void ConnectToSim(Layer& layer, const SimLink& l, const SimProcess& sim)
{
    vamok::App().UsbMode = l.usb;
    vamok::App().VentiqMode = l.ventiq;
    vamok::App().QuadrovanMode = l.quadrovan;
    vamok::App().DeviceVersion = l.firmware;
    vamok::App().ComPortPath = sim.ptyPath();
    layer.SetUsbFramesOnSerial(l.usb);
    layer.SelectComPort(1);
}
