#include "measure/DataFileFormat.h"

#include "core/Cp1252.h"

#include <QFileInfo>

namespace vamok {
namespace {

using F = Field;
using Form = FieldForm;
using Conv = FieldConversion;

constexpr std::array<DataFileField, 45> kFields{{
    {1, F::Name, Form::Single, 0, Conv::AsIs},
    {2, F::Type, Form::Single, 0, Conv::AsIs},
    {3, F::Profile, Form::Single, 0, Conv::AsIs},
    {4, F::Temp, Form::Rated, 1, Conv::OneDecimal},
    {5, F::Feu, Form::Rated, 2, Conv::OneDecimal},
    {6, F::Lae, Form::Rated, 3, Conv::OneDecimal},
    {7, F::LaeM, Form::Rated, 4, Conv::OneDecimal},
    {8, F::Bel, Form::Rated, 5, Conv::IntegerPart},
    {9, F::Fre, Form::Rated, 6, Conv::OneDecimal},
    {10, F::Hell, Form::Rated, 7, Conv::OneDecimal},
    {11, F::SWK, Form::Rated, 8, Conv::AsIs},
    {12, F::MUK, Form::Rated, 9, Conv::AsIs},
    {13, F::Wind, Form::Rated, 10, Conv::TwoDecimals},
    {14, F::WindT, Form::Pair, 0, Conv::OneDecimal},
    {15, F::WindI, Form::Rated, 10, Conv::TwoDecimals},
    {16, F::WindTI, Form::Pair, 0, Conv::OneDecimal},
    {17, F::WindII, Form::Rated, 10, Conv::TwoDecimals},
    {18, F::WindTII, Form::Pair, 0, Conv::OneDecimal},
    {19, F::WindIII, Form::Rated, 10, Conv::TwoDecimals},
    {20, F::WindTIII, Form::Pair, 0, Conv::OneDecimal},
    {21, F::LdS, Form::Single, 0, Conv::OneDecimal},
    {22, F::LdW, Form::Single, 0, Conv::OneDecimal},
    {23, F::LdMon, Form::Single, 0, Conv::OneDecimal},
    {24, F::LdUmg, Form::Single, 0, Conv::OneDecimal},
    {25, F::GT, Form::Pair, 0, Conv::OneDecimal},
    {26, F::PMV1, Form::Rated, 17, Conv::TwoDecimals},
    {27, F::PMV2, Form::Rated, 17, Conv::TwoDecimals},
    {28, F::PMV3, Form::Rated, 17, Conv::TwoDecimals},
    {29, F::CO2, Form::Rated, 11, Conv::IntegerPart},
    {30, F::VOC, Form::Rated, 12, Conv::IntegerPart},
    {31, F::CO, Form::Rated, 13, Conv::IntegerPart},
    {32, F::LaeUser, Form::Rated, 3, Conv::OneDecimal},
    {33, F::LaeDauer, Form::Single, 0, Conv::AsIs},
    {34, F::CPeak, Form::Single, 0, Conv::AsIs},
    {35, F::CPeakUser, Form::Single, 0, Conv::AsIs},
    {36, F::Tu, Form::Pair, 0, Conv::IntegerPart},
    {37, F::TuI, Form::Pair, 0, Conv::IntegerPart},
    {38, F::TuII, Form::Pair, 0, Conv::IntegerPart},
    {39, F::TuIII, Form::Pair, 0, Conv::IntegerPart},
    {40, F::PM1u0, Form::Rated, 14, Conv::IntegerPart},
    {41, F::PM2u5, Form::Rated, 15, Conv::IntegerPart},
    {42, F::PM10u, Form::Rated, 16, Conv::IntegerPart},
    {43, F::TIR, Form::Single, 0, Conv::OneDecimal},
    {44, F::Emiss, Form::Single, 0, Conv::AsIs},
    {45, F::MessZeit, Form::Single, 0, Conv::AsIs},
}};

constexpr bool FieldsNumberedInOrder()
{
    for (std::size_t i = 0; i < kFields.size(); ++i)
        if (kFields[i].number != static_cast<int>(i) + 1)
            return false;
    return true;
}
static_assert(FieldsNumberedInOrder());

constexpr std::array<HeaderCell, 45> kHeader{{
    {F::Name, false}, {F::Type, false}, {F::Profile, false},
    {F::Temp, true}, {F::Feu, true}, {F::Lae, true}, {F::LaeM, true}, {F::Bel, true},
    {F::Fre, true}, {F::Hell, true}, {F::SWK, true}, {F::MUK, true}, {F::Wind, true},
    {F::WindT, true}, {F::WindI, true}, {F::WindTI, true}, {F::WindII, true},
    {F::WindTII, true}, {F::WindIII, true}, {F::WindTIII, true},
    {F::LdS, false}, {F::LdW, false}, {F::LdMon, false}, {F::LdUmg, false},
    {F::GT, true}, {F::PMV1, true}, {F::PMV2, true}, {F::PMV3, true}, {F::CO2, true},
    {F::VOC, true}, {F::CO, true}, {F::LaeUser, true},
    {F::LaeDauer, false}, {F::CPeak, false}, {F::CPeakUser, false}, {F::Tu, false},
    {F::TuI, false}, {F::TuII, false}, {F::TuIII, false},
    {F::PM1u0, true}, {F::PM2u5, true}, {F::PM10u, true}, {F::TIR, true}, {F::Emiss, true},
    {F::MessZeit, false},
}};

} // namespace

DataFileKind KindOfFileName(const std::string& path)
{
    return QFileInfo(FromCp1252(path)).suffix().toUpper() == QLatin1String("CSV") ? DataFileKind::Csv
                                                                                   : DataFileKind::Vam;
}

std::string_view WrittenSeparator(DataFileKind kind)
{
    return kind == DataFileKind::Csv ? std::string_view(" ; ") : std::string_view("\t");
}

const std::array<DataFileField, 45>& DataFileFields() { return kFields; }

const std::array<HeaderCell, 45>& HeaderCells() { return kHeader; }

} // namespace vamok
