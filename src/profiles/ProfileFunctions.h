#pragma once
// The 64 measurement functions of an instrument profile: bit k of the
// profile mask is check box k + 1 of the profile window. Box names are also
// the keys of the profile file.
#include <cstdint>
#include <string>
#include <vector>

namespace vamok {

inline constexpr int kProfileBitCount = 64;
// Bits 0..36 are named functions; 37..63 are spare boxes made at run time.
inline constexpr int kNamedProfileBits = 37;

enum class ProfileBoxKind {
    Plain,   // always shown
    Detail,  // shown in developer mode only
    Hidden,  // never shown
};

struct ProfileBox {
    int bit = 0;
    std::string name;    // "ShowTemp", ..., "ShowBox38".."ShowBox64"
    std::string caption; // CP1252; empty for the spare boxes
    ProfileBoxKind kind = ProfileBoxKind::Hidden;
    // Always disabled, whatever the window's state (wind temperatures,
    // noise and luminance details).
    bool alwaysDisabled = false;
    // Bits that take this box's state when the user changes it.
    std::vector<int> drives;
};

// All 64 boxes in bit order.
const std::vector<ProfileBox>& ProfileBoxes();
const ProfileBox& ProfileBoxOf(int bit);

// The mask of a window right after start: bits 0..36 set.
inline constexpr std::uint64_t kDefaultProfileMask = (std::uint64_t{1} << kNamedProfileBits) - 1;

bool MaskBit(std::uint64_t mask, int bit);
std::uint64_t WithBit(std::uint64_t mask, int bit, bool on);

// The user set `bit` to `on`: the bit and every bit it drives take the state.
std::uint64_t ChangeDrivingBit(std::uint64_t mask, int bit, bool on);

} // namespace vamok
