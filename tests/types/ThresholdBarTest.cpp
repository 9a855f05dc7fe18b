// The type editor's bar: thresholds to section widths and back, and the
// order the four thresholds keep when one is typed.
#include "types/TAPDef.h"
#include "types/ThresholdBar.h"

#include <gtest/gtest.h>

using namespace vamok;

TEST(ThresholdBar, SectionWidthsFollowTheThresholds)
{
    struct Case {
        int row;
        Thresholds g;
        SectionWidths widths;
    };
    const Case cases[] = {
        {TypeRow::Temperature, {20, 21, 22, 26}, {276, 14, 14, 55, 261}},
        // PMV starts at -4,00: section 0 is 330 x 620 / 800 = 255.75 wide.
        {TypeRow::PMV, {-70, -50, 50, 70}, {256, 16, 78, 16, 254}},
        // Air velocity: the two low sections stay empty.
        {TypeRow::AirVelocity, {0, 0, 20, 30}, {0, 0, 25, 12, 583}},
        // Equal thresholds still leave a 1-pixel section to grab; the last
        // section never goes below 1 pixel either.
        {TypeRow::Humidity, {30, 30, 100, 100}, {186, 1, 434, 1, 1}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WidthsOf(c.g, ScaleOfRow(c.row)), c.widths) << "row " << c.row;
}

TEST(ThresholdBar, DraggingABorderMovesItAndTheLaterThresholds)
{
    const RowBarScale temperature = ScaleOfRow(TypeRow::Temperature);
    const Thresholds g{20, 21, 22, 26};
    SectionWidths w = WidthsOf(g, temperature);
    w[1] += 28; // border 1 dragged 28 pixels right; later sections shift
    // 276 -> 20, 42 -> 3, 14 -> 1, 55 -> 4 (each rounded on its own).
    EXPECT_EQ(ThresholdsAfterDrag(g, w, 1, temperature), (Thresholds{20, 23, 24, 28}));

    const RowBarScale co2 = ScaleOfRow(TypeRow::CO2);
    const Thresholds c{400, 800, 1000, 1400};
    SectionWidths cw = WidthsOf(c, co2);
    cw[0] += 3; // 86 pixels: 416 rounded to tens
    const Thresholds dragged = ThresholdsAfterDrag(c, cw, 0, co2);
    for (int v : dragged)
        EXPECT_EQ(v % 10, 0) << v;
    EXPECT_EQ(dragged[0], 420);

    const RowBarScale pmv = ScaleOfRow(TypeRow::PMV);
    const Thresholds p{-70, -50, 50, 70};
    SectionWidths pw = WidthsOf(p, pmv);
    pw[3] -= 8;
    const Thresholds pd = ThresholdsAfterDrag(p, pw, 3, pmv);
    EXPECT_EQ((Thresholds{pd[0], pd[1], pd[2]}), (Thresholds{-70, -50, 50}));
    EXPECT_EQ(pd[3], 62); // 330 + 21 + 101 + 10 sections, from -400
}

TEST(ThresholdBar, TypedThresholdsKeepTheirOrderWithinTheLimits)
{
    const EditLimits t = LimitsOfScale(ScaleOfRow(TypeRow::Temperature));
    EXPECT_EQ(t.maximum, (Thresholds{42, 43, 44, 45}));
    EXPECT_EQ(KeepOrder({20, 30, 22, 26}, 1, t), (Thresholds{20, 30, 31, 31}));
    EXPECT_EQ(KeepOrder({20, 21, 22, 50}, 3, t), (Thresholds{20, 21, 22, 45}));
    EXPECT_EQ(KeepOrder({20, 21, 22, 5}, 3, t), (Thresholds{4, 4, 4, 5}));
    EXPECT_EQ(KeepOrder({0, 21, 22, 26}, 0, t), (Thresholds{0, 21, 22, 26}));

    const EditLimits p = LimitsOfScale(ScaleOfRow(TypeRow::PMV));
    EXPECT_EQ(p.minimum, (Thresholds{-400, -399, -398, -397}));
    EXPECT_EQ(p.maximum, (Thresholds{397, 398, 399, 400}));
    EXPECT_EQ(KeepOrder({-70, -50, -400, 70}, 2, p), (Thresholds{-400, -399, -398, 70}));
}
