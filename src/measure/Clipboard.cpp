#include "measure/Clipboard.h"

#include "comfort/Pmv.h"

#include <algorithm>
#include <array>
#include <vector>

namespace vamok {
namespace {

enum class CopyForm {
    Single,   // value + tab
    Pair,     // value + tab + rating word + tab
    Unrated,  // value + tab + tab
};

struct CopyField {
    Field field;
    CopyForm form;
    int quantity;
    std::vector<Field> extras; // sub-values added in extended mode
    bool ppdExtra;             // extended mode adds the PPD of the PMV
};

using F = Field;

const std::vector<CopyField>& CopyFields()
{
    static const std::vector<CopyField> fields{
        {F::Name, CopyForm::Single, 0, {}, false},
        {F::Type, CopyForm::Single, 0, {}, false},
        {F::Profile, CopyForm::Single, 0, {}, false},
        {F::Temp, CopyForm::Pair, 1, {}, false},
        {F::Feu, CopyForm::Pair, 2, {}, false},
        {F::Lae, CopyForm::Pair, 3, {}, false},
        {F::LaeM, CopyForm::Pair, 4, {}, false},
        {F::Bel, CopyForm::Pair, 5, {}, false},
        {F::Fre, CopyForm::Pair, 6, {}, false},
        {F::Hell, CopyForm::Pair, 7, {}, false},
        {F::SWK, CopyForm::Pair, 8, {F::LdS, F::LdW}, false},
        {F::MUK, CopyForm::Pair, 9, {F::LdMon, F::LdUmg}, false},
        {F::Wind, CopyForm::Pair, 10, {F::WindT, F::Tu}, false},
        {F::WindI, CopyForm::Pair, 10, {F::WindTI, F::TuI}, false},
        {F::WindII, CopyForm::Pair, 10, {F::WindTII, F::TuII}, false},
        {F::WindIII, CopyForm::Pair, 10, {F::WindTIII, F::TuIII}, false},
        {F::CO2, CopyForm::Pair, 11, {}, false},
        {F::VOC, CopyForm::Pair, 12, {}, false},
        {F::CO, CopyForm::Pair, 13, {}, false},
        {F::GT, CopyForm::Unrated, 0, {}, false},
        {F::PMV1, CopyForm::Pair, 17, {}, true},
        {F::PMV2, CopyForm::Pair, 17, {}, true},
        {F::PMV3, CopyForm::Pair, 17, {}, true},
        {F::LaeUser, CopyForm::Pair, 3, {F::LaeDauer}, false},
        {F::MessZeit, CopyForm::Single, 0, {}, false},
        {F::CPeak, CopyForm::Unrated, 0, {}, false},
        {F::CPeakUser, CopyForm::Unrated, 0, {}, false},
        {F::PM1u0, CopyForm::Pair, 14, {}, false},
        {F::PM2u5, CopyForm::Pair, 15, {}, false},
        {F::PM10u, CopyForm::Pair, 16, {}, false},
        {F::TIR, CopyForm::Unrated, 0, {}, false},
    };
    return fields;
}

constexpr char kTab = '\t';

void AppendExtra(std::string& line, const std::string& text)
{
    if (!text.empty()) {
        line += text;
        line += kTab;
    }
}

void AppendField(std::string& line, const CopyField& f, const RowTexts* row, const CopyOptions& options,
                 const DataFileTexts& texts, const RateFunction& rate)
{
    const std::string& value = row ? (*row)[f.field] : texts.headers[static_cast<std::size_t>(f.field)];
    line += value;
    line += kTab;
    if (f.form == CopyForm::Pair && row && rate)
        line += texts.ratingWord(rate(row->Type, f.quantity, value));
    if (f.form != CopyForm::Single)
        line += kTab;
    if (!options.extended)
        return;
    for (Field extra : f.extras)
        AppendExtra(line, row ? (*row)[extra] : texts.headers[static_cast<std::size_t>(extra)]);
    if (f.ppdExtra)
        AppendExtra(line, row ? PPDText(value) : value + "(PPD)");
}

} // namespace

std::string CopyLine(const MeasurementTable& table, int workplace, const ColumnMap& map,
                     const CopyOptions& options, const DataFileTexts& texts,
                     const RateFunction& rate)
{
    const RowTexts* row = MeasurementTable::IsRowNumber(workplace) ? &table.row(workplace).texts : nullptr;
    std::string line;
    if (options.onlyShownColumns) {
        // Fields in grid column order; hidden kinds are left out.
        for (int column = 0; column <= kColumnKindCount; ++column)
            for (const CopyField& f : CopyFields())
                if (map[static_cast<std::size_t>(*KindOfField(f.field))] == column)
                    AppendField(line, f, row, options, texts, rate);
    } else {
        for (const CopyField& f : CopyFields())
            AppendField(line, f, row, options, texts, rate);
    }
    line += kTab;
    return line;
}

std::string CopyText(const MeasurementTable& table, int firstRow, int lastRow, const ColumnMap& map,
                     const CopyOptions& options, const DataFileTexts& texts,
                     const RateFunction& rate)
{
    std::string text = CopyLine(table, 0, map, options, texts, rate);
    for (int n = std::max(firstRow, 1); n <= std::min(lastRow, kRowCount); ++n) {
        text += "\r\n";
        text += CopyLine(table, n, map, options, texts, rate);
    }
    text += "\r\n";
    text.erase(std::remove(text.begin(), text.end(), '\0'), text.end());
    return text;
}

} // namespace vamok
