#include "measure/MeasurementTable.h"

#include "core/AppState.h"

#include <stdexcept>

namespace vamok {

namespace {

constexpr std::size_t Index(Field f) { return static_cast<std::size_t>(f); }

constexpr FieldInfo Num(Field f, const char* name, int dec) { return {f, name, dec, false, false}; }
constexpr FieldInfo Txt(Field f, const char* name) { return {f, name, -1, true, false}; }
constexpr FieldInfo Pmv(Field f, const char* name) { return {f, name, 2, false, true}; }

constexpr std::array<FieldInfo, kFieldCount> kFields{{
    Txt(Field::Name, "Name"), Txt(Field::Type, "Type"), Txt(Field::Profile, "Profile"),
    Num(Field::Temp, "Temp", 1), Num(Field::Feu, "Feu", 1), Num(Field::Lae, "Lae", 1),
    Num(Field::LaeM, "LaeM", 1), Num(Field::Bel, "Bel", 0), Num(Field::Fre, "Fre", 1),
    Num(Field::Hell, "Hell", 1),
    Num(Field::SWK, "SWK", 1), Num(Field::LdS, "LdS", 1), Num(Field::LdW, "LdW", 1),
    Num(Field::MUK, "MUK", 1), Num(Field::LdMon, "LdMon", 1), Num(Field::LdUmg, "LdUmg", 1),
    Num(Field::Wind, "Wind", 2), Num(Field::WindT, "WindT", 1),
    Num(Field::WindI, "WindI", 2), Num(Field::WindTI, "WindTI", 1),
    Num(Field::WindII, "WindII", 2), Num(Field::WindTII, "WindTII", 1),
    Num(Field::WindIII, "WindIII", 2), Num(Field::WindTIII, "WindTIII", 1),
    Num(Field::GT, "GT", 1), Pmv(Field::PMV1, "PMV1"), Pmv(Field::PMV2, "PMV2"),
    Pmv(Field::PMV3, "PMV3"),
    Num(Field::CO2, "CO2", 0), Num(Field::VOC, "VOC", 0), Num(Field::CO, "CO", 0),
    Num(Field::LaeUser, "LaeUser", 1), Num(Field::LaeDauer, "LaeDauer", 0),
    Txt(Field::MessZeit, "MessZeit"), Num(Field::CPeak, "CPeak", 1),
    Num(Field::CPeakUser, "CPeakUser", 1),
    Num(Field::Tu, "Tu", 0), Num(Field::TuI, "TuI", 0), Num(Field::TuII, "TuII", 0),
    Num(Field::TuIII, "TuIII", 0),
    Num(Field::PM1u0, "PM1u0", 0), Num(Field::PM2u5, "PM2u5", 0), Num(Field::PM10u, "PM10u", 0),
    Num(Field::TIR, "TIR", 1), Num(Field::Emiss, "Emiss", 2),
}};

constexpr bool FieldTableInOrder()
{
    for (std::size_t i = 0; i < kFields.size(); ++i)
        if (Index(kFields[i].field) != i)
            return false;
    return true;
}
static_assert(FieldTableInOrder());

using K = ColumnKind;
using F = Field;
// Header, text-list entry, field, rating quantity, standard view, PMV view, width.
constexpr std::array<ColumnKindInfo, kColumnKindCount> kKinds{{
    {K::No, "No", "", -1, std::nullopt, 0, true, true, 20},
    {K::Name, "Name", "Name", 49, F::Name, 0, true, true, 136},
    {K::Type, "Type", "Typ", 50, F::Type, 0, true, true, 40},
    {K::Profile, "Profile", "Profil", 87, F::Profile, 0, true, true, 30},
    {K::Temp, "Temp", "Temp. /\xB0" "C", 51, F::Temp, 1, true, true, 51},
    {K::Feu, "Feu", "rel.Feuchte/%", 52, F::Feu, 2, true, true, 71},
    {K::Lae, "Lae", "L\xE4rmp./dB(A)", 53, F::Lae, 3, true, false, 66},
    {K::LaeM, "LaeM", "L\xE4rmp.(Min)", 54, F::LaeM, 4, true, false, 56},
    {K::Bel, "Bel", "Beleucht./Lux", 55, F::Bel, 5, true, false, 71},
    {K::Fre, "Fre", "Bildfreq. /Hz", 56, F::Fre, 6, true, false, 66},
    {K::Hell, "Hell", "max.Bildh./Cd/m\xB2", 57, F::Hell, 7, true, false, 86},
    {K::SWK, "SWK", "S/W-Kontrast", 58, F::SWK, 8, true, false, 66},
    {K::MUK, "MUK", "Mon./Umgeb.", 59, F::MUK, 9, true, false, 66},
    {K::Wind, "Wind", "Luftgeschw./m/s", 60, F::Wind, 10, true, true, 86},
    {K::WindI, "WindI", "Luftg I.(3Min)", 61, F::WindI, 10, true, true, 66},
    {K::WindII, "WindII", "Luftg II.(3Min)", 62, F::WindII, 10, true, true, 66},
    {K::WindIII, "WindIII", "Luftg III.(3Min)", 63, F::WindIII, 10, true, true, 66},
    {K::CO2, "CO2", "CO2 /ppm", 106, F::CO2, 11, false, true, 51},
    {K::VOC, "VOC", "TVOC /ppb ibu eq", 107, F::VOC, 12, false, true, 51},
    {K::CO, "CO", "CO /ppm", 108, F::CO, 13, false, true, 51},
    {K::GT, "GT", "Globe - Temp", 102, F::GT, 0, false, true, 56},
    {K::PMV1, "PMV1", "PMV (Sommer)", 103, F::PMV1, 17, false, true, 66},
    {K::PMV2, "PMV2", "PMV (Mittel)", 104, F::PMV2, 17, false, true, 61},
    {K::PMV3, "PMV3", "PMV (Winter)", 105, F::PMV3, 17, false, true, 66},
    {K::LaeUser, "LaeUser", "L\xE4rm (User)", 85, F::LaeUser, 3, true, false, 66},
    {K::CPeak, "CPeak", "CPeak", 89, F::CPeak, 0, false, false, 66},
    {K::CPeakUser, "CPeakUser", "CPeak (User)", 90, F::CPeakUser, 0, false, false, 66},
    {K::PM1u0, "PM1u0", "PM 1 /ug/m\xB3", 110, F::PM1u0, 14, false, true, 66},
    {K::PM2u5, "PM2u5", "PM 2,5 /ug/m\xB3", 111, F::PM2u5, 15, false, true, 66},
    {K::PM10u, "PM10u", "PM 10 /ug/m\xB3", 112, F::PM10u, 16, false, true, 66},
    {K::TIR, "TIR", "IR-Temp/\xB0" "C", 113, F::TIR, 0, true, true, 66},
    {K::MessZeit, "MessZeit", "Messzeit", 88, F::MessZeit, 0, true, true, 106},
}};

constexpr bool KindTableInOrder()
{
    for (std::size_t i = 0; i < kKinds.size(); ++i)
        if (static_cast<std::size_t>(kKinds[i].kind) != i)
            return false;
    return true;
}
static_assert(KindTableInOrder());

constexpr std::array<SubFieldHeader, 14> kSubHeaders{{
    {F::LdS, "LD-Schwarz/Cd/m\xB2", 64},
    {F::LdW, "LD-Weiss/Cd/m\xB2", 65},
    {F::LdMon, "LD-Mon/Cd/m\xB2", 66},
    {F::LdUmg, "LD-Umgeb/Cd/m\xB2", 67},
    {F::WindT, "Lu_Temp/\xB0" "C", 68},
    {F::WindTI, "Lu_Temp I/\xB0" "C", 69},
    {F::WindTII, "Lu_Temp II/\xB0" "C", 70},
    {F::WindTIII, "Lu_Temp III/\xB0" "C", 71},
    {F::LaeDauer, "L\xE4rm Dauer", 86},
    {F::Tu, "Lu_Tu", 92},
    {F::TuI, "Lu_Tu I", 93},
    {F::TuII, "Lu_Tu II", 94},
    {F::TuIII, "Lu_Tu III", 95},
    {F::Emiss, "Emissionsg.", 114},
}};

using RawNumber = std::int32_t RawRow::*;
using RawText = std::string RawRow::*;
using TextMember = std::string RowTexts::*;

const std::array<RawNumber, kFieldCount>& RawNumbers()
{
    static const std::array<RawNumber, kFieldCount> table = [] {
        std::array<RawNumber, kFieldCount> t{};
        auto set = [&t](Field f, RawNumber m) { t[Index(f)] = m; };
        set(F::Temp, &RawRow::Temp); set(F::Feu, &RawRow::Feu); set(F::Lae, &RawRow::Lae);
        set(F::LaeM, &RawRow::LaeM); set(F::Bel, &RawRow::Bel); set(F::Fre, &RawRow::Fre);
        set(F::Hell, &RawRow::Hell); set(F::SWK, &RawRow::SWK); set(F::LdS, &RawRow::LdS);
        set(F::LdW, &RawRow::LdW); set(F::MUK, &RawRow::MUK); set(F::LdMon, &RawRow::LdMon);
        set(F::LdUmg, &RawRow::LdUmg); set(F::Wind, &RawRow::Wind); set(F::WindT, &RawRow::WindT);
        set(F::WindI, &RawRow::WindI); set(F::WindTI, &RawRow::WindTI);
        set(F::WindII, &RawRow::WindII); set(F::WindTII, &RawRow::WindTII);
        set(F::WindIII, &RawRow::WindIII); set(F::WindTIII, &RawRow::WindTIII);
        set(F::GT, &RawRow::GT); set(F::CO2, &RawRow::CO2); set(F::VOC, &RawRow::VOC);
        set(F::CO, &RawRow::CO); set(F::LaeUser, &RawRow::LaeUser);
        set(F::LaeDauer, &RawRow::LaeDauer); set(F::CPeak, &RawRow::CPeak);
        set(F::CPeakUser, &RawRow::CPeakUser); set(F::Tu, &RawRow::Tu); set(F::TuI, &RawRow::TuI);
        set(F::TuII, &RawRow::TuII); set(F::TuIII, &RawRow::TuIII);
        set(F::PM1u0, &RawRow::PM1u0); set(F::PM2u5, &RawRow::PM2u5);
        set(F::PM10u, &RawRow::PM10u); set(F::TIR, &RawRow::TIR); set(F::Emiss, &RawRow::Emiss);
        return t;
    }();
    return table;
}

RawText RawTextMember(Field f)
{
    switch (f) {
    case F::Name: return &RawRow::Name;
    case F::Type: return &RawRow::Type;
    case F::Profile: return &RawRow::Profile;
    case F::MessZeit: return &RawRow::MessZeit;
    default: return nullptr;
    }
}

const std::array<TextMember, kFieldCount>& TextMembers()
{
    static const std::array<TextMember, kFieldCount> table{
        &RowTexts::Name, &RowTexts::Type, &RowTexts::Profile,
        &RowTexts::Temp, &RowTexts::Feu, &RowTexts::Lae, &RowTexts::LaeM, &RowTexts::Bel,
        &RowTexts::Fre, &RowTexts::Hell,
        &RowTexts::SWK, &RowTexts::LdS, &RowTexts::LdW, &RowTexts::MUK, &RowTexts::LdMon,
        &RowTexts::LdUmg,
        &RowTexts::Wind, &RowTexts::WindT, &RowTexts::WindI, &RowTexts::WindTI,
        &RowTexts::WindII, &RowTexts::WindTII, &RowTexts::WindIII, &RowTexts::WindTIII,
        &RowTexts::GT, &RowTexts::PMV1, &RowTexts::PMV2, &RowTexts::PMV3,
        &RowTexts::CO2, &RowTexts::VOC, &RowTexts::CO,
        &RowTexts::LaeUser, &RowTexts::LaeDauer, &RowTexts::MessZeit, &RowTexts::CPeak,
        &RowTexts::CPeakUser,
        &RowTexts::Tu, &RowTexts::TuI, &RowTexts::TuII, &RowTexts::TuIII,
        &RowTexts::PM1u0, &RowTexts::PM2u5, &RowTexts::PM10u, &RowTexts::TIR, &RowTexts::Emiss,
    };
    return table;
}

} // namespace

const FieldInfo& InfoOf(Field f) { return kFields.at(Index(f)); }
const std::array<FieldInfo, kFieldCount>& AllFields() { return kFields; }

std::optional<Field> FieldByName(std::string_view name)
{
    for (const auto& info : kFields)
        if (name == info.name)
            return info.field;
    return std::nullopt;
}

bool IsRatedField(Field f)
{
    for (Field r : kRatedFields)
        if (r == f)
            return true;
    return false;
}

std::int32_t* RawRow::number(Field f)
{
    const RawNumber m = RawNumbers().at(Index(f));
    return m ? &(this->*m) : nullptr;
}

const std::int32_t* RawRow::number(Field f) const
{
    const RawNumber m = RawNumbers().at(Index(f));
    return m ? &(this->*m) : nullptr;
}

std::string* RawRow::text(Field f)
{
    const RawText m = RawTextMember(f);
    return m ? &(this->*m) : nullptr;
}

const std::string* RawRow::text(Field f) const
{
    const RawText m = RawTextMember(f);
    return m ? &(this->*m) : nullptr;
}

std::string& RowTexts::operator[](Field f) { return this->*TextMembers().at(Index(f)); }
const std::string& RowTexts::operator[](Field f) const { return this->*TextMembers().at(Index(f)); }

RowTexts RowTexts::Cleared(char decimalSep)
{
    // Move-assigned: GCC 12 at -O3 reports a false -Wrestrict for a literal
    // assigned to a short string.
    RowTexts t;
    t.Type = std::string("VAM ");
    t.Profile = std::string(1, '1');
    const std::string noPmv = std::string("-") + decimalSep + "--";
    t.PMV1 = t.PMV2 = t.PMV3 = noPmv;
    return t;
}

MeasurementTable::MeasurementTable() { clearAll(); }

WorkplaceRow& MeasurementTable::row(int n)
{
    if (!IsRowNumber(n))
        throw std::out_of_range("workplace number out of range");
    return rows_[static_cast<std::size_t>(n - 1)];
}

const WorkplaceRow& MeasurementTable::row(int n) const
{
    if (!IsRowNumber(n))
        throw std::out_of_range("workplace number out of range");
    return rows_[static_cast<std::size_t>(n - 1)];
}

void MeasurementTable::clearAll()
{
    const char sep = App().DecimalSep;
    for (auto& r : rows_) {
        r.raw = RawRow{};
        r.texts = RowTexts::Cleared(sep);
        r.ratings = FileRatings{};
    }
}

void MeasurementTable::clearRow(int n)
{
    auto& r = row(n);
    r.texts = RowTexts::Cleared(App().DecimalSep);
    r.ratings = FileRatings{};
}

std::string formatFixed(std::int32_t value, int decimals, char decimalSep)
{
    std::string s;
    if (value == NoValue) {
        s = "---";
    } else {
        const bool negative = value < 0;
        // Through int64 so that the most negative value has a magnitude.
        const std::int64_t magnitude = negative ? -static_cast<std::int64_t>(value) : value;
        s = std::to_string(magnitude);
        while (static_cast<int>(s.size()) <= decimals)
            s.insert(s.begin(), '0');
        if (negative)
            s.insert(s.begin(), '-');
    }
    if (decimals > 0 && static_cast<int>(s.size()) >= decimals)
        s.insert(s.size() - static_cast<std::size_t>(decimals), 1, decimalSep);
    return s;
}

std::string formatFixed(std::int32_t value, int decimals)
{
    return formatFixed(value, decimals, App().DecimalSep);
}

const ColumnKindInfo& InfoOf(ColumnKind k) { return kKinds.at(static_cast<std::size_t>(k)); }
const std::array<ColumnKindInfo, kColumnKindCount>& AllColumnKinds() { return kKinds; }

std::optional<ColumnKind> KindOfField(Field f)
{
    for (const auto& k : kKinds)
        if (k.field == f)
            return k.kind;
    return std::nullopt;
}

const std::array<SubFieldHeader, 14>& SubFieldHeaders() { return kSubHeaders; }

ColumnMap InitialColumnMap()
{
    ColumnMap m{};
    for (int k = 0; k < kColumnKindCount; ++k)
        m[static_cast<std::size_t>(k)] = k <= static_cast<int>(ColumnKind::WindIII) ? k : -1;
    return m;
}

ColumnMap& CurrentColumnMap()
{
    static ColumnMap map = InitialColumnMap();
    return map;
}

} // namespace vamok
