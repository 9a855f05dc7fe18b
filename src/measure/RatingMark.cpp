#include "measure/RatingMark.h"

namespace vamok {

QRect RatingMarkRect(const QRect& cell)
{
    const int right = cell.x() + cell.width(); // first pixel right of the cell
    const int bottom = cell.y() + cell.height();
    const int top = cell.y() + cell.height() / 6;
    const int markBottom = top + (2 * (bottom - top)) / 3;
    return QRect(right - 12, top, 4, markBottom - top);
}

std::optional<QColor> RatingMarkColor(Rating rating)
{
    switch (rating) {
    case kGreen: return QColor(0, 128, 0);
    case kYellow: return QColor(255, 255, 0);
    case kRed: return QColor(255, 0, 0);
    default: break;
    }
    return std::nullopt;
}

} // namespace vamok
