#pragma once
// One instrument profile and its bytes in the "BPR" reply and the "BPW"
// command: the profile number, the name (16 characters, blank-padded), the
// mask bits 31..0 most significant byte first and, from firmware 2.0.6 on,
// bits 63..32 the same way. Everything travels as upper-case hex text.
#include "device/ProfileNames.h"

#include <cstdint>
#include <optional>
#include <string>

namespace vamok {

inline constexpr int kProfileCount = 9;

struct DeviceProfile {
    int number = 1;   // 1..9
    std::string name; // trimmed, CP1252
    std::uint64_t mask = 0;
    bool operator==(const DeviceProfile&) const = default;
};

bool IsProfileNumber(int n);

// Firmware 2.0.6 and later keep all 64 bits (App().DeviceVersion text).
bool WideProfileMasks(const std::string& deviceVersion);

// The reply length a complete "BPR" answer has: 45, or 53 with wide masks.
std::size_t ProfileReplyLength(bool wide);

// "BPR" + the number as two hex digits.
std::string ProfileReadCommand(int n);

// Profile n in a "BPR" reply, nothing when the reply is too short or does
// not begin with "BPR". The name loses its blanks
// at both ends; control bytes in it count as blanks.
std::optional<DeviceProfile> DecodeProfileReply(const std::string& reply, int n, bool wide);

// The name as the instrument keeps it: trimmed, cut to 16, padded to 16.
std::string DeviceProfileName(const std::string& name);

// "BPW" + number, name and mask as hex; profile 1 is always "Standard".
// Without wide masks only bits 31..0 are sent.
std::string ProfileWriteCommand(const DeviceProfile& profile, bool wide);

} // namespace vamok
