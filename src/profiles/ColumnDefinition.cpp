#include "profiles/ColumnDefinition.h"

#include "core/Folders.h"
#include "core/IniFile.h"
#include "core/SettingsStore.h"
#include "core/TextHelpers.h"

#include <cstdio>
#include <utility>

namespace vamok {
namespace {

std::size_t Slot(int index) { return static_cast<std::size_t>(index - 1); }

std::string TwoDigits(int index)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02d", index);
    return text;
}

std::string Key(int index) { return InfoOf(static_cast<ColumnKind>(index - 1)).key; }

// Columns whose show box the user cannot clear.
bool AlwaysKept(int index)
{
    const auto kind = static_cast<ColumnKind>(index - 1);
    return kind == ColumnKind::No || kind == ColumnKind::Type || kind == ColumnKind::Profile;
}

// Natural positions when the read ones are no permutation.
bool EnsurePermutation(ColumnDefinition& columns)
{
    if (columns.positionsArePermutation())
        return false;
    for (int i = 1; i <= kDefinitionColumnCount; ++i)
        columns.position[Slot(i)] = i;
    return true;
}

int ColumnAt(const ColumnDefinition& columns, int position)
{
    for (int i = 1; i <= kDefinitionColumnCount; ++i)
        if (columns.position[Slot(i)] == position)
            return i;
    return 0;
}

void SwapPositions(ColumnDefinition& columns, int a, int b)
{
    std::swap(columns.position[Slot(a)], columns.position[Slot(b)]);
}

std::string ShowKey(int index) { return ShowBoxName(index) + "_SHOW"; }
std::string SortKey(int index) { return ShowBoxName(index) + "_SORT"; }

std::string RejectedMessage(const std::string& path)
{
    return "Die Spaltenpositionen in " + path +
           " sind ung\xFCltig.\r\nEs gilt die Standard-Reihenfolge der Spalten.";
}

} // namespace

std::string ShowBoxName(int index) { return "Show" + Key(index); }
std::string MoveBoxName(int index) { return "Move" + Key(index); }

std::string ShownValueName(int definition, int index)
{
    return "ShowCol_BD" + std::to_string(definition) + "_" + TwoDigits(index);
}

std::string PositionValueName(int definition, int index)
{
    return "ShowCol_BD" + std::to_string(definition) + "_Tag" + TwoDigits(index);
}

ColumnDefinition DefaultColumnDefinition()
{
    ColumnDefinition d = ColumnDefinition::AllInNaturalOrder();
    for (ColumnKind hidden : {ColumnKind::Fre, ColumnKind::Wind, ColumnKind::GT, ColumnKind::PMV1,
                              ColumnKind::PMV3})
        d.shown[static_cast<std::size_t>(hidden)] = false;
    return d;
}

LoadedDefinition LoadColumnDefinition(int definition)
{
    const SettingsStore& store = Settings();
    LoadedDefinition loaded{ColumnDefinition::AllInNaturalOrder(), false};
    ColumnDefinition& d = loaded.definition;
    for (int i = 1; i <= kDefinitionColumnCount; ++i) {
        const std::string shownName = ShownValueName(definition, i);
        if (store.exists("", shownName))
            d.shown[Slot(i)] = store.readInt("", shownName) == 1;
        const std::string positionName = PositionValueName(definition, i);
        if (store.exists("", positionName))
            d.position[Slot(i)] = store.readInt("", positionName).value_or(0);
    }
    d.shown[static_cast<std::size_t>(ColumnKind::No)] = true;
    loaded.positionsRejected = EnsurePermutation(d);
    return loaded;
}

void StoreColumnDefinition(int definition, const ColumnDefinition& columns)
{
    SettingsStore& store = Settings();
    store.writeInt("", kCurrentDefinitionValue, definition);
    for (int i = 1; i <= kDefinitionColumnCount; ++i) {
        const bool shown = columns.shown[Slot(i)] || static_cast<ColumnKind>(i - 1) == ColumnKind::No;
        store.writeInt("", ShownValueName(definition, i), shown ? 1 : 0);
        store.writeInt("", PositionValueName(definition, i), columns.position[Slot(i)]);
    }
}

