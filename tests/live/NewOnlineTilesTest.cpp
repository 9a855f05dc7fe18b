// How the large live display divides its paint area and which tiles a
// record changes.
#include "live/NewOnlineTiles.h"
#include "types/TypeDefaults.h"

#include <gtest/gtest.h>

using namespace vamok;

namespace {

struct GeometryCase {
    int height, width;
    int row, margin, picture, font, valueColumn;
};

TEST(TileGeometry, RowsMarginsPicturesAndFontFromTheAreaHeight)
{
    const GeometryCase cases[] = {
        {600, 1600, 50, 5, 40, 25, 285},
        {960, 1920, 80, 8, 64, 36, 410},
        {919, 1280, 77, 8, 61, 36, 410},
        {559, 1280, 47, 5, 37, 23, 262},
    };
    for (const GeometryCase& c : cases) {
        const TileGeometry g = ComputeTileGeometry(c.height, c.width, 257);
        EXPECT_EQ(g.RowHeight, c.row) << c.height;
        EXPECT_EQ(g.Margin, c.margin) << c.height;
        EXPECT_EQ(g.PictureSize, c.picture) << c.height;
        EXPECT_EQ(g.FontSize, c.font) << c.height;
        EXPECT_EQ(g.ValueColumn, c.valueColumn) << c.height;
        const int m = c.margin;
        EXPECT_EQ(g.BarLeft, 2 * m + c.picture + 257 + 3 * m);
        EXPECT_EQ(g.BarWidth, c.width - c.picture - 2 * m - c.valueColumn - 257 - 3 * m);
    }
    const TileGeometry g = ComputeTileGeometry(600, 1600, 257);
    EXPECT_EQ(g.Bar(3), QRect(QPoint(g.BarLeft, 100), QPoint(g.BarLeft + g.BarWidth, 150)));
    EXPECT_EQ(g.Picture(3), QRect(QPoint(262, 110), QPoint(302, 150)));
    // Too narrow for a bar: none rather than a negative width.
    EXPECT_EQ(ComputeTileGeometry(600, 500, 257).BarWidth, 0);
}

TEST(TileValueText, LeadingBlanksGoWhileLongerThanSix)
{
    EXPECT_EQ(TileValueText("   -NA-"), "  -NA-");
    EXPECT_EQ(TileValueText("   22,4"), "  22,4");
    EXPECT_EQ(TileValueText("    0,12"), "  0,12");
    EXPECT_EQ(TileValueText("  800  "), " 800  ");
    EXPECT_EQ(TileValueText(" 1,5"), " 1,5");
    EXPECT_EQ(TileValueText(""), "");
}

TEST(TileBar, MissingValuesHaveNoBarAndScalesFollowTheTable)
{
    const TAPDef type = DefaultType();
    const auto& tiles = NewOnlineTiles();
    EXPECT_FALSE(TileBar(tiles[0], "  -NA-", &type, ',', false));
    EXPECT_FALSE(TileBar(tiles[0], "  22,4", nullptr, ',', false));
    const auto velocity = TileBar(tiles[4], "  0,12", &type, ',', true);
    ASSERT_TRUE(velocity);
    EXPECT_EQ(velocity->value, 12);
    EXPECT_EQ(velocity->max, 100);
    EXPECT_TRUE(velocity->bandOn);
    EXPECT_TRUE(velocity->stripOn);
    const auto pmv = TileBar(tiles[8], "   -0,45", &type, ',', false);
    ASSERT_TRUE(pmv);
    EXPECT_EQ(pmv->value, -45);
    EXPECT_EQ(pmv->min, -300);
    const auto pm10 = TileBar(tiles[11], "  30  ", &type, ',', false);
    ASSERT_TRUE(pm10);
    EXPECT_EQ(pm10->limits, (BarLimits{0, 0, 20, 50}));
}

TEST(TileChanges, OnlyChangedTextsCountAndAResetRepaintsAll)
{
    TileChanges changes;
    EXPECT_TRUE(changes.Take(6, " 800  "));
    EXPECT_FALSE(changes.Take(6, " 800  "));
    EXPECT_TRUE(changes.Take(6, " 801  "));
    EXPECT_TRUE(changes.Take(1, "  22,4"));
    changes.Reset();
    EXPECT_TRUE(changes.Take(6, " 801  "));
    EXPECT_FALSE(changes.Take(13, "x"));
}

} // namespace
