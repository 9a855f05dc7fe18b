#include "sim/UsbInstrument.h"

#include "sim/Firmware.h"
#include "sim/Hex.h"
#include "sim/LiveValues.h"
#include "sim/MemoryRecord.h"
#include "sim/TextCodec.h"

#include <cstdio>

namespace vamok::sim {

namespace {
constexpr std::size_t kNameWidth = 20;
constexpr std::size_t kProfileNameWidth = 16;

TypeLayout UsbTypeLayout(bool ventiq, long firmware)
{
    if (ventiq)
        return TypeLayout::Ventiq;
    if (firmware >= kRixDust)
        return TypeLayout::RixDust;
    if (firmware >= kRixGas)
        return TypeLayout::RixGas;
    return TypeLayout::Altarim;
}

bool StartsWith(const std::string& text, std::string_view prefix)
{
    return std::string_view(text).substr(0, prefix.size()) == prefix;
}

void PutWord32(std::string& out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out += static_cast<char>((value >> shift) & 0xFF);
}

std::uint32_t Word32(const std::string& bytes, std::size_t offset)
{
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        value = value << 8 | static_cast<unsigned char>(bytes[offset + i]);
    return value;
}
} // namespace

UsbInstrument::UsbInstrument(SimState state, bool ventiq)
    : ventiq_(ventiq),
      firmware_(FirmwareNumber(state.firmware)),
      memory_(state, UsbTypeLayout(ventiq, FirmwareNumber(state.firmware)), false)
{
}

bool UsbInstrument::wideMasks() const
{
    return firmware_ >= kRixDust;
}

std::optional<std::string> UsbInstrument::answer(const std::string& payload)
{
    const SimState& s = memory_.state();
    const std::string rest = payload.size() > 3 ? payload.substr(3) : std::string();
    if (payload == "SER")
        return serialReply();
    if (payload == "VER")
        return versionReply();
    if (payload == "MES")
        return ventiq_ ? VentiqLiveReply(s.live) : HexEncode(RixLiveReply(s.live, firmware_));
    if (StartsWith(payload, "BDR")) {
        const auto n = ByteParameter(payload);
        const Workplace* wp = n ? memory_.workplace(*n) : nullptr;
        if (!wp)
            return Nak();
        return "BDR" + HexEncode(ventiq_ ? VentiqRecord(*wp) : RixRecord(*wp, firmware_));
    }
    if (StartsWith(payload, "BDW"))
        return writeName(rest);
    if (StartsWith(payload, "BTR")) {
        const auto n = ByteParameter(payload);
        const std::string* record = n ? memory_.typeRecord(*n) : nullptr;
        if (!record)
            return Nak();
        return "BTR" + HexByte(static_cast<unsigned>(*n)) + HexEncode(*record);
    }
    if (StartsWith(payload, "BTW"))
        return writeType(rest);
    if (StartsWith(payload, "U") && payload != "UNLK")
        return setClock(payload.substr(1));
    if (ventiq_)
        return Nak();
    if (payload == "BPN")
        return profileNames();
    if (StartsWith(payload, "BPR")) {
        const auto n = ByteParameter(payload);
        return n ? readProfile(*n) : Nak();
    }
    if (StartsWith(payload, "BPW"))
        return writeProfile(rest);
    if (payload == "UNLK") {
        memory_.unlockKeyboard();
        return Ack();
    }
    return Nak();
}

std::string UsbInstrument::serialReply() const
{
    const SimState& s = memory_.state();
    char text[16];
    if (ventiq_)
        std::snprintf(text, sizeof text, "SER%04X-%02X", s.serial & 0xFFFF, s.series & 0xFF);
    else
        std::snprintf(text, sizeof text, "SER%04d-%02d", s.serial % 10000, s.series % 100);
    return text;
}

std::string UsbInstrument::versionReply() const
{
    const std::string& fw = memory_.state().firmware;
    std::string bytes;
    for (int part = 0; part < 3; ++part)
        bytes += static_cast<char>(FirmwarePart(fw, part));
    return "VER" + HexEncode(bytes);
}

std::string UsbInstrument::writeName(const std::string& hex)
{
    const auto bytes = HexDecode(hex);
    const std::size_t size = 1 + kNameWidth + 1 + (ventiq_ ? 0 : 1);
    if (!bytes || bytes->size() != size)
        return Nak();
    const int n = static_cast<unsigned char>((*bytes)[0]);
    const int slot = static_cast<unsigned char>((*bytes)[1 + kNameWidth]);
    std::optional<int> profile;
    if (!ventiq_)
        profile = static_cast<unsigned char>((*bytes)[2 + kNameWidth]);
    return memory_.writeName(n, bytes->substr(1, kNameWidth), slot, profile) ? Ack() : Nak();
}

std::string UsbInstrument::writeType(const std::string& hex)
{
    const auto bytes = HexDecode(hex);
    if (!bytes || bytes->empty())
        return Nak();
    const int slot = static_cast<unsigned char>((*bytes)[0]);
    return memory_.writeType(slot, bytes->substr(1), "BTW") ? Ack() : Nak();
}

std::string UsbInstrument::profileNames() const
{
    std::string out = "BPN";
    for (int n = 2; n <= 9; ++n)
        out += FixedWidth(memory_.profile(n)->name, kProfileNameWidth);
    return out;
}

std::string UsbInstrument::readProfile(int n) const
{
    const Profile* profile = memory_.profile(n);
    if (!profile)
        return Nak();
    std::string bytes(1, static_cast<char>(n));
    bytes += FixedWidth(profile->name, kProfileNameWidth);
    PutWord32(bytes, static_cast<std::uint32_t>(profile->mask & 0xFFFFFFFFu));
    if (wideMasks())
        PutWord32(bytes, static_cast<std::uint32_t>(profile->mask >> 32));
    return "BPR" + HexEncode(bytes);
}

std::string UsbInstrument::writeProfile(const std::string& hex)
{
    const auto bytes = HexDecode(hex);
    const std::size_t size = 1 + kProfileNameWidth + (wideMasks() ? 8 : 4);
    if (!bytes || bytes->size() != size)
        return Nak();
    Profile profile;
    profile.number = static_cast<unsigned char>((*bytes)[0]);
    profile.name = bytes->substr(1, kProfileNameWidth);
    profile.mask = Word32(*bytes, 1 + kProfileNameWidth);
    if (wideMasks())
        profile.mask |= std::uint64_t{Word32(*bytes, 5 + kProfileNameWidth)} << 32;
    return memory_.writeProfile(profile) ? Ack() : Nak();
}

std::string UsbInstrument::setClock(const std::string& hex)
{
    if (hex.size() < 8 || hex.size() > 16)
        return Nak();
    std::uint64_t seconds = 0;
    for (char c : hex) {
        const bool digit = c >= '0' && c <= '9';
        const bool letter = c >= 'A' && c <= 'F';
        if (!digit && !letter)
            return Nak();
        seconds = seconds * 16 + static_cast<unsigned>(digit ? c - '0' : c - 'A' + 10);
    }
    if (seconds > 0xFFFFFFFFu)
        return Nak();
    memory_.setClock(static_cast<std::int64_t>(seconds));
    return Ack();
}

} // namespace vamok::sim
