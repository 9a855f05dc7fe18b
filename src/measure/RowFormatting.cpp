#include "measure/RowFormatting.h"

#include "core/AppState.h"

#include <array>

namespace vamok {

namespace {

// The add-on fields after GT and the PMV texts.
constexpr std::array<Field, 8> kAddOnNumbers{
    Field::CO2, Field::VOC, Field::CO, Field::PM1u0, Field::PM2u5, Field::PM10u, Field::TIR,
    Field::Emiss,
};

constexpr std::array<Field, 12> kAirVelocityNumbers{
    Field::Wind, Field::WindT, Field::WindI, Field::WindTI, Field::WindII, Field::WindTII,
    Field::WindIII, Field::WindTIII, Field::Tu, Field::TuI, Field::TuII, Field::TuIII,
};

void FormatNumber(WorkplaceRow& row, Field f, char sep)
{
    row.texts[f] = formatFixed(*row.raw.number(f), InfoOf(f).decimals, sep);
}

void FormatFull(WorkplaceRow& row, char sep)
{
    for (const FieldInfo& info : AllFields()) {
        if (info.isText)
            row.texts[info.field] = *row.raw.text(info.field);
        else if (!info.isComputed)
            FormatNumber(row, info.field, sep);
    }
    const RawRow& r = row.raw;
    row.texts.SWK = RatioText(r.SWK, r.LdS, r.LdW, sep);
    row.texts.MUK = RatioText(r.MUK, r.LdMon, r.LdUmg, sep);
}

} // namespace

std::string RatioText(std::int32_t ratio, std::int32_t first, std::int32_t second, char decimalSep)
{
    const std::string value = formatFixed(ratio, 1, decimalSep);
    return first > second ? value + " / 1" : "1 / " + value;
}

void FormatRowTexts(WorkplaceRow& row, FormatScope scope, const PmvSettings& pmv)
{
    const char sep = App().DecimalSep;
    switch (scope) {
    case FormatScope::Full:
        FormatFull(row, sep);
        UpdateRowPmvTexts(row.texts, pmv);
        break;
    case FormatScope::AddOn:
        FormatNumber(row, Field::GT, sep);
        UpdateRowPmvTexts(row.texts, pmv);
        for (Field f : kAddOnNumbers)
            FormatNumber(row, f, sep);
        break;
    case FormatScope::AirVelocityRecord:
        row.texts.Name = row.raw.Name;
        row.texts.Type = row.raw.Type;
        row.texts.Profile = row.raw.Profile;
        [[fallthrough]];
    case FormatScope::AirVelocity:
        for (Field f : kAirVelocityNumbers)
            FormatNumber(row, f, sep);
        row.texts.MessZeit = row.raw.MessZeit;
        break;
    }
}

} // namespace vamok
