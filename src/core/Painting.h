#pragma once
// The two-colour gradient and the red/yellow/green threshold bar that the
// live displays draw for each measured quantity.
#include <QRect>

#include <array>
#include <optional>

class QImage;
class QPainter;

namespace vamok {

// Fills rect with a horizontal blend between the two colours of preset
// 1..27; any other preset draws nothing.
void FillGradient(QPainter& canvas, const QRect& rect, int preset);

// The limits L1..L4 of a quantity: below L1 red, up to L2 yellow, up to L3
// green, up to L4 yellow, above red.
using BarLimits = std::array<int, 4>;

// The fixed fine-dust limits of the type rows 14 (PM1), 15 (PM2.5) and 16
// (PM10); nothing for the other rows, whose limits come from the type.
std::optional<BarLimits> FixedFineDustLimits(int row);

struct ThresholdBar {
    BarLimits limits{};
    int min = 0;
    int value = 0;
    int max = 0;
    const QImage* picture = nullptr; // marker picture; a blue marker without
    bool stripOn = true;             // the hard-edged strip below the band
    bool bandOn = true;              // the band with blended limits
};

// Draws the scale from min to max inside rect and the marker at the value
// (clamped to the scale). The marker area is first cleared with the
// canvas's current brush colour, which the call leaves unchanged.
void DrawThresholdBar(QPainter& canvas, const QRect& rect, const ThresholdBar& bar);

// Everything DrawThresholdBar may paint for rect: the marker reaches beyond
// the scale's ends and the strip hangs below the band, so this can be larger
// than rect.
QRect ThresholdBarArea(const QRect& rect, const ThresholdBar& bar);

} // namespace vamok
