#pragma once
// What the main window reads at start, before any other window exists:
// folders, device history, working folder, profile names, link selection
// and the command-line modes.
#include <string>
#include <vector>

namespace vamok {

struct StartupResult {
    // A folder could not be created (one warning at start; the run goes on).
    bool folderFailure = false;
};

StartupResult LoadStartupSettings(const std::vector<std::string>& args);

// Profile names are held and stored with at most this many characters.
inline constexpr std::size_t kProfileNameLength = 17;

// Writes "R_ProfileName0".."R_ProfileName9" from App().ProfileNames, the
// first two always as "All" and "Standard".
void WriteProfileNames();

} // namespace vamok
