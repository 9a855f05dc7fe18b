#pragma once
// What the profile window "Profile" keeps between clicks and the texts it
// asks with: the mask and name being edited, the modified mark, the
// selected profile and the one before it.
#include "profiles/DeviceProfile.h"
#include "profiles/ProfileFile.h"
#include "profiles/ProfileFunctions.h"

#include <array>
#include <string>

namespace vamok {

// The window's message list "Lang", in its order (the language files
// address the items by index).
enum ProfileText : int {
    PtError = 0,          // "FEHLER"
    PtAttention,          // "ACHTUNG"
    PtWarning,            // "WARNUNG"
    PtNote,               // "Meldung"
    PtTransferFailed,     // "Fehler in der Übertragung!"
    PtTransferDone,       // "Übertragung erfolgreich."
    PtModified,           // "Profildaten wurden verändert"
    PtLostOnRead,         // "Diese Änderungen gehen beim Auslesen verloren."
    PtWriteFirst,         // "Zum Übernehmen der Änderungen, bitte erst Daten schreiben."
    PtContinue,           // "Wollen Sie fortfahren?"
    PtOverwrite1,         // "Die vorhandenen Profildaten in VAMOK rix"
    PtOverwrite2,         // "werden mit dieser Funktion überschrieben!"
    PtFileTitle,          // "VAMOK-Profildaten"
    PtLostOnClose,        // "Diese Änderungen gehen beim Schliessen verloren."
    PtFileUnreadable,     // "Die Datei kann nicht gelesen werden:"
    PtFileDamaged,        // "Die Profildatei ist unvollständig:"
    PtMissingKey,         // "im Abschnitt %s fehlt der Eintrag %s."
    PtNothingWritten,     // "Es wurde nichts zum VAMOK übertragen."
    PtFileNotWritten,     // "Die Datei kann nicht geschrieben werden:"
    PtTextCount
};
using ProfileTexts = std::array<std::string, PtTextCount>;
const ProfileTexts& OriginalProfileTexts();

// The question before a read or a selection discards changes (closing:
// before the window closes), lines joined with CR LF.
std::string DiscardChangesQuestion(const ProfileTexts& t, bool closing);
// The question before "Import zu VAMOK".
std::string OverwriteQuestion(const ProfileTexts& t);
// Why an import did not start.
std::string ProfileFileProblemText(const ProfileTexts& t, const std::string& path, const ProfileFileProblem& p);

// "Profiles_" + yyyymmdd + ".VPD".
std::string ProposedProfileFileName(int year, int month, int day);

class ProfileEditor {
public:
    std::uint64_t mask() const { return mask_; }
    const std::string& name() const { return name_; }
    bool modified() const { return modified_; }
    // The selected profile (1..9), 0 while none.
    int selected() const { return selected_; }

    // The user ticked or cleared a box: it and the boxes it drives follow.
    void ChangeBox(int bit, bool on);
    void SelectAll();
    void SelectNone();
    void EditName(const std::string& name);

    // A profile came from the instrument: shown unmodified.
    void Show(const DeviceProfile& profile);
    // The profile to write from the window; profile 1 is "Standard".
    DeviceProfile Current() const;

    // A radio button was clicked: remembered as the selection.
    void Select(int n);
    void ClearModified() { modified_ = false; }

private:
    std::uint64_t mask_ = kDefaultProfileMask;
    std::string name_;
    bool modified_ = false;
    int selected_ = 0;
};

} // namespace vamok
