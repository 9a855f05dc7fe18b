#include "profiles/ProfileAvailability.h"

#include "core/AppState.h"

namespace vamok {

bool ProfileCapable(bool foundAltarim, bool foundQuadrovan, bool foundRix, const std::string& lastVamok)
{
    if ((foundAltarim || foundQuadrovan) && !foundRix)
        return false;
    return lastVamok != "VamokAltarim" && lastVamok != "VamokQuadrovan";
}

bool CurrentlyProfileCapable()
{
    const AppState& a = App();
    return ProfileCapable(a.FoundAltarim, a.FoundQuadrovan, a.FoundRix, a.LastVamok);
}

} // namespace vamok
