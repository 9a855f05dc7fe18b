#pragma once
// The profile file (".VPD"): an INI text with one section per profile,
// "ProfileNo01".."ProfileNo09", each with "Name" and one key per function
// box ("ShowTemp"=1 ... "ShowBox64"=0).
#include "profiles/ProfileTransfer.h"

#include <optional>
#include <string>
#include <vector>

namespace vamok {

class IniFile;

// "ProfileNo" + the number as two digits.
std::string ProfileSectionName(int n);

// Writes the profiles into the file at `path`, keeping what else it holds;
// the file is replaced in one step, so a failure leaves it as it was.
// Nothing on success, else the reason (CP1252).
std::optional<std::string> SaveProfileFile(const std::string& path, const std::vector<DeviceProfile>& profiles);

struct ProfileFileProblem {
    enum class Kind { Unreadable, MissingKey };
    Kind kind = Kind::Unreadable;
    std::string reason;  // Unreadable: the system's words
    std::string section; // MissingKey: where the key is missing
    std::string key;
};

struct LoadedProfiles {
    std::optional<ProfileSet> profiles; // all nine, or nothing
    std::optional<ProfileFileProblem> problem;
};

// All nine profiles, checked completely before anything is sent, so a
// damaged file never leaves the instrument half overwritten. A missing
// section or key is the problem; "1" sets a bit, any other value leaves it
// clear; profile 1 is always named "Standard".
LoadedProfiles LoadProfileFile(const std::string& path);
LoadedProfiles ProfilesFromFile(const IniFile& file);

} // namespace vamok
