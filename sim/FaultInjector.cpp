#include "sim/FaultInjector.h"

#include "sim/Hex.h"

namespace vamok::sim {

namespace {
// No control byte of the protocols and no upper-case letter, so the noise
// can never be taken for the start of an answer.
constexpr unsigned char kNoise[] = {0x00, 0x11, 0x7E, 0xAA, 0xFE, 0x2E, 0x61, 0xC3, 0x39};
} // namespace

std::string FaultInjector::noise()
{
    std::string out;
    const long length = 3 + noiseCount_ % 5;
    for (long i = 0; i < length; ++i)
        out += static_cast<char>(kNoise[(noiseCount_ + i) % sizeof kNoise]);
    ++noiseCount_;
    return out;
}

std::string FaultInjector::shape(const Answer& answer)
{
    ++commands_;
    if (options_.silentAfter > 0 && commands_ > options_.silentAfter)
        return {};
    if (options_.ignoreEvery > 0 && commands_ % options_.ignoreEvery == 0)
        return {};
    if (answer.reply.empty())
        return {};
    std::string bytes = answer.reply;
    ++answers_;
    if (options_.corruptEvery > 0 && answers_ % options_.corruptEvery == 0) {
        if (answer.framed && bytes.size() >= 4) {
            const std::size_t at = bytes.size() - 3;
            const auto sum = HexDecode(bytes.substr(at, 2));
            const unsigned wrong = sum ? static_cast<unsigned char>((*sum)[0]) + 1u : 0u;
            bytes.replace(at, 2, HexByte(wrong));
        } else {
            bytes[0] = static_cast<char>(bytes[0] ^ 0x20);
        }
    }
    return options_.garbage ? noise() + bytes : bytes;
}

} // namespace vamok::sim
