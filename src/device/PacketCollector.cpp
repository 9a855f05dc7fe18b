#include "device/PacketCollector.h"

namespace vamok {

PacketCollector::PacketCollector() : start_("\x15"), size_(1) {}

void PacketCollector::Configure(std::string start, std::string end, int size)
{
    start_ = std::move(start);
    end_ = std::move(end);
    size_ = size > 0 ? static_cast<std::size_t>(size) : 0;
    Rearm();
}

void PacketCollector::SetEnabled(bool enabled)
{
    enabled_ = enabled;
    Rearm();
}

void PacketCollector::Rearm()
{
    collecting_ = false;
    search_.clear();
    packet_.clear();
}

bool PacketCollector::StartMatched(char c, std::int64_t nowMs)
{
    search_ += c;
    if (search_.size() > start_.size())
        search_.erase(0, search_.size() - start_.size());
    if (search_ != start_)
        return false;
    packet_ = start_;
    search_.clear();
    collecting_ = true;
    startedAtMs_ = nowMs;
    return true;
}

bool PacketCollector::PacketComplete() const
{
    if (size_ > 0 && packet_.size() >= size_)
        return true;
    // The end string must follow the start string, not overlap it.
    return !end_.empty() && packet_.size() >= start_.size() + end_.size()
        && packet_.compare(packet_.size() - end_.size(), end_.size(), end_) == 0;
}

void PacketCollector::DeliverIfComplete(std::vector<std::string>& packets)
{
    if (!PacketComplete())
        return;
    // A size below the start string's length cuts the start string itself.
    packets.push_back(size_ > 0 ? packet_.substr(0, size_) : packet_);
    Rearm();
}

std::vector<std::string> PacketCollector::Feed(std::string_view bytes, std::int64_t nowMs)
{
    std::vector<std::string> packets;
    if (!enabled_)
        return packets;
    if (collecting_ && nowMs - startedAtMs_ >= kTimeoutMs)
        Rearm();
    for (char c : bytes) {
        if (!collecting_) {
            if (!start_.empty()) {
                if (StartMatched(c, nowMs))
                    DeliverIfComplete(packets);
                continue;
            }
            collecting_ = true;
            startedAtMs_ = nowMs;
        }
        packet_ += c;
        DeliverIfComplete(packets);
    }
    return packets;
}

} // namespace vamok
