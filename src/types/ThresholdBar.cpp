#include "types/ThresholdBar.h"

#include "types/TAPDef.h"

#include <algorithm>
#include <cmath>

namespace vamok {

namespace {

int RoundDiv(double numerator, double denominator)
{
    return static_cast<int>(std::lround(numerator / denominator));
}

} // namespace

RowBarScale ScaleOfRow(int row, int width)
{
    switch (row) {
    case TypeRow::Temperature: return {45};
    case TypeRow::Humidity: return {100};
    case TypeRow::NoiseCurrent:
    case TypeRow::NoiseMinute: return {130};
    case TypeRow::Illuminance: return {width * 50, false, true};
    case TypeRow::Flicker: return {500};
    case TypeRow::ScreenLuminance: return {6553};
    case TypeRow::Contrast:
    case TypeRow::LuminanceRatio: return {100};
    case TypeRow::AirVelocity: return {500, false, false, true};
    case TypeRow::PMV: return {800, true};
    case TypeRow::CO2:
    case TypeRow::TVOC:
    case TypeRow::CO:
    case TypeRow::PM1:
    case TypeRow::PM25:
    case TypeRow::PM10: return {3000, false, true};
    default: return {100};
    }
}

EditLimits LimitsOfScale(const RowBarScale& scale)
{
    EditLimits limits;
    const int top = scale.fullScale + scale.Start();
    for (int k = 0; k < 4; ++k) {
        limits.minimum[static_cast<std::size_t>(k)] = scale.centred ? scale.Start() + k : 0;
        limits.maximum[static_cast<std::size_t>(k)] = top - 3 + k;
    }
    // A PMV target may lie anywhere on the scale, below 0 too.
    limits.targetMinimum = scale.Start();
    limits.targetMaximum = top;
    return limits;
}

SectionWidths WidthsOf(const Thresholds& g, const RowBarScale& scale, int width)
{
    SectionWidths widths{};
    int previous = scale.Start();
    int used = 0;
    for (std::size_t k = 0; k < 4; ++k) {
        if (scale.fixedLowSections && k < 2) {
            previous = g[k];
            continue;
        }
        const int w = RoundDiv(static_cast<double>(g[k] - previous) * width, scale.fullScale);
        widths[k] = std::clamp(w, 1, width);
        used += widths[k];
        previous = g[k];
    }
    widths[4] = std::clamp(width - used, 1, width);
    return widths;
}

Thresholds ThresholdsAfterDrag(const Thresholds& g, const SectionWidths& widths, int border,
                               const RowBarScale& scale, int width)
{
    Thresholds result = g;
    int sum = 0;
    for (int k = 0; k < 4; ++k) {
        sum += RoundDiv(static_cast<double>(widths[static_cast<std::size_t>(k)]) * scale.fullScale, width);
        if (k < border || (scale.fixedLowSections && k < 2))
            continue;
        int value = scale.tens ? RoundDiv(sum, 10) * 10 : sum;
        result[static_cast<std::size_t>(k)] = value + scale.Start();
    }
    return result;
}

Thresholds KeepOrder(const Thresholds& g, int changed, const EditLimits& limits)
{
    Thresholds result = g;
    const auto c = static_cast<std::size_t>(changed);
    const int value = std::min(result[c], limits.maximum[c]);
    result[c] = value;
    for (std::size_t k = 0; k < 4; ++k) {
        if (k < c && result[k] >= value)
            result[k] = value - 1;
        else if (k > c && result[k] <= value)
            result[k] = value + 1;
        result[k] = std::clamp(result[k], limits.minimum[k], limits.maximum[k]);
    }
    return result;
}

} // namespace vamok
