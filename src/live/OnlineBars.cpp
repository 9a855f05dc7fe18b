#include "live/OnlineBars.h"

#include "comfort/PmvCalculator.h"

#include <array>
#include <cmath>

namespace vamok {

namespace {

struct BarRow {
    int Row; // table row
    int Quantity;
    int Min;
    int Max;
    int Scale; // the value passed is the shown value times this
};

constexpr std::array<BarRow, 16> kBarRows{{
    {1, TypeRow::Temperature, 15, 30, 1},
    {2, TypeRow::Humidity, 0, 100, 1},
    {3, TypeRow::NoiseCurrent, 30, 100, 1},
    {4, TypeRow::NoiseMinute, 30, 100, 1},
    {5, TypeRow::Illuminance, 0, 1000, 1},
    {6, TypeRow::Flicker, 0, 200, 1},
    {7, TypeRow::ScreenLuminance, 0, 1000, 1},
    {9, TypeRow::AirVelocity, 0, 100, 100},
    {10, TypeRow::AirVelocity, 0, 100, 100},
    {14, TypeRow::CO2, 350, 5000, 1},
    {15, TypeRow::TVOC, 100, 5000, 1},
    {16, TypeRow::CO, 0, 100, 1},
    {17, TypeRow::PMV, -300, 300, 100},
    {18, TypeRow::PM1, 0, 100, 1},
    {19, TypeRow::PM25, 0, 100, 1},
    {20, TypeRow::PM10, 0, 100, 1},
}};

} // namespace

std::optional<ThresholdBar> QuantityBar(const BarScale& scale, const std::string& text, const TAPDef* type,
                                        char decimalSep)
{
    if (!type)
        return std::nullopt;
    const auto value = ReadLocaleNumber(text, decimalSep);
    if (!value)
        return std::nullopt;
    ThresholdBar bar;
    if (const auto fixed = FixedFineDustLimits(scale.Quantity))
        bar.limits = *fixed;
    else
        for (int k = 0; k < 4; ++k)
            bar.limits[static_cast<std::size_t>(k)] = type->at(TypeColumn::RedToYellow + k, scale.Quantity);
    bar.min = scale.Min;
    bar.max = scale.Max;
    const double scaled = std::nearbyint(static_cast<double>(*value) * scale.Factor);
    bar.value = static_cast<int>(std::fmax(-1e9, std::fmin(1e9, scaled)));
    return bar;
}

std::optional<ThresholdBar> OnlineBarFor(int row, const std::string& text, const TAPDef* type, char decimalSep)
{
    const BarRow* spec = nullptr;
    for (const auto& r : kBarRows)
        if (r.Row == row)
            spec = &r;
    if (!spec)
        return std::nullopt;
    std::optional<ThresholdBar> bar = QuantityBar({spec->Quantity, spec->Min, spec->Max, spec->Scale}, text, type, decimalSep);
    if (bar) {
        bar->bandOn = false;
        bar->stripOn = true;
    }
    return bar;
}

Rating BarRating(const ThresholdBar& bar)
{
    const auto [l1, l2, l3, l4] = bar.limits;
    if (bar.value < l1)
        return kRed;
    if (bar.value < l2)
        return kYellow;
    if (bar.value < l3)
        return kGreen;
    if (bar.value < l4)
        return kYellow;
    return kRed;
}

} // namespace vamok
