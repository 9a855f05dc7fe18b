#include "profiles/ProfileTransfer.h"

#include "device/Frame.h"
#include "measure/MemoryRecord.h"
#include "device/ProfileNames.h"

namespace vamok {

namespace {

constexpr int kMaxSends = 4;
constexpr int kRetryPauseMs = 200;
constexpr int kReadTimeoutMs = 500;
constexpr int kWriteTimeoutMs = 20000;

// Sends until `done` accepts the reply; the last reply either way.
template <typename Accept>
std::string SendWithRetries(const ProfileLink& link, const std::string& command, int timeoutMs, Accept done)
{
    std::string reply;
    for (int send = 1; send <= kMaxSends; ++send) {
        if (send >= 3)
            link.pause(kRetryPauseMs);
        reply = link.channel.SendCommand(command, std::string(1, kSTX), timeoutMs, 0, std::string(1, kETX));
        if (done(reply))
            break;
    }
    return reply;
}

} // namespace

std::optional<DeviceProfile> ReadProfile(const ProfileLink& link, int n)
{
    if (!IsProfileNumber(n))
        return std::nullopt;
    const std::size_t needed = ProfileReplyLength(link.wide);
    const std::string reply = SendWithRetries(link, ProfileReadCommand(n), kReadTimeoutMs,
                                              [needed](const std::string& r) { return r.size() >= needed; });
    std::optional<DeviceProfile> profile = DecodeProfileReply(reply, n, link.wide);
    if (!profile) {
        link.beep();
        return std::nullopt;
    }
    StoreProfileName(n, profile->name);
    return profile;
}

bool WriteProfile(const ProfileLink& link, const DeviceProfile& profile)
{
    if (!IsProfileNumber(profile.number))
        return false;
    const std::string ack(1, kACK);
    const std::string reply = SendWithRetries(link, ProfileWriteCommand(profile, link.wide), kWriteTimeoutMs,
                                              [&ack](const std::string& r) { return r == ack; });
    if (reply != ack) {
        link.beep();
        return false;
    }
    StoreProfileName(profile.number, TrimBlanks(DeviceProfileName(profile.name)));
    return true;
}

std::vector<DeviceProfile> ReadAllProfiles(const ProfileLink& link)
{
    std::vector<DeviceProfile> read;
    for (int n = 1; n <= kProfileCount; ++n) {
        std::optional<DeviceProfile> p = ReadProfile(link, n);
        if (!p)
            break;
        read.push_back(std::move(*p));
    }
    return read;
}

int WriteAllProfiles(const ProfileLink& link, const ProfileSet& profiles)
{
    int written = 0;
    for (const DeviceProfile& p : profiles) {
        if (!WriteProfile(link, p))
            break;
        ++written;
    }
    return written;
}

} // namespace vamok
