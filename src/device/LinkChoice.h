#pragma once
// The settings window's two radio choices (model family; plain instrument
// or Quadrovan gateway under the altarim) and the link flags they set.
#include "core/AppState.h"

namespace vamok {

struct LinkRadios {
    bool Rix = true;
    bool Ventiq = false;
    bool Altarim = false;
    bool PlainVamok = true; // under the altarim: the instrument itself
    bool Globe = false;     // under the altarim: the Quadrovan gateway
};

enum class LinkRadio { Rix, Ventiq, Altarim, PlainVamok, Globe };

// Which controls the choice enables.
struct LinkEnabling {
    bool SerialControls = false; // port list, searches, check, the two sub-radios
    bool ShowDevices = false;    // "Angeschlossene Ger\xE4te"
};

// The radios as the current flags show them.
LinkRadios RadiosFromFlags(const AppState& app);
// Entering a radio button: the radios afterwards, and the flags set in app.
LinkRadios EnterRadio(const LinkRadios& current, LinkRadio entered, AppState& app);
// "Ok": the flags from the radios.
void FlagsFromRadios(const LinkRadios& radios, AppState& app);
LinkEnabling EnablingFor(const LinkRadios& radios);

} // namespace vamok
