#pragma once
// The type editor's bar: one quantity row's four thresholds drawn as five
// sections (red, yellow, green, yellow, red) of a bar W pixels wide that
// spans the row's full scale S (PMV: -S/2 to +S/2).
#include <array>

namespace vamok {

inline constexpr int kThresholdBarWidth = 620;

using Thresholds = std::array<int, 4>;    // columns 1..4 of the row
using SectionWidths = std::array<int, 5>; // pixels, left to right

struct RowBarScale {
    int fullScale = 0;            // S, in the row's stored unit
    bool centred = false;         // PMV: the bar starts at -S/2
    bool tens = false;            // dragged values are rounded to tens
    bool fixedLowSections = false; // air velocity: sections 0 and 1 stay 0 wide

    int Start() const { return centred ? -fullScale / 2 : 0; }
};

// The scale of quantity row `row` (1..17) on a bar `width` pixels wide
// (the illuminance scale grows with the bar).
RowBarScale ScaleOfRow(int row, int width = kThresholdBarWidth);

struct EditLimits {
    Thresholds minimum{};
    Thresholds maximum{};
    int targetMinimum = 0;
    int targetMaximum = 0;
};

// The spin edit limits: thresholds 0 and up (PMV from -S/2), each leaving
// room for the ones above it; the target within the scale.
EditLimits LimitsOfScale(const RowBarScale& scale);

// Section k (0..3) spans threshold k to k+1 (threshold 0 is the scale
// start), at least 1 and at most `width` pixels; section 4 takes the rest.
SectionWidths WidthsOf(const Thresholds& g, const RowBarScale& scale, int width = kThresholdBarWidth);

// The thresholds after the borders from `border` (0..3, the right edge of
// section `border`) on were dragged: each is the sum of the section widths
// up to it turned into scale units; earlier thresholds stay.
Thresholds ThresholdsAfterDrag(const Thresholds& g, const SectionWidths& widths, int border,
                               const RowBarScale& scale, int width = kThresholdBarWidth);

// Threshold `changed` (0..3) was typed: it is clamped to its maximum, every
// earlier threshold not below it becomes its value - 1 and every later one
// not above it its value + 1 (all kept within their limits).
Thresholds KeepOrder(const Thresholds& g, int changed, const EditLimits& limits);

} // namespace vamok
