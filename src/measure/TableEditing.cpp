#include "measure/TableEditing.h"

#include "core/AppState.h"
#include "core/TextHelpers.h"
#include "measure/PmvAirVelocity.h"
#include "types/FixedText.h"

#include <algorithm>

namespace vamok {

bool IsEditableKind(ColumnKind kind, bool allEditable)
{
    if (kind == ColumnKind::GT)
        return true;
    return allEditable &&
           (kind == ColumnKind::Temp || kind == ColumnKind::Feu || kind == ColumnKind::Wind);
}

std::string CommittedCellText(ColumnKind kind, const std::string& typed, char sep)
{
    const int decimals = kind == ColumnKind::Wind ? 2 : 1;
    const std::string trimmed = [&] {
        const auto first = typed.find_first_not_of(' ');
        if (first == std::string::npos)
            return std::string();
        return typed.substr(first, typed.find_last_not_of(' ') - first + 1);
    }();
    if (trimmed.empty())
        return {};
    if (IsMissingValueText(trimmed))
        return formatFixed(NoValue, decimals, sep);
    return FixedText(TextToFloat(trimmed), decimals, sep);
}

bool CommitEditedCell(MeasurementTable& table, int row, ColumnKind kind, const std::string& typed,
                      const PmvSettings& pmv)
{
    const auto field = InfoOf(kind).field;
    if (!MeasurementTable::IsRowNumber(row) || !field)
        return false;
    std::string& text = table.row(row).texts[*field];
    std::string committed = CommittedCellText(kind, typed, App().DecimalSep);
    if (committed == text)
        return false;
    text = std::move(committed);
    App().MeasurementsModified = true;
    RecomputeAllPmvTexts(table, pmv);
    return true;
}

int ProfileIndexOf(const std::string& profileText)
{
    const std::optional<int> n = ParseInt32(profileText);
    return n && *n >= 0 && *n <= 9 ? *n : 0;
}

void ApplyNameTypeEntry(MeasurementTable& table, int row, const NameTypeEntry& entry,
                        std::vector<std::string>& usedTypes, const PmvSettings& pmv)
{
    if (!MeasurementTable::IsRowNumber(row))
        return;
    RowTexts& t = table.row(row).texts;
    App().MeasurementsModified = true;
    t.Name = entry.name;
    t.Type = entry.type;
    t.Profile = std::to_string(entry.profileIndex);
    RecomputeAllPmvTexts(table, pmv);
    if (entry.type.find("NONE") != std::string::npos)
        return;
    const bool known = std::any_of(usedTypes.begin(), usedTypes.end(), [&](const std::string& used) {
        return used.find(entry.type) != std::string::npos;
    });
    if (!known)
        usedTypes.push_back(entry.type);
}

std::optional<int> NameTypeRow(bool globeEditingShown, int lastSelectedRow, int selectionTop)
{
    const int row = globeEditingShown ? lastSelectedRow : selectionTop;
    if (!MeasurementTable::IsRowNumber(row))
        return std::nullopt;
    return row;
}

} // namespace vamok
