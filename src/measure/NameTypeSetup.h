#pragma once
// How the name and type dialog presents itself for the instruments found on
// this computer, and the checks when its lists are left.
#include <array>
#include <string>
#include <vector>

namespace vamok {

struct NameTypeSetup {
    int MaxNameLength = 20;
    bool ProfileEnabled = true;
    bool WarningsVisible = false;
    // Hint of the profile label and list: items 2..9 with the instrument's
    // profile names.
    std::string ProfileHint;
};

// The profile list's items "0  (All)" .. "9  USER8".
const std::array<std::string, 10>& ProfileItems();

// From the found values, the last model and the profile names.
NameTypeSetup ComputeNameTypeSetup(bool foundAltarim, bool foundQuadrovan, bool foundRix,
                                   const std::string& lastVamok,
                                   const std::array<std::string, 10>& profileNames);
// The same from App().
NameTypeSetup CurrentNameTypeSetup();

// Leaving a list: the text when it is one of the items, else the fallback
// ("Standard" for the profile, "VAM " for the type) and `replaced` is set.
std::string CheckedChoice(const std::string& text, const std::vector<std::string>& items,
                          const std::string& fallback, bool& replaced);

inline constexpr const char* kProfileFallback = "Standard";
inline constexpr const char* kTypeFallback = "VAM ";

} // namespace vamok
