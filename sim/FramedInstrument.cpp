#include "sim/FramedInstrument.h"

#include "sim/Firmware.h"
#include "sim/Hex.h"

namespace vamok::sim {

std::vector<Answer> FramedInstrument::receive(std::string_view bytes)
{
    std::vector<Answer> answers;
    for (auto& frame : reader_.feed(bytes)) {
        if (!frame.valid) {
            answers.push_back({frame.payload, BuildFrame(Nak()), true, true});
            continue;
        }
        const auto reply = answer(frame.payload);
        answers.push_back({frame.payload, reply ? BuildFrame(*reply) : std::string(), true, reply == Nak()});
    }
    return answers;
}

std::optional<int> FramedInstrument::ByteParameter(const std::string& payload)
{
    if (payload.size() != 5)
        return std::nullopt;
    const auto byte = HexDecode(std::string_view(payload).substr(3));
    if (!byte)
        return std::nullopt;
    return static_cast<unsigned char>((*byte)[0]);
}

int FirmwarePart(const std::string& firmware, int index)
{
    return static_cast<int>((FirmwareNumber(firmware) >> (8 * (2 - index))) & 0xFF);
}

} // namespace vamok::sim
