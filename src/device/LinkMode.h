#pragma once
// How the instrument is attached, derived from the three process-wide flags.
#include "core/AppState.h"

namespace vamok {

enum class LinkMode {
    AltarimCom,   // serial port, 9600 baud, unframed
    QuadrovanCom, // serial port, 115200 baud, framed gateway
    RixUsb,       // USB HID-UART bridge, framed
    VentiqUsb,    // USB HID-UART bridge, framed, Ventiq variations
};

inline LinkMode CurrentLinkMode(const AppState& s = App())
{
    if (s.UsbMode)
        return s.VentiqMode ? LinkMode::VentiqUsb : LinkMode::RixUsb;
    return s.QuadrovanMode ? LinkMode::QuadrovanCom : LinkMode::AltarimCom;
}

} // namespace vamok
