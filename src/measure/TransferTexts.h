#pragma once
// The measurement table window's message and header texts: the items of its
// hidden, translatable list "Lang", addressed by index (the index order is
// part of the language files). Texts are CP1252 bytes.
#include "measure/MeasurementTable.h"

#include <array>
#include <initializer_list>
#include <string>
#include <vector>

namespace vamok {

inline constexpr int kTransferTextCount = 118;

// The untranslated German texts in list order.
const std::array<const char*, kTransferTextCount>& TransferLangTexts();

// Indices the window addresses by name.
namespace TransferText {
enum : int {
    Hint = 5,
    Error = 6,
    Warning = 7,
    UnsavedLost = 8,
    CloseAnyway = 9,
    NoAnswer = 10,
    DeleteMarked = 20,
    ContinueAnyway = 21,
    DefaultTitle = 22,
    FirstRatingWord = 24, // "ok", "tb", "aG"
    ClearAll1 = 39,
    ClearAll2 = 40,
    ClearAll3 = 41,
    ClearAll4 = 42,
    MemoSmall = 43,
    MemoLarge = 44,
    At = 46,
    ReadoutDate = 72,
    Number = 73,
    To = 75,
    CheckConnection1 = 82,
    CheckConnection2 = 83,
    GoOnWithTransfer = 84,
    NoiseDuration = 86,
    MeasuringTime = 88,
    Turbulence = 91,
    VentiqOverwrite1 = 96,
    VentiqOverwrite2 = 97,
    VentiqOverwrite3 = 98,
    VentiqOverwrite4 = 99,
    Attention = 100,
    MeanRadiantHeader = 101,
    GlobeHeader = 102,
    DewPoint = 109,
    // The ratings in words, for assistive technology; after them the
    // rating words 24 to 26 in brackets.
    RatedGreen = 115,
    RatedYellow = 116,
    RatedRed = 117,
};
} // namespace TransferText

// The texts of the list entries joined with CR LF; an index outside the list
// gives an empty line.
std::string JoinedTexts(const std::vector<std::string>& lang, std::initializer_list<int> indices);

// The header text of a column kind from the list: the kind's entry, for GT
// entry 101 ("Mitt - STemp") when meanRadiantHeader, else 102. Empty for
// the number column and for a list too short.
std::string KindHeader(const std::vector<std::string>& lang, ColumnKind kind, bool meanRadiantHeader);

} // namespace vamok
