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

} // namespace vamok
