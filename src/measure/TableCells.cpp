#include "measure/TableCells.h"

#include "core/AppState.h"
#include "measure/RowPmv.h"
#include "types/TypeLibrary.h"

namespace vamok {

namespace {

bool IsPmvKind(ColumnKind kind)
{
    return kind == ColumnKind::PMV1 || kind == ColumnKind::PMV2 || kind == ColumnKind::PMV3;
}

constexpr std::int32_t kNotANumber = -99999;

} // namespace

std::string CellText(const RowTexts& texts, ColumnKind kind, int n)
{
    if (kind == ColumnKind::No)
        return std::to_string(n);
    const auto field = InfoOf(kind).field;
    if (!field)
        return {};
    const std::string& text = texts[*field];
    if (IsPmvKind(kind) && (texts.Temp.empty() || texts.Feu.empty() || IsNoPmvText(text)))
        return {};
    return text;
}

Rating CellRating(const WorkplaceRow& row, ColumnKind kind, const std::string& shownText,
                  bool useFileRatings)
{
    const ColumnKindInfo& info = InfoOf(kind);
    if (info.ratingQuantity == 0 || !info.field || shownText.empty())
        return kNotRated;
    const bool isValue = IsPmvKind(kind)
                             ? shownText != std::string("-") + App().DecimalSep + "--"
                             : ReadScaledInt(shownText, kNotANumber) != kNotANumber;
    if (!isValue)
        return kNotRated;
    if (useFileRatings) {
        const Rating stored = row.ratings[*info.field];
        return stored <= kRed ? stored : kNotRated;
    }
    return RateValue(PCTypeIndex(row.texts.Type), info.ratingQuantity, shownText);
}

} // namespace vamok
