#include "device/CommandTranslation.h"

#include "core/TextHelpers.h"
#include "device/EmulatedIdentification.h"
#include "device/Frame.h"

namespace vamok {

namespace {

constexpr int kMemoryTimeoutMs = 500;
constexpr int kVentiqExtraMs = 1000;
// A rix memory record shorter than this is incomplete.
constexpr std::size_t kRixMinMemoryReply = 75;
constexpr std::size_t kQuadrovanMinMemoryReply = 72;
const std::string kTypeReplyEnd = "\x01\x02\x03";

bool StartsWith(const std::string& text, const std::string& prefix)
{
    return text.rfind(prefix, 0) == 0;
}

// The bytes after the first n ("" when there are not that many).
std::string After(const std::string& text, std::size_t n)
{
    return n < text.size() ? text.substr(n) : std::string();
}

std::string HexFirstByte(const std::string& rest) { return HexEncode(rest.substr(0, 1)); }

std::string WithoutFirstNul(std::string rest)
{
    const auto nul = rest.find('\0');
    if (nul != std::string::npos)
        rest.erase(nul, 1);
    return rest;
}

// The request rows both framed dialects share: memory, names, types.
// Returns false when the command is none of them.
bool TranslateShared(const std::string& command, int timeoutMs, FramedRequest& r)
{
    r.timeoutMs = timeoutMs;
    if (StartsWith(command, "Gr")) {
        const std::string rest = After(command, 2);
        r.timeoutMs = kMemoryTimeoutMs;
        r.payload = rest.empty() ? "" : "BDR" + HexFirstByte(rest);
        r.expectedPrefix = "BDR";
    } else if (StartsWith(command, "Pt")) {
        const std::string rest = After(command, 2);
        r.payload = rest.empty() ? "" : "BDW" + HexEncode(WithoutFirstNul(rest));
        r.expectedPrefix = std::string(1, kACK);
    } else if (StartsWith(command, " Wa")) {
        const std::string rest = After(command, 3);
        r.beep = rest.empty();
        r.payload = rest.empty() ? "" : "BTW" + HexEncode(rest);
        r.expectedPrefix = std::string(1, kACK);
    } else if (StartsWith(command, "GTY")) {
        const std::string rest = After(command, 3);
        r.beep = rest.empty();
        r.payload = rest.empty() ? "" : "GTY" + HexEncode(rest);
    } else if (StartsWith(command, "Rd")) {
        const std::string rest = After(command, 2);
        r.payload = rest.empty() ? "" : "BTR" + HexFirstByte(rest);
        r.expectedPrefix = "BTR";
    } else if (StartsWith(command, "Sr") || StartsWith(command, "Ck")) {
        r.payload.clear();
    } else {
        return false;
    }
    return true;
}

std::string ExtraValuesReply(const std::string& command, const std::string& payload)
{
    return HexDecode(After(payload, command.size()));
}

std::string TypeReply(const std::string& payload, const DialectEvents& events, bool beepWhenEmpty)
{
    if (!StartsWith(payload, "BTR"))
        return {};
    const std::string decoded = HexDecode(After(payload, 3));
    if (decoded.empty() && beepWhenEmpty)
        events.beep();
    return "TYP" + decoded + kTypeReplyEnd;
}

// The gateway's memory record lacks two byte pairs that the readout of the
// altarim layout expects: copy them into place.
std::string QuadrovanMemoryReply(const std::string& payload, const DialectEvents& events)
{
    std::string r = "MEM" + HexDecode(After(payload, 3));
    if (r.size() < kQuadrovanMinMemoryReply) {
        events.beep();
        return {};
    }
    // Bytes 71-72 and, where present, 73-74 go in before byte 62.
    const std::string_view record(r);
    std::string out;
    out.reserve(r.size() + 4);
    out.append(record.substr(0, 61)).append(record.substr(70, 2));
    if (r.size() >= 74)
        out.append(record.substr(72, 2));
    out.append(record.substr(61));
    return out;
}

} // namespace

FramedRequest TranslateUsb(const std::string& command, int timeoutMs)
{
    FramedRequest r;
    if (StartsWith(command, "MmCkSr")) {
        r.payload = "MES";
        r.timeoutMs = timeoutMs;
    } else if (!TranslateShared(command, timeoutMs, r)) {
        r.payload = command;
    }
    r.expectedPrefix.clear(); // USB has no packet collector
    return r;
}

std::string BackTranslateUsb(const std::string& command, const std::string& payload, bool ventiq,
                             const DialectEvents& events)
{
    if (payload.empty())
        return {};
    if (StartsWith(command, "GVR"))
        return ExtraValuesReply(command, payload);
    if (StartsWith(command, "MmCkSr"))
        return ventiq ? payload : HexDecode(payload);
    if (StartsWith(command, "Gr")) {
        std::string r = "MEM" + HexDecode(After(payload, 3));
        if (!ventiq && r.size() < kRixMinMemoryReply)
            return {};
        return r;
    }
    if (StartsWith(command, "Rd"))
        return TypeReply(payload, events, true);
    return payload;
}

FramedRequest TranslateQuadrovan(const std::string& command, const std::string& callerStart,
                                 int timeoutMs)
{
    FramedRequest r;
    if (StartsWith(command, "MmCkSr")) {
        r.payload = "VAMOK" + HexEncode(command);
        r.expectedPrefix = "VAMOK" + HexEncode("MESS");
        r.timeoutMs = kMemoryTimeoutMs;
    } else if (!TranslateShared(command, timeoutMs, r)) {
        r.payload = StartsWith(command, "GVR") ? command : "0";
        r.expectedPrefix = callerStart;
        r.timeoutMs = timeoutMs;
    }
    return r;
}

std::string BackTranslateQuadrovan(const std::string& command, const std::string& payload,
                                   const DialectEvents& events)
{
    if (payload.empty())
        return {};
    if (StartsWith(command, "GVR"))
        return ExtraValuesReply(command, payload);
    if (StartsWith(command, "MmCkSr"))
        return HexDecode(After(payload, 5));
    if (StartsWith(command, "Gr"))
        return QuadrovanMemoryReply(payload, events);
    if (StartsWith(command, "Rd"))
        return TypeReply(payload, events, false);
    return payload;
}

std::string ExchangeUsb(const std::string& command, int timeoutMs, bool ventiq,
                        const FrameExchange& exchange, const DialectEvents& events)
{
    const int extra = ventiq ? kVentiqExtraMs : 0;
    const FrameExchange send = [&](const std::string& payload, const std::string& prefix, int t) {
        return exchange(payload, prefix, t + extra);
    };
    if (command == "VeSr")
        return IdentifyUsb(ventiq, timeoutMs, send, events);
    const FramedRequest request = TranslateUsb(command, timeoutMs);
    if (request.beep)
        events.beep();
    if (request.payload.empty())
        return {};
    return BackTranslateUsb(command, send(request.payload, request.expectedPrefix, request.timeoutMs),
                            ventiq, events);
}

std::string ExchangeQuadrovan(const std::string& command, const std::string& callerStart,
                              int timeoutMs, const FrameExchange& exchange,
                              const DialectEvents& events)
{
    if (command == "VeSr")
        return IdentifyQuadrovan(timeoutMs, exchange, events);
    const FramedRequest request = TranslateQuadrovan(command, callerStart, timeoutMs);
    if (request.beep)
        events.beep();
    if (request.payload.empty())
        return {};
    return BackTranslateQuadrovan(
        command, exchange(request.payload, request.expectedPrefix, request.timeoutMs), events);
}

} // namespace vamok
