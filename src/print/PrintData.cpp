#include "print/PrintData.h"

#include "core/SettingsStore.h"
#include "profiles/ColumnDefinition.h"

#include <algorithm>
#include <utility>

namespace vamok {

const std::array<const char*, kReportMessageCount>& ReportMessages()
{
    static const std::array<const char*, kReportMessageCount> kMessages{
        "Die Daten werden im Hintergrund gedruckt",
        "Dieser Vorgang kann einige Minuten dauern.",
        "Hinweis",
        "",
        "Fehler",
        "",
        "",
        "Nr",
        "Name",
        "Type",
        "Tempera tur",
        "rel. Feuchte",
        "L\xE4rmp. akt.",
        "L\xE4rmp./ Min",
        "Beleuchtg.",
        "Bild - Frequenz",
        "max. Bildhelligk.",
        "S/W-Kontr.",
        "M/U-Kontr.",
        "Luft - Geschw",
        "Luftg.I 0,1m/3min",
        "Luftg.II 0,6m/3min",
        "Luftg.III 1,1m/3min",
        "Zeichenerkl\xE4rung:  Ok = Messwert OK (gr\xFCn) | tb = im Toleranzbereich (gelb) | aG = au\xDF"
        "erhalb Grenze (rot)",
        "Zeichenerkl\xE4rung:       Messwert OK ;        im Toleranzbereich ;       au\xDF"
        "erhalb Grenze",
        "Seite:",
        "Datum:",
        "schw",
        "weiss",
        "Mon",
        "Umg",
        "bei",
        "von",
        "Titel",
        "VAMOK Arbeitsplatzdefinition \"",
        "Bereich",
        "rot->gelb",
        "gelb->gr\xFCn",
        "gr\xFCn->gelb",
        "gelb->rot",
        "Anzeige",
    };
    return kMessages;
}

std::vector<std::string> DefaultReportMessages()
{
    return {ReportMessages().begin(), ReportMessages().end()};
}

bool IsColorPrinter(int colorCount) { return colorCount >= 3; }

bool PrintInColor(bool alwaysColor, bool alwaysBlackWhite, bool colorPrinter)
{
    return alwaysColor || (!alwaysBlackWhite && colorPrinter);
}

bool IsPrintMode(int mode)
{
    return (mode >= 0 && mode <= 4) || mode == PrintMode::ShownColumns || mode == PrintMode::AllColumns;
}

ColumnDefinition LoadPrintDefinition(int mode)
{
    int definition = mode;
    if (definition == PrintMode::CurrentDefinition) {
        definition = Settings().integer(kCurrentDefinitionValue, 1);
        if (definition < 1 || definition > kColumnDefinitionCount)
            definition = 1;
    }
    return LoadColumnDefinition(definition).definition;
}

std::optional<ColumnKind> PrintColumns::kindAt(int c) const
{
    for (std::size_t k = 0; k < column.size(); ++k) {
        if (column[k] == c && c >= 0)
            return static_cast<ColumnKind>(k);
    }
    return std::nullopt;
}

namespace {

constexpr std::size_t kProfile = static_cast<std::size_t>(ColumnKind::Profile);

// Numbers the kinds 0, 1, ... in the order of their keys; a negative key
// leaves the kind unprinted.
PrintColumns NumberInOrder(const std::array<int, kColumnKindCount>& key)
{
    std::vector<std::pair<int, std::size_t>> order;
    for (std::size_t k = 0; k < key.size(); ++k) {
        if (key[k] >= 0)
            order.emplace_back(key[k], k);
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    PrintColumns printed;
    printed.column.fill(-1);
    for (const auto& [unused, kind] : order)
        printed.column[kind] = printed.count++;
    return printed;
}

} // namespace

PrintColumns AssignPrintColumns(int mode, const ColumnMap& shownColumns, const ColumnDefinition& definition)
{
    std::array<int, kColumnKindCount> key{};
    if (mode == PrintMode::ShownColumns) {
        // The grid's order; numbering them afresh closes the gap the profile
        // column leaves (and any other gap a damaged map might have).
        key = shownColumns;
    } else if (mode == PrintMode::AllColumns) {
        for (std::size_t k = 0; k < key.size(); ++k)
            key[k] = static_cast<int>(k) + 1;
    } else {
        for (std::size_t k = 0; k < key.size(); ++k)
            key[k] = definition.shown[k] ? definition.position[k] : -1;
        key[static_cast<std::size_t>(ColumnKind::No)] = std::max(definition.position[0], 0);
    }
    key[kProfile] = -1;
    return NumberInOrder(key);
}

PageSplit SplitPages(int printColumnCount, int page1Limit, bool sameWidthOnPage2)
{
    PageSplit split;
    split.page1Columns = std::max(page1Limit, 1);
    const int count = std::max(printColumnCount, 0);
    if (count > split.page1Columns) {
        split.secondPage = true;
        split.page2Extra = count - split.page1Columns;
        split.slots1 = split.page1Columns;
        const int needed = split.page2Extra + 1;
        split.slots2 = sameWidthOnPage2 ? std::max(split.page1Columns, needed) : needed;
    } else {
        split.slots1 = count;
    }
    return split;
}

int PageSplit::page1Column(int slot) const
{
    return slot >= 0 && slot < slots1 ? slot : -1;
}

int PageSplit::page2Column(int slot) const
{
    if (slot == 0 && slots2 > 0)
        return 0;
    if (slot >= 1 && slot <= page2Extra && slot < slots2)
        return slots1 + slot - 1;
    return -1;
}

} // namespace vamok
