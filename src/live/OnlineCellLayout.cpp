#include "live/OnlineCellLayout.h"

#include <algorithm>

namespace vamok {

namespace {

// The scale keeps clear of the cell's sides by the text margin; the marker
// reaches beyond the scale's ends and must stay inside too.
QRect BarInside(const QRect& lowerHalf, const ThresholdBar& bar)
{
    const int left = lowerHalf.left() + kCellTextMargin;
    const int width = lowerHalf.width() - 2 * kCellTextMargin;
    // Below 2 pixels the marker has no height.
    for (int height = lowerHalf.height(); height >= 2 && width > 0; --height) {
        QRect rect(left, lowerHalf.top(), width, height);
        const QRect area = ThresholdBarArea(rect, bar);
        const int overhang = std::max(lowerHalf.left() - area.left(), area.right() - lowerHalf.right());
        if (overhang > 0)
            rect.adjust(overhang, 0, -overhang, 0);
        if (rect.width() > 0 && lowerHalf.contains(ThresholdBarArea(rect, bar)))
            return rect;
    }
    return {};
}

} // namespace

ValueCellLayout LayOutValueCell(const QRect& cell, const ThresholdBar& bar)
{
    const int upperHeight = cell.height() / 2;
    const QRect upper(cell.left(), cell.top(), cell.width(), upperHeight);
    const QRect lower(cell.left(), cell.top() + upperHeight, cell.width(), cell.height() - upperHeight);
    ValueCellLayout layout;
    layout.text = upper.adjusted(kCellTextMargin, 0, -kCellTextMargin, 0);
    layout.bar = BarInside(lower, bar);
    return layout;
}

std::optional<int> FittingStretch(int available, const std::function<int(int stretch)>& widestAt)
{
    for (int stretch = 100; stretch >= kMinNameStretch; --stretch)
        if (widestAt(stretch) <= available)
            return stretch;
    return std::nullopt;
}

} // namespace vamok
