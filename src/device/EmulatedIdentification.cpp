#include "device/EmulatedIdentification.h"

#include "core/TextHelpers.h"

#include <cstdio>

namespace vamok {

namespace {

bool StartsWith(const std::string& text, const char* prefix)
{
    return text.rfind(prefix, 0) == 0;
}

unsigned ByteAt(const std::string& bytes, std::size_t i)
{
    return i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0u;
}

// The four bytes after "SER": the first three bytes of the serial (missing
// ones 0) and the flag byte 0x01.
std::string SerialTail(const std::string& serial)
{
    std::string tail;
    for (std::size_t i = 0; i < 3; ++i)
        tail += static_cast<char>(ByteAt(serial, i));
    return tail + '\x01';
}

unsigned DecimalOrZero(const std::string& digits)
{
    unsigned value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return 0;
        value = value * 10 + static_cast<unsigned>(c - '0');
    }
    return value;
}

// The rix states serial and series in decimal ("1234", "56"); the
// identification carries them as binary.
std::string RixSerialHex(const std::string& six)
{
    char hex[16];
    std::snprintf(hex, sizeof hex, "%.4X%.2X", DecimalOrZero(six.substr(0, 4)),
                  DecimalOrZero(six.substr(4, 2)));
    return hex;
}

std::string VersionReply(const std::string& reply)
{
    return StartsWith(reply, "VER") ? HexDecode(reply.substr(3)) : std::string();
}

} // namespace

std::string IdentifyUsb(bool ventiq, int timeoutMs, const FrameExchange& exchange,
                        const DialectEvents& events)
{
    const std::string serialReply = exchange("SER", "", timeoutMs);
    std::string serialHex;
    bool rixTexts = !ventiq;
    if (StartsWith(serialReply, "SER") && serialReply.size() == 10) {
        serialHex = serialReply.substr(3);
        serialHex.erase(4, 1); // "1234-56": the separator
        if (!ventiq)
            serialHex = RixSerialHex(serialHex);
    } else if (StartsWith(serialReply, "SNR") && serialReply.size() == 9) {
        serialHex = serialReply.substr(3);
        rixTexts = true;
    } else {
        return {};
    }
    const std::string tail = SerialTail(HexDecode(serialHex));

    const std::string versionReply = exchange("VER", "", timeoutMs);
    if (!StartsWith(versionReply, "VER"))
        return (rixTexts ? "*** VAMOK rix ***Ver 0.01SER" : "*** Ventiq ***UnknownSER") + tail;
    const std::string v = VersionReply(versionReply);
    char version[32];
    std::snprintf(version, sizeof version, "%u.%u.%u", ByteAt(v, 0), ByteAt(v, 1), ByteAt(v, 2));
    events.identified("VamokRix");
    return (rixTexts ? "VAMOK rix  - Ver " : "Ventiq  - Ver ") + std::string(version) + "SER" + tail;
}

std::string IdentifyQuadrovan(int timeoutMs, const FrameExchange& exchange,
                              const DialectEvents& events)
{
    const std::string serialReply = exchange("SNR", "", timeoutMs);
    if (!StartsWith(serialReply, "SNR") || serialReply.size() != 9)
        return {};
    const std::string tail = SerialTail(HexDecode(serialReply.substr(3)));

    const std::string versionReply = exchange("VER", "", timeoutMs);
    if (!StartsWith(versionReply, "VER"))
        return "VAMOK*** Quadrovan ***Ver 0.01SER" + tail;
    const std::string v = VersionReply(versionReply);
    char version[32];
    std::snprintf(version, sizeof version, "%u.%u", ByteAt(v, 0), ByteAt(v, 1));
    events.identified("VamokQuadrovan");
    return "VAMOK*** Quadrovan ***Ver " + std::string(version) + "SER" + tail;
}

} // namespace vamok
