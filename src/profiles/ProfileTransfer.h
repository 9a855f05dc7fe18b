#pragma once
// Reading and writing instrument profiles through the command layer, with
// the instrument's retries: four sends, the second at once, the third and
// the fourth after 200 ms. Each profile that goes through updates the
// program's profile name (profiles 2..9).
#include "device/CommandChannel.h"
#include "device/DeviceClock.h"
#include "profiles/DeviceProfile.h"

#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace vamok {

struct ProfileLink {
    CommandChannel& channel;
    bool wide = false; // firmware 2.0.6 or later
    RetryPause pause = WaitProcessingEvents;
    std::function<void()> beep = [] {};
};

// Profile n (1..9), or nothing (after a beep) when no complete reply came.
std::optional<DeviceProfile> ReadProfile(const ProfileLink& link, int n);
// true when the instrument acknowledged the profile (beep otherwise).
bool WriteProfile(const ProfileLink& link, const DeviceProfile& profile);

using ProfileSet = std::array<DeviceProfile, kProfileCount>;

// Profiles 1..9 in turn, stopping at the first that fails: the profiles
// read, in order (all nine when the transfer went through).
std::vector<DeviceProfile> ReadAllProfiles(const ProfileLink& link);
// Writes profiles 1..9 in turn, stopping at the first that fails; returns
// how many were written.
int WriteAllProfiles(const ProfileLink& link, const ProfileSet& profiles);

} // namespace vamok
