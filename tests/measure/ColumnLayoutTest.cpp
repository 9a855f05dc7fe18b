// Column views: which grid column shows which kind, and the widths.
#include "measure/ColumnLayout.h"

#include <gtest/gtest.h>

using namespace vamok;

TEST(ColumnLayout, StandardAndPmvViewsListTheirKindsInOrder)
{
    const ColumnMap standard = MapShownKinds(StandardViewKinds());
    EXPECT_EQ(ShownColumnCount(standard), 20);
    EXPECT_EQ(standard[static_cast<int>(ColumnKind::WindIII)], 16);
    EXPECT_EQ(standard[static_cast<int>(ColumnKind::CO2)], -1);
    EXPECT_EQ(standard[static_cast<int>(ColumnKind::LaeUser)], 17);
    EXPECT_EQ(standard[static_cast<int>(ColumnKind::MessZeit)], 19);

    const ColumnMap pmv = MapShownKinds(PmvViewKinds());
    EXPECT_EQ(ShownColumnCount(pmv), 22);
    EXPECT_EQ(pmv[static_cast<int>(ColumnKind::Feu)], 5);
    EXPECT_EQ(pmv[static_cast<int>(ColumnKind::Lae)], -1);
    EXPECT_EQ(pmv[static_cast<int>(ColumnKind::Wind)], 6);
    EXPECT_EQ(pmv[static_cast<int>(ColumnKind::GT)], 13);
    EXPECT_EQ(pmv[static_cast<int>(ColumnKind::PMV3)], 16);
    EXPECT_EQ(pmv[static_cast<int>(ColumnKind::MessZeit)], 21);
}

TEST(ColumnLayout, UserOrderDecidesTheColumns)
{
    const ColumnMap map =
        MapShownKinds({ColumnKind::No, ColumnKind::Temp, ColumnKind::Name, ColumnKind::Temp});
    EXPECT_EQ(ShownColumnCount(map), 3);
    EXPECT_EQ(map[static_cast<int>(ColumnKind::Temp)], 1);
    EXPECT_EQ(map[static_cast<int>(ColumnKind::Name)], 2);
}

TEST(ColumnLayout, WideViewsKeepTheirBaseWidths)
{
    const std::vector<int> w = ColumnWidths(MapShownKinds(StandardViewKinds()));
    ASSERT_EQ(w.size(), 20u);
    EXPECT_EQ(w[0], 20);
    EXPECT_EQ(w[1], 136);
    EXPECT_EQ(w[19], 106);
}

TEST(ColumnLayout, NarrowViewsStretchByAtMostTwentyPercent)
{
    // 20 + 136 + 40 + 51 = 247: far below 1100, so the cap of 1.2 applies.
    std::vector<int> w =
        ColumnWidths(MapShownKinds({ColumnKind::No, ColumnKind::Name, ColumnKind::Type, ColumnKind::Temp}));
    EXPECT_EQ(w, (std::vector<int>{24, 163, 48, 61}));

    // Sum 1034 of the PMV view without the fine dust, IR and time columns:
    // factor 1 + 66/1034 = 1.0638...
    std::vector<ColumnKind> kinds;
    for (ColumnKind k : PmvViewKinds())
        if (k < ColumnKind::PM1u0)
            kinds.push_back(k);
    w = ColumnWidths(MapShownKinds(kinds));
    EXPECT_EQ(w[0], 21);  // 21.28
    EXPECT_EQ(w[1], 145); // 144.68
    EXPECT_EQ(w[5], 76);  // 75.53
}
