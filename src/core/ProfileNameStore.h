#pragma once
// The program's table of profile names (App().ProfileNames) as kept in the
// settings store: "R_ProfileName0" to "R_ProfileName9".
#include <cstddef>
#include <string>

namespace vamok {

// Profile names are held and stored with at most this many characters.
inline constexpr std::size_t kProfileNameLength = 17;

// "R_ProfileName" + n.
std::string ProfileValueName(std::size_t n);

// Writes "R_ProfileName0".."R_ProfileName9" from App().ProfileNames, the
// first two always as "All" and "Standard".
void WriteProfileNames();

} // namespace vamok
