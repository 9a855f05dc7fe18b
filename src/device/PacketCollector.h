#pragma once
// Cuts the received serial byte stream into reply packets: a packet begins
// at the first occurrence of the start string and ends with the end string
// or after `size` bytes, whichever comes first. A packet that does not
// complete within 2750 ms of its start is dropped. Bytes and time in,
// packets out; no I/O.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vamok {

class PacketCollector {
public:
    // 50 ticks of 55 ms, counted from the start-string match.
    static constexpr std::int64_t kTimeoutMs = 2750;

    // Armed with start NAK, size 1, no end string.
    PacketCollector();

    // Sets the recognition parameters and re-arms (drops a partial packet).
    // start "": the packet begins with the next byte. end "": no end
    // string. size 0: no size condition.
    void Configure(std::string start, std::string end, int size);
    // Disabled: received bytes are ignored. Enabling re-arms.
    void SetEnabled(bool enabled);
    bool Enabled() const { return enabled_; }

    // Feeds received bytes at time nowMs (monotonic milliseconds) and
    // returns the packets they completed, in order.
    std::vector<std::string> Feed(std::string_view bytes, std::int64_t nowMs);

private:
    void Rearm();
    bool StartMatched(char c, std::int64_t nowMs);
    bool PacketComplete() const;
    void DeliverIfComplete(std::vector<std::string>& packets);

    std::string start_;
    std::string end_;
    std::size_t size_ = 0;
    bool enabled_ = true;

    bool collecting_ = false;
    std::int64_t startedAtMs_ = 0;
    std::string search_; // tail of the stream that may begin the start string
    std::string packet_;
};

} // namespace vamok
