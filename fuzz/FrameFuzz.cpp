// libFuzzer target: received frames and the framed dialects' replies on any
// bytes. A frame that passes the check is the frame its payload builds; the
// back-translation of any reply, identification included, stays inside the
// bytes it was given (the build checks every string index).
#include "device/CommandTranslation.h"
#include "device/Frame.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace vamok;
using namespace std::string_view_literals;

namespace {

// The altarim-form commands whose replies are translated back.
constexpr std::string_view kCommands[] = {"VeSr"sv,   "MmCkSr"sv,  "GVR"sv, "Gr\x05"sv, "Rd\x02"sv,
                                          "Pt\x03NAME    \x00\x01"sv, " Wa\x01"sv, "GTY"sv, "Sr"sv};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);

    const std::string payload = CheckFrame(bytes);
    const auto inner = [](const std::string& frame) { return frame.substr(1, frame.size() - 2); };
    if (!payload.empty() && inner(BuildFrame(payload)) != inner(bytes))
        std::abort();

    // The first byte picks the command and the dialect; the replies to the
    // command's frames are the rest of the bytes, cut at each 0xFF.
    const std::string command(kCommands[(data[0] >> 2) % std::size(kCommands)]);
    std::size_t next = 0;
    const FrameExchange exchange = [&](const std::string&, const std::string&, int) {
        if (next > bytes.size())
            return std::string();
        std::size_t end = bytes.find('\xFF', next);
        if (end == std::string::npos)
            end = bytes.size();
        const std::string reply = bytes.substr(next, end - next);
        next = end + 1;
        return reply;
    };
    const DialectEvents events;
    switch (data[0] & 3) {
    case 0: ExchangeUsb(command, 100, false, exchange, events); break;
    case 1: ExchangeUsb(command, 100, true, exchange, events); break;
    default: ExchangeQuadrovan(command, "VAMOK", 100, exchange, events); break;
    }
    return 0;
}
