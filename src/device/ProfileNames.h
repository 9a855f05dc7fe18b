#pragma once
// Reading the names of the instrument's user profiles ("BPN", VAMOK rix):
// "BPN" followed by the names of profiles 2 to 9, 16 characters each. The
// type synchronisation reads them before the types; the profile window
// reads them too.
#include "device/CommandChannel.h"
#include "device/DeviceClock.h"

#include <array>
#include <optional>
#include <string>

namespace vamok {

inline constexpr int kFirstUserProfile = 2;
inline constexpr int kUserProfileCount = 8;
inline constexpr std::size_t kDeviceProfileNameWidth = 16;

using UserProfileNames = std::array<std::string, kUserProfileCount>; // profiles 2..9

// The names of a "BPN" reply, blanks trimmed at both ends; nothing unless
// the reply is longer than 130 characters and begins with "BPN".
std::optional<UserProfileNames> ParseProfileNames(const std::string& reply);

// Up to three requests, 200 ms apart, until a reply is longer than 130
// characters; nothing when none is or it does not parse.
std::optional<UserProfileNames> ReadProfileNames(CommandChannel& channel,
                                                 const RetryPause& pause = WaitProcessingEvents);

// The names become App().ProfileNames 2..9 and are written to the settings.
void StoreProfileNames(const UserProfileNames& names);
// Profile name n (2..9) becomes `name` and the names are written to the
// settings; other numbers are ignored.
void StoreProfileName(int n, const std::string& name);

} // namespace vamok
