#include "sim/QuadrovanGateway.h"

#include "sim/Hex.h"
#include "sim/LiveValues.h"
#include "sim/MemoryRecord.h"

namespace vamok::sim {

namespace {
constexpr std::size_t kNameWidth = 8;

bool StartsWith(const std::string& text, std::string_view prefix)
{
    return std::string_view(text).substr(0, prefix.size()) == prefix;
}
} // namespace

QuadrovanGateway::QuadrovanGateway(SimState state)
    : memory_(std::move(state), TypeLayout::Altarim, true), attached_(memory_, true)
{
}

std::optional<std::string> QuadrovanGateway::answer(const std::string& payload)
{
    const SimState& s = memory_.state();
    const std::string rest = payload.size() > 3 ? payload.substr(3) : std::string();
    if (payload == "SNR") {
        const std::string bytes{static_cast<char>(s.serial >> 8), static_cast<char>(s.serial & 0xFF),
                                static_cast<char>(s.series)};
        return "SNR" + HexEncode(bytes);
    }
    if (payload == "VER") {
        const std::string bytes{static_cast<char>(FirmwarePart(s.firmware, 0)),
                                static_cast<char>(FirmwarePart(s.firmware, 1))};
        return "VER" + HexEncode(bytes);
    }
    if (payload == "GVR")
        return "GVR" + HexEncode(GatewayValues(s.live));
    if (StartsWith(payload, "VAMOK"))
        return passOn(payload.substr(5));
    if (StartsWith(payload, "BDR")) {
        const auto n = ByteParameter(payload);
        const Workplace* wp = n ? memory_.workplace(*n) : nullptr;
        return wp ? "BDR" + HexEncode(QuadrovanRecord(*wp)) : Nak();
    }
    if (StartsWith(payload, "BDW"))
        return writeName(rest);
    if (StartsWith(payload, "BTR")) {
        const auto n = ByteParameter(payload);
        const std::string* record = n ? memory_.typeRecord(*n) : nullptr;
        return record ? "BTR" + HexByte(static_cast<unsigned>(*n)) + HexEncode(*record) : Nak();
    }
    if (StartsWith(payload, "BTW") || StartsWith(payload, "GTY"))
        return writeType(rest, payload.substr(0, 3));
    return Nak();
}

std::string QuadrovanGateway::passOn(const std::string& hex)
{
    auto command = HexDecode(hex);
    if (!command || command->empty())
        return Nak();
    const auto result = attached_.run(*command);
    return "VAMOK" + HexEncode(result.reply);
}

std::string QuadrovanGateway::writeName(const std::string& hex)
{
    const auto bytes = HexDecode(hex);
    if (!bytes || bytes->size() != 1 + kNameWidth + 1)
        return Nak();
    const int n = static_cast<unsigned char>((*bytes)[0]);
    const int slot = static_cast<unsigned char>((*bytes)[1 + kNameWidth]);
    return memory_.writeName(n, bytes->substr(1, kNameWidth), slot, std::nullopt) ? Ack() : Nak();
}

std::string QuadrovanGateway::writeType(const std::string& hex, const std::string& command)
{
    const auto bytes = HexDecode(hex);
    if (!bytes || bytes->empty())
        return Nak();
    const int slot = static_cast<unsigned char>((*bytes)[0]);
    return memory_.writeType(slot, bytes->substr(1), command) ? Ack() : Nak();
}

} // namespace vamok::sim
