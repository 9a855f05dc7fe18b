#include "device/ProfileNames.h"

#include "core/AppState.h"
#include "core/ProfileNameSettings.h"

namespace vamok {

namespace {

constexpr std::size_t kMinimumReply = 131;
constexpr int kRequests = 3;
constexpr int kRetryPauseMs = 200;
constexpr int kTimeoutMs = 1000;

std::string Trimmed(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace

std::optional<UserProfileNames> ParseProfileNames(const std::string& reply)
{
    if (reply.size() < kMinimumReply || reply.compare(0, 3, "BPN") != 0)
        return std::nullopt;
    UserProfileNames names;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::size_t at = 3 + i * kDeviceProfileNameWidth;
        names[i] = at < reply.size() ? Trimmed(reply.substr(at, kDeviceProfileNameWidth)) : std::string();
    }
    return names;
}

std::optional<UserProfileNames> ReadProfileNames(CommandChannel& channel, const RetryPause& pause)
{
    std::string reply;
    for (int request = 0; request < kRequests && reply.size() < kMinimumReply; ++request) {
        if (request > 0)
            pause(kRetryPauseMs);
        reply = channel.SendCommand("BPN", "TYP", kTimeoutMs, 0, "VAMOK");
    }
    return ParseProfileNames(reply);
}

void StoreProfileNames(const UserProfileNames& names)
{
    for (std::size_t i = 0; i < names.size(); ++i)
        App().ProfileNames[kFirstUserProfile + i] = names[i];
    WriteProfileNames();
}

void StoreProfileName(int n, const std::string& name)
{
    if (n < kFirstUserProfile || n >= kFirstUserProfile + kUserProfileCount)
        return;
    App().ProfileNames[static_cast<std::size_t>(n)] = name;
    WriteProfileNames();
}

} // namespace vamok
