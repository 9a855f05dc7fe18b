#include "live/IdentificationParser.h"

#include <cstdio>

namespace vamok {

namespace {

constexpr std::size_t kSerialBlock = 7; // "SER" + serial high, low, series, flags
constexpr std::size_t kDisplaySpan = 64;

std::string PaddedNumber(unsigned value, int digits)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%0*u", digits, value);
    return buf;
}

std::string BitText(unsigned char flags)
{
    std::string bits;
    for (int b = 7; b >= 0; --b)
        bits += (flags >> b) & 1 ? '1' : '0';
    return bits;
}

std::string Trimmed(const std::string& s)
{
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// Takes the serial block out of the reply and returns its text, or nothing
// when "SER" is missing or not followed by its four bytes.
std::optional<std::string> TakeSerial(std::string& reply)
{
    const auto p = reply.find("SER");
    if (p == std::string::npos || reply.size() < p + kSerialBlock)
        return std::nullopt;
    const auto byteAt = [&](std::size_t k) { return static_cast<unsigned char>(reply[p + k]); };
    const unsigned serial = 256u * byteAt(3) + byteAt(4);
    const std::string text = "S-No: " + PaddedNumber(serial, 4) + " / " + PaddedNumber(byteAt(5), 2) +
                             " - " + BitText(byteAt(6));
    // The instrument's text ends with the serial block; what follows it
    // (over as many bytes as the block's 1-based position plus 7) is not
    // part of the model text.
    reply.erase(p, p + 1 + kSerialBlock);
    return text;
}

// The printable bytes of the model text: from "VER" on (or the start), at
// most 64 positions, without control bytes and '*'.
std::string DisplayText(std::string reply)
{
    std::size_t start = 0;
    std::size_t span = kDisplaySpan - 1; // position 0 of the reply does not exist
    if (const auto q = reply.find("VER"); q != std::string::npos) {
        reply.erase(q, q + 1 + 3);
        start = q;
        span = kDisplaySpan;
    }
    std::string d;
    for (std::size_t k = start; k < reply.size() && k < start + span; ++k) {
        const auto c = static_cast<unsigned char>(reply[k]);
        if (c > 26 && c != '*')
            d += static_cast<char>(c);
    }
    return d;
}

} // namespace

std::string PrefixWithLength(const std::string& reply)
{
    return std::to_string(reply.size()) + ": " + reply;
}

Identification ParseIdentification(const std::string& prefixedReply, bool usbMode)
{
    Identification id;
    std::string reply = prefixedReply;
    id.SerialText = TakeSerial(reply);

    std::string d = DisplayText(reply);
    auto model = d.find("VAMOK");
    if (model == std::string::npos)
        model = d.find("Ventiq");
    if (model == std::string::npos)
        return id;
    d.erase(0, model);
    if (const auto typ = d.find("TYP"); typ != std::string::npos)
        d.erase(typ, 3);
    id.VersionText = d;
    if (const auto ver = d.find("Ver "); ver != std::string::npos) {
        const std::string after = d.substr(ver + 4);
        id.DeviceVersion = Trimmed(usbMode ? after : after.substr(0, 4));
    }
    return id;
}

} // namespace vamok
