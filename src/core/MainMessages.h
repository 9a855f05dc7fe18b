#pragma once
// The main window's message texts in their German originals, in the order
// of its "lang" list (other windows fetch some of them by index; the order
// is part of the language files' keys lang.Items[n]).
#include <array>
#include <functional>
#include <string>

namespace vamok {

inline constexpr std::array<const char*, 23> kMainMessages{
    "Schnittstelle: COM",
    "Bitte erkundigen Sie sich nach einem Update f\xFCr Ihr VAMOK-Ger\xE4t.",
    "Bitte erkundigen Sie sich nach einem Software-Update f\xFCr Ihr VAMOK-Ger\xE4t.",
    "Nicht gespeicherte Daten gehen verloren.",
    "Programm trotzdem beenden?",
    "Warnung",
    "Known Vamoks:",
    "Datei enth\xE4lt keine Daten und kann nicht ge\xF6" "ffnet werden!",
    "FEHLER",
    "Achtung",
    "Verzeichnis",
    "nicht gefunden!",
    "Wollen Sie neues Verzeichnis erzeugen?",
    "Verzeichnis kann nicht erzeugt werden!",
    "Zum Verschieben bitte entsprechendes",
    "Kontrollk\xE4stchen unter",
    "markieren.",
    "Hinweis",
    "Uhr gestellt.",
    "Fehler beim Uhr-Stellen.",
    "Tastatursperre aufheben erfolgreich.",
    "Tastatursperre aufheben",
    "Fehler beim Aufheben der Tastatursperre.",
};

// Indices into the list, by what they say.
enum MainMessage : int {
    MsgInterfaceCom = 0,
    MsgUnsavedLost = 3,
    MsgQuitAnyway = 4,
    MsgWarning = 5,
    MsgKnownVamoks = 6,
    MsgFileEmpty = 7,
    MsgError = 8,
    MsgAttention = 9,
    MsgFolder = 10,
    MsgNotFound = 11,
    MsgCreateFolder = 12,
    MsgCannotCreate = 13,
    MsgMoveCheckBox1 = 14,
    MsgMoveCheckBox2 = 15,
    MsgMoveCheckBox3 = 16,
    MsgNote = 17,
    MsgClockSet = 18,
    MsgClockFailed = 19,
    MsgUnlockDone = 20,
    MsgUnlock = 21,
    MsgUnlockFailed = 22,
    // Followed by the texts of a port or bridge the user may not open
    // (device/AccessMessages.h), in their order.
    MsgAccessTexts = 23,
};

// The current (possibly translated) text of message n.
using MessageText = std::function<std::string(int index)>;

// The German original of message n; empty for an index out of range.
std::string OriginalMainMessage(int index);

} // namespace vamok
