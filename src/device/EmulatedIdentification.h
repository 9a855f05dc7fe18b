#pragma once
// The newer instruments have no altarim identification reply; it is built
// from their serial-number and version answers, ending in "SER" and the
// four bytes serial high, serial low, series, flags (0x01).
#include "device/FramedExchange.h"

#include <string>

namespace vamok {

// rix and Ventiq: "SER" (or "SNR") then "VER". "" when the serial answer
// is missing or malformed.
std::string IdentifyUsb(bool ventiq, int timeoutMs, const FrameExchange& exchange,
                        const DialectEvents& events);

// Quadrovan gateway: "SNR" then "VER".
std::string IdentifyQuadrovan(int timeoutMs, const FrameExchange& exchange,
                              const DialectEvents& events);

} // namespace vamok
