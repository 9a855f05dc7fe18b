#pragma once
// Whether the attached instrument keeps profiles: the altarim and the
// Quadrovan gateway have none.
#include <string>

namespace vamok {

// From the settings' device history ("Found_Altarim", "Found_Quadrovan",
// "Found_Rix") and the last connected model ("LastVamok").
bool ProfileCapable(bool foundAltarim, bool foundQuadrovan, bool foundRix, const std::string& lastVamok);
// The same from App().
bool CurrentlyProfileCapable();

} // namespace vamok
