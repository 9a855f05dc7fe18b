#pragma once
// The traffic-light mark painted at the right of a rated grid cell.
#include "types/Rating.h"

#include <QColor>
#include <QRect>
#include <optional>

namespace vamok {

// A bar 4 pixels wide, from 12 to 8 pixels left of the cell's right edge;
// vertically from a sixth of the height down to two thirds of the rest
// (a 24-pixel cell: 4 to 17 pixels below its top).
QRect RatingMarkRect(const QRect& cell);

// Green (0, 128, 0), yellow (255, 255, 0), red (255, 0, 0); nothing for 0.
std::optional<QColor> RatingMarkColor(Rating rating);

} // namespace vamok
