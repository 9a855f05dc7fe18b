#pragma once
// Changes the user makes in the measurement table grid: values typed into
// the globe temperature cell (and, with "AlleEditieren", into Temp, Feu and
// Wind), and name, type and profile from the name and type dialog.
#include "measure/MeasurementTable.h"
#include "measure/RowPmv.h"

#include <optional>
#include <string>
#include <vector>

namespace vamok {

// The kinds the in-place editor may change: GT, with allEditable also Temp,
// Feu and Wind.
bool IsEditableKind(ColumnKind kind, bool allEditable);

// The text an edited cell of an editable kind stores: a number in either
// notation as "%.1f" ("%.2f" for Wind) with the separator; an empty cell
// stays empty and a "--,-" style marker stays the kind's marker (neither is
// a reading of 0); any other text counts as 0.
std::string CommittedCellText(ColumnKind kind, const std::string& typed, char decimalSep);

// Stores an edited cell of workplace row `row`, only when the text really
// changes: MeasurementsModified is set and the PMV texts of every row are
// recomputed. Returns whether the row changed.
bool CommitEditedCell(MeasurementTable& table, int row, ColumnKind kind, const std::string& typed,
                      const PmvSettings& pmv);

// The profile list's entry for a row's Profile text (0 when it is no number
// 0..9).
int ProfileIndexOf(const std::string& profileText);

struct NameTypeEntry {
    std::string name;
    std::string type;
    int profileIndex = 0;
};

// The name and type dialog was confirmed for workplace row `row`: the texts
// are stored, MeasurementsModified is set, the PMV texts follow the type, and
// a type in use for the first time (not "NONE", in no entry of usedTypes) is
// appended to usedTypes.
void ApplyNameTypeEntry(MeasurementTable& table, int row, const NameTypeEntry& entry,
                        std::vector<std::string>& usedTypes, const PmvSettings& pmv);

// The row the name and type dialog edits: while globe editing is on and GT
// is shown, the last selected row, else the top row of the selection.
// Nothing when that is no workplace row.
std::optional<int> NameTypeRow(bool globeEditingShown, int lastSelectedRow, int selectionTop);

} // namespace vamok
