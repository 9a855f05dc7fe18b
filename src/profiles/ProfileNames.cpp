#include "profiles/ProfileNames.h"

#include "core/AppState.h"
#include "core/ProfileNameStore.h"
#include "measure/MemoryRecord.h"
#include "profiles/DeviceProfile.h"

namespace vamok {

namespace {

constexpr std::size_t kMinimumReplyLength = 131;
constexpr int kSends = 3;
constexpr int kTimeoutMs = 1000;
constexpr int kRetryPauseMs = 200;

} // namespace

void StoreProfileName(int n, const std::string& name)
{
    if (n < 2 || n > kProfileCount)
        return;
    App().ProfileNames[static_cast<std::size_t>(n)] = name;
    WriteProfileNames();
}

std::optional<UserProfileNames> ParseProfileNamesReply(const std::string& reply)
{
    if (reply.size() < kMinimumReplyLength || reply.compare(0, 3, "BPN") != 0)
        return std::nullopt;
    UserProfileNames names;
    for (std::size_t k = 0; k < names.size(); ++k)
        names[k] = TrimBlanks(std::string_view(reply).substr(3 + k * kDeviceProfileNameWidth, kDeviceProfileNameWidth));
    return names;
}

bool ReadDeviceProfileNames(CommandChannel& channel, const RetryPause& pause)
{
    std::string reply;
    for (int send = 1; send <= kSends && reply.size() < kMinimumReplyLength; ++send) {
        if (send > 1)
            pause(kRetryPauseMs);
        reply = channel.SendCommand("BPN", "TYP", kTimeoutMs, 0, "VAMOK");
    }
    const std::optional<UserProfileNames> names = ParseProfileNamesReply(reply);
    if (!names)
        return false;
    for (std::size_t k = 0; k < names->size(); ++k)
        StoreProfileName(static_cast<int>(k) + 2, (*names)[k]);
    return true;
}

} // namespace vamok
