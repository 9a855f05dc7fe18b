#include "measure/NameTypeSetup.h"

#include "core/AppState.h"

#include <algorithm>

namespace vamok {

const std::array<std::string, 10>& ProfileItems()
{
    static const std::array<std::string, 10> items{
        "0  (All)", "1  (Standard) ", "2  USER1", "3  USER2", "4  USER3",
        "5  USER4", "6  USER5",       "7  USER6", "8  USER7", "9  USER8"};
    return items;
}

NameTypeSetup ComputeNameTypeSetup(bool foundAltarim, bool foundQuadrovan, bool foundRix,
                                   const std::string& lastVamok,
                                   const std::array<std::string, 10>& profileNames)
{
    NameTypeSetup s;
    if ((foundAltarim || foundQuadrovan) && !foundRix) {
        s.MaxNameLength = 8;
        s.ProfileEnabled = false;
        s.WarningsVisible = false;
    } else {
        s.WarningsVisible = lastVamok == "VamokAltarim" || lastVamok == "VamokQuadrovan";
    }
    for (std::size_t k = 2; k < ProfileItems().size(); ++k)
        s.ProfileHint += ProfileItems()[k] + " <-> " + profileNames[k] + "\r\n";
    return s;
}

NameTypeSetup CurrentNameTypeSetup()
{
    const AppState& a = App();
    return ComputeNameTypeSetup(a.FoundAltarim, a.FoundQuadrovan, a.FoundRix, a.LastVamok, a.ProfileNames);
}

std::string CheckedChoice(const std::string& text, const std::vector<std::string>& items,
                          const std::string& fallback, bool& replaced)
{
    replaced = std::find(items.begin(), items.end(), text) == items.end();
    return replaced ? fallback : text;
}

} // namespace vamok
