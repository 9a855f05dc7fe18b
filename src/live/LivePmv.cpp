#include "live/LivePmv.h"

#include "comfort/Pmv.h"
#include "comfort/PmvCalculator.h"
#include "live/LiveValueParser.h"
#include "types/TypeLibrary.h"

#include <cmath>

namespace vamok {

namespace {

constexpr long double kNotANumber = -999;

long Scaled(const std::string& text, char sep, int scale)
{
    const long double v = ReadLocaleNumber(text, sep).value_or(kNotANumber);
    return std::lround(std::nearbyint(static_cast<double>(v * scale)));
}

} // namespace

std::string LivePmvText(const TVamokAPDatenStrg& r, const TAPDef* type, char sep)
{
    using F = TVamokAPDatenStrg;
    const long ta = Scaled(r[F::AirTemperature], sep, 10);
    const long rh = Scaled(r[F::Humidity], sep, 10);
    const long v = Scaled(r[F::AirVelocity], sep, 100);
    const long tg = Scaled(r[F::GlobeTemperature], sep, 10);
    if (!type || ta < 0 || rh < 0 || v < 0 || tg < 0)
        return kNotAvailable;
    const int pmv = ComputePMV(static_cast<int>(ta), static_cast<int>(tg), static_cast<int>(rh), false, true,
                               type->at(ClothingColumn::Met, TypeRow::Clothing),
                               type->at(ClothingColumn::Mean, TypeRow::Clothing), static_cast<int>(v));
    if (pmv == kNoPMV)
        return kNotAvailable;
    return FormatLiveNumber("%8.2f", pmv / 100.0, sep);
}

const TAPDef* FirstPcTypeOrNull()
{
    const TAPListe& types = PCTypes();
    return types.size() >= 2 ? &types[1] : nullptr;
}

} // namespace vamok
