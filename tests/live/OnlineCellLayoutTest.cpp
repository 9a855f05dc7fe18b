#include "live/OnlineCellLayout.h"
#include "live/OnlineZoom.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace vamok;

namespace {

// The online bars: strip, no band, no picture; at both ends of the scale.
ThresholdBar Bar(int value) { return {{20, 21, 22, 26}, 15, value, 30, nullptr, true, false}; }

} // namespace

TEST(OnlineCellLayout, TextAndBarNeverOverlapAtAnyZoom)
{
    for (int zoom = 10; zoom <= 400; ++zoom) {
        const int rowHeight = std::max(4, ZoomScaled(kOnlineBaseRowHeight, zoom));
        // The cell as the view hands it over: the row less its grid line.
        const QRect cell(4, 3 * rowHeight, ZoomScaled(150, zoom) - 1, rowHeight - 1);
        const QRect upper(cell.left(), cell.top(), cell.width(), cell.height() / 2);
        const QRect lower(cell.left(), upper.bottom() + 1, cell.width(), cell.height() - upper.height());
        for (int value : {0, 15, 23, 30, 99}) {
            const ValueCellLayout layout = LayOutValueCell(cell, Bar(value));
            ASSERT_TRUE(upper.contains(layout.text)) << "zoom " << zoom;
            ASSERT_FALSE(layout.text.isEmpty()) << "zoom " << zoom;
            if (lower.height() < 6) {
                continue; // no room for the 5-pixel strip and a marker
            }
            ASSERT_FALSE(layout.bar.isEmpty()) << "zoom " << zoom;
            const QRect painted = ThresholdBarArea(layout.bar, Bar(value));
            ASSERT_TRUE(lower.contains(painted)) << "zoom " << zoom << " value " << value;
            ASSERT_FALSE(painted.intersects(layout.text)) << "zoom " << zoom;
            // The bar uses the lower half, not a sliver of it.
            EXPECT_GE(painted.height() * 4, lower.height() * 3) << "zoom " << zoom;
            EXPECT_EQ(painted.top(), lower.top()) << "zoom " << zoom;
        }
    }
}

TEST(OnlineCellLayout, TinyCellGetsNoBar)
{
    const ValueCellLayout layout = LayOutValueCell(QRect(0, 0, 40, 9), Bar(20));
    EXPECT_TRUE(layout.bar.isEmpty());
    EXPECT_EQ(layout.text, QRect(3, 0, 34, 4));
}

TEST(OnlineCellLayout, FontFollowsTheRowHeight)
{
    // round(row height / 24 * 11), halves to even.
    const std::pair<int, int> cases[] = {{24, 11}, {31, 14}, {23, 11}, {12, 6}, {36, 16}, {96, 44}, {4, 2}};
    for (const auto& [row, pixels] : cases)
        EXPECT_EQ(ZoomFontPixels(row), pixels) << row;
}

TEST(OnlineCellLayout, NamesAreNarrowedOnlyAsFarAsNeeded)
{
    // A text 150 pixels wide at full width, narrowing in proportion.
    const auto widest = [](int stretch) { return 150 * stretch / 100; };
    EXPECT_EQ(FittingStretch(200, widest), 100);
    EXPECT_EQ(FittingStretch(150, widest), 100);
    EXPECT_EQ(FittingStretch(130, widest), 87);
    EXPECT_EQ(FittingStretch(120, widest), kMinNameStretch);
    EXPECT_EQ(FittingStretch(119, widest), std::nullopt);
}
