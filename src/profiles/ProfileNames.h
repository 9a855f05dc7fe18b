#pragma once
// The program's names of the instrument's user profiles 2..9
// (App().ProfileNames), kept up to date from profile transfers and from the
// instrument's name list ("BPN"), and stored in the settings after each change.
#include "device/CommandChannel.h"
#include "device/DeviceClock.h"

#include <array>
#include <optional>
#include <string>

namespace vamok {

inline constexpr int kUserProfileCount = 8;
using UserProfileNames = std::array<std::string, kUserProfileCount>;

// Profile name n (2..9) becomes `name`; the names are written to the settings.
void StoreProfileName(int n, const std::string& name);

// The names of profiles 2..9 in a "BPN" reply: "BPN" and 8 names of 16
// characters, each trimmed. Nothing unless the reply is longer than 130
// characters and begins with "BPN".
std::optional<UserProfileNames> ParseProfileNamesReply(const std::string& reply);

// Asks the instrument for its profile names, up to 3 sends with a pause of
// 200 ms before a repeat, and stores them as profile names 2..9. false when
// no usable answer came (the names stay as they were).
bool ReadDeviceProfileNames(CommandChannel& channel, const RetryPause& pause = WaitProcessingEvents);

} // namespace vamok
