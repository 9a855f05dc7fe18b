#pragma once
// The four user column definitions of the measurement table: how they are
// kept in the settings store, edited (show, move, defaults) and copied to and
// from a ".VBD" file. Column index 1..32 is the table's column kind + 1.
#include "core/IniFile.h"
#include "measure/ColumnView.h"

#include <array>
#include <optional>
#include <string>

namespace vamok {

inline constexpr int kColumnDefinitionCount = 4;
inline constexpr int kDefinitionColumnCount = 32;

// "Show" + the column's key ("ShowTemp") and "Move" + the key ("MoveTemp").
std::string ShowBoxName(int index);
std::string MoveBoxName(int index);

// Settings value names for definition 1..4 and column 1..32:
// "ShowCol_BD1_05" and "ShowCol_BD1_Tag05".
std::string ShownValueName(int definition, int index);
std::string PositionValueName(int definition, int index);
inline constexpr const char* kCurrentDefinitionValue = "BenDef";

// The state of the "Defaults" button: natural order, all shown except
// frequency, current air velocity, globe temperature, summer and winter PMV.
ColumnDefinition DefaultColumnDefinition();

struct LoadedDefinition {
    ColumnDefinition definition;
    // The positions read were no permutation of 1..32, so the natural order
    // is used instead.
    bool positionsRejected = false;
};

// Definition 1..4 from the settings store (absent values: shown, natural
// position). The number column is always shown.
LoadedDefinition LoadColumnDefinition(int definition);
// Writes definition 1..4 and records it as the current one ("BenDef").
void StoreColumnDefinition(int definition, const ColumnDefinition& columns);

// A user view of the table was chosen: the definition is read and stored
// back, which also records it as the current one ("BenDef").
ColumnDefinition TakeUpColumnDefinition(int definition);

// The definition selected when the window opens: "BenDef" when that
// definition's button is visible (3 and 4 only in developer mode), else 1.
int InitialDefinitionNumber(bool developerMode);

// "Alle auswählen" and "Alle entfernen" (which keeps "Nr", "Typ", "Profil").
void ShowAllColumns(ColumnDefinition& columns);
void HideAllColumns(ColumnDefinition& columns);

// Move boxes ticked, by column kind.
using MoveMarks = std::array<bool, kColumnKindCount>;
// "MoveUp"/"MoveDown": every ticked column moves one place; positions 1 and
// 2 never move up, position 32 never moves down.
void MoveColumnsUp(ColumnDefinition& columns, const MoveMarks& ticked);
void MoveColumnsDown(ColumnDefinition& columns, const MoveMarks& ticked);

// The ".VBD" file: section "UserDefNo", keys show box name + "_SHOW" and
// + "_SORT".
inline constexpr const char* kDefinitionFileSection = "UserDefNo";

struct DefinitionFileResult {
    std::optional<ColumnDefinition> definition; // on success
    bool positionsRejected = false;             // read, but natural order used
    std::string message;                        // for the user; empty when all went well
};

// Writes the stored settings of definition 1..4 into the file.
DefinitionFileResult ExportColumnDefinition(int definition, const std::string& path);
// Reads a definition from the file (nothing is stored).
DefinitionFileResult ImportColumnDefinition(const std::string& path);
// The same from a file already read; `path` names it in messages.
DefinitionFileResult ColumnDefinitionFromFile(const IniFile& file, const std::string& path);

} // namespace vamok
