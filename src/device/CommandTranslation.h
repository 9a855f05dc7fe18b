#pragma once
// Translation of altarim-form commands for the framed dialects and of their
// replies back into altarim form. Callers always speak altarim; these
// functions decide what goes into the frame and rebuild the answer.
#include "device/FramedExchange.h"

#include <string>

namespace vamok {

// What one altarim-form command becomes in a framed dialect. An empty
// payload means nothing is sent and the reply is "".
struct FramedRequest {
    std::string payload;
    std::string expectedPrefix; // Quadrovan: the reply begins STX + this
    int timeoutMs = 0;
    bool beep = false; // the command lacks its parameter
    bool operator==(const FramedRequest&) const = default;
};

// rix/Ventiq: the request for any command but "VeSr".
FramedRequest TranslateUsb(const std::string& command, int timeoutMs);
std::string BackTranslateUsb(const std::string& command, const std::string& payload, bool ventiq,
                             const DialectEvents& events);

// Quadrovan gateway: the request for any command but "VeSr"; callerStart
// is the caller's start string, used for "GVR" and unknown commands.
FramedRequest TranslateQuadrovan(const std::string& command, const std::string& callerStart,
                                 int timeoutMs);
std::string BackTranslateQuadrovan(const std::string& command, const std::string& payload,
                                   const DialectEvents& events);

// The whole exchange in a framed dialect: translate (identification is
// emulated), send through exchange, translate the reply back. A Ventiq
// gets 1000 ms more for every frame.
std::string ExchangeUsb(const std::string& command, int timeoutMs, bool ventiq,
                        const FrameExchange& exchange, const DialectEvents& events);
std::string ExchangeQuadrovan(const std::string& command, const std::string& callerStart,
                              int timeoutMs, const FrameExchange& exchange,
                              const DialectEvents& events);

} // namespace vamok