ColumnDefinition TakeUpColumnDefinition(int definition)
{
    const ColumnDefinition columns = LoadColumnDefinition(definition).definition;
    StoreColumnDefinition(definition, columns);
    return columns;
}

int InitialDefinitionNumber(bool developerMode)
{
    const int stored = Settings().integer(kCurrentDefinitionValue, 1);
    const int visible = developerMode ? 4 : 2;
    return stored >= 1 && stored <= visible ? stored : 1;
}

void ShowAllColumns(ColumnDefinition& columns) { columns.shown.fill(true); }

void HideAllColumns(ColumnDefinition& columns)
{
    for (int i = 1; i <= kDefinitionColumnCount; ++i)
        columns.shown[Slot(i)] = AlwaysKept(i);
}

void MoveColumnsUp(ColumnDefinition& columns, const MoveMarks& ticked)
{
    for (int p = 3; p <= kDefinitionColumnCount; ++p) {
        const int column = ColumnAt(columns, p);
        const int above = ColumnAt(columns, p - 1);
        if (column != 0 && above != 0 && ticked[Slot(column)])
            SwapPositions(columns, column, above);
    }
}

void MoveColumnsDown(ColumnDefinition& columns, const MoveMarks& ticked)
{
    for (int p = kDefinitionColumnCount - 1; p >= 1; --p) {
        const int column = ColumnAt(columns, p);
        const int below = ColumnAt(columns, p + 1);
        if (column != 0 && below != 0 && ticked[Slot(column)])
            SwapPositions(columns, column, below);
    }
}

DefinitionFileResult ExportColumnDefinition(int definition, const std::string& path)
{
    const LoadedDefinition stored = LoadColumnDefinition(definition);
    IniFile file = IniFile::Load(path).value_or(IniFile{});
    for (int i = 1; i <= kDefinitionColumnCount; ++i) {
        file.setValue(kDefinitionFileSection, ShowKey(i), stored.definition.shown[Slot(i)] ? "1" : "0");
        file.setValue(kDefinitionFileSection, SortKey(i), std::to_string(stored.definition.position[Slot(i)]));
    }
    std::string error;
    if (!file.save(path, &error))
        return {std::nullopt, false, "Die Datei " + path + " konnte nicht geschrieben werden.\r\n" + error};
    AdoptUserPathFromFile(path);
    return {stored.definition, stored.positionsRejected, {}};
}

DefinitionFileResult ImportColumnDefinition(const std::string& path)
{
    std::string error;
    const std::optional<IniFile> file = IniFile::Load(path, &error);
    if (!file)
        return {std::nullopt, false, "Die Datei " + path + " konnte nicht gelesen werden.\r\n" + error};
    DefinitionFileResult result = ColumnDefinitionFromFile(*file, path);
    if (result.definition)
        AdoptUserPathFromFile(path);
    return result;
}

DefinitionFileResult ColumnDefinitionFromFile(const IniFile& file, const std::string& path)
{
    if (!file.hasSection(kDefinitionFileSection))
        return {std::nullopt, false,
                "Die Datei " + path + " enth\xE4lt keine Spalten-Definition (Abschnitt \"" +
                    kDefinitionFileSection + "\")."};
    ColumnDefinition d = ColumnDefinition::AllInNaturalOrder();
    for (int i = 1; i <= kDefinitionColumnCount; ++i) {
        if (const auto show = file.value(kDefinitionFileSection, ShowKey(i)))
            d.shown[Slot(i)] = ParseInt32(*show) == 1;
        if (const auto sort = file.value(kDefinitionFileSection, SortKey(i)))
            d.position[Slot(i)] = ParseInt32(*sort).value_or(0);
    }
    d.shown[static_cast<std::size_t>(ColumnKind::No)] = true;
    const bool rejected = EnsurePermutation(d);
    return {d, rejected, rejected ? RejectedMessage(path) : std::string()};
}

} // namespace vamok
