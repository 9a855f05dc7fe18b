#include "core/ProfileNameStore.h"

#include "core/AppState.h"
#include "core/SettingsStore.h"

#include <algorithm>

namespace vamok {

std::string ProfileValueName(std::size_t n)
{
    return "R_ProfileName" + std::to_string(n);
}

void WriteProfileNames()
{
    auto& names = App().ProfileNames;
    names[0] = "All";
    names[1] = "Standard";
    for (std::size_t n = 0; n < names.size(); ++n) {
        names[n].resize(std::min(names[n].size(), kProfileNameLength));
        Settings().writeText("", ProfileValueName(n), names[n]);
    }
}

} // namespace vamok
