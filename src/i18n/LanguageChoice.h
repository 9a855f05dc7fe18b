#pragma once
// Choosing the language: the languages listed in "Lang.ini" (section
// [Auswahl], display name = language code), the code of a choice, and
// storing it for the next start. Texts are CP1252 bytes.
#include "core/MainMessages.h"

#include <array>
#include <string>
#include <vector>

namespace vamok {

// The language window's messages in the order of its "Lang" list.
inline constexpr std::array<const char*, 11> kLanguageChoiceMessages{
    "MasterDatei erstellen",
    "Die neue Sprache wird erst",
    "nach Neustart des Programms \xFC" "bernommen!",
    "Soll das Programm nun beendet werden?",
    "Achtung",
    "Das Sprachverzeichnis \"\\Lang\" wurde nicht gefunden!",
    "Wollen Sie selbst danach suchen?",
    "Fehler",
    "Verzeichnis existiert nicht!",
    "fehlt",
    "Keine \xC4nderung der Sprache m\xF6glich!",
};

enum LanguageChoiceMessage : int {
    MsgCreateMasterFile = 0,
    MsgRestart1 = 1,
    MsgRestart2 = 2,
    MsgQuitNow = 3,
    MsgChoiceAttention = 4,
    MsgNoLanguageFolder = 5,
    MsgChoiceError = 7,
    MsgListMissing = 9,
    MsgNoLanguageChange = 10,
};

inline constexpr const char* kLanguageListSection = "Auswahl";
// The item that stands for the German interface; it is no key of the list
// and so yields an empty code.
inline constexpr const char* kOriginalLanguageItem = "ORGINAL(DEUTSCH)";

// What the language box is filled with.
struct LanguageBox {
    std::vector<std::string> items;
    std::string text;    // what the box shows
    std::string code;    // the current language code, shown beside it
    std::string problem; // the message when "Lang.ini" is missing, else empty
};

// The list for the current language code. Each argument "SPRACHINIT" adds
// the master-file item, which the box shows when the current code is empty.
LanguageBox FillLanguageBox(const std::string& currentCode, const std::vector<std::string>& args,
                            const MessageText& message);

// The code of what the box shows: "Orginal(Deutsch)" when exactly that is
// typed, the listed code of a display name, otherwise empty.
std::string CodeOfChoice(const std::string& boxText);

// Stores the code for the next start: empty when the box shows the
// master-file item, otherwise the selected code.
void StoreLanguageChoice(const std::string& boxText, const std::string& selectedCode, const MessageText& message);

std::string RestartQuestion(const MessageText& message);

} // namespace vamok
