#pragma once
// Where the online table puts a value's text and its evaluation bar, and how
// narrow the quantity names may be set so that they fit their column.
#include "core/Painting.h"

#include <QRect>
#include <functional>
#include <optional>

namespace vamok {

// Row height of both grids at 100 %; the grid font follows it (ZoomFontPixels).
inline constexpr int kOnlineBaseRowHeight = 24;
// Horizontal room on either side of a value's text and bar (as an item
// view's style leaves beside a cell's text).
inline constexpr int kCellTextMargin = 3;
// The narrowest a name is set (per cent of the font's normal width).
inline constexpr int kMinNameStretch = 80;

struct ValueCellLayout {
    QRect text; // the upper half, less the text margins
    QRect bar;  // handed to DrawThresholdBar; empty when no bar fits
};

// A value cell with a bar: the text above the middle, the bar below it,
// sized so that all the bar paints (ThresholdBarArea) stays in the lower
// half of the cell.
ValueCellLayout LayOutValueCell(const QRect& cell, const ThresholdBar& bar);

// The widest stretch, from 100 down to kMinNameStretch, at which the widest
// text (widestAt(stretch), in pixels) fits `available` pixels; nothing when
// not even the narrowest does.
std::optional<int> FittingStretch(int available, const std::function<int(int stretch)>& widestAt);

} // namespace vamok
