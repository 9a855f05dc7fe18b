// libFuzzer target: the serial packet collector on arbitrary chunks. The
// packets it cuts do not depend on how the stream was split into reads; each
// starts with the start string and keeps to the configured size.
#include "device/PacketCollector.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

using namespace vamok;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Header: start and end lengths (0..3 each), the size byte, then the
    // two strings; the rest is the stream, in chunks whose first byte gives
    // their length (low 6 bits) and whether time jumps ahead first (bit 6).
    if (size < 2)
        return 0;
    const std::size_t startLength = data[0] & 3, endLength = (data[0] >> 2) & 3;
    const int packetSize = data[1] % 40;
    std::size_t at = 2;
    if (size < at + startLength + endLength)
        return 0;
    const std::string start(reinterpret_cast<const char*>(data + at), startLength);
    at += startLength;
    const std::string end(reinterpret_cast<const char*>(data + at), endLength);
    at += endLength;

    PacketCollector chunked, bytewise;
    chunked.Configure(start, end, packetSize);
    bytewise.Configure(start, end, packetSize);
    std::vector<std::string> fromChunks, fromBytes;
    std::int64_t now = 0;
    while (at < size) {
        const std::uint8_t header = data[at++];
        if (header & 0x40)
            now += PacketCollector::kTimeoutMs;
        const std::size_t length = std::min<std::size_t>(header & 0x3F, size - at);
        const std::string_view chunk(reinterpret_cast<const char*>(data + at), length);
        at += length;
        for (std::string& packet : chunked.Feed(chunk, now))
            fromChunks.push_back(std::move(packet));
        for (char c : chunk)
            for (std::string& packet : bytewise.Feed(std::string_view(&c, 1), now))
                fromBytes.push_back(std::move(packet));
    }
    if (fromChunks != fromBytes)
        std::abort();
    for (const std::string& packet : fromChunks) {
        if (packetSize > 0 && packet.size() > static_cast<std::size_t>(packetSize))
            std::abort();
        const std::size_t shown = std::min(packet.size(), start.size());
        if (packet.compare(0, shown, start, 0, shown) != 0)
            std::abort();
        if (packetSize == 0 && end.empty())
            std::abort(); // no condition can complete such a packet
    }
    return 0;
}
