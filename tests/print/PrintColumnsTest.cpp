// Which quantities are printed in which column, and how they share the two
// page designs.
#include "support/HomeFixture.h"

#include "core/SettingsStore.h"
#include "measure/ColumnLayout.h"
#include "print/PrintData.h"
#include "profiles/ColumnDefinition.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace vamok;

namespace {

std::size_t K(ColumnKind k) { return static_cast<std::size_t>(k); }

class PrintColumnsTest : public HomeFixture {};

} // namespace

struct SplitCase {
    int count;
    int limit;
    bool sameWidth;
    bool secondPage;
    int extra;
    int slots1;
    int slots2;
};

class PageSplitTable : public ::testing::TestWithParam<SplitCase> {};

TEST_P(PageSplitTable, ParametersAndSlotCounts)
{
    const SplitCase c = GetParam();
    const PageSplit s = SplitPages(c.count, c.limit, c.sameWidth);
    EXPECT_EQ(s.secondPage, c.secondPage);
    EXPECT_EQ(s.page2Extra, c.extra);
    EXPECT_EQ(s.slots1, c.slots1);
    EXPECT_EQ(s.slots2, c.slots2);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PageSplitTable,
    ::testing::Values(
        // 20 columns, 18 on page 1: page 2 as wide as page 1, or 3 slots.
        SplitCase{20, 18, true, true, 2, 18, 18}, SplitCase{20, 18, false, true, 2, 18, 3},
        // Exactly the limit: no second page, "ColCnt2" 0.
        SplitCase{18, 18, true, false, 0, 18, 0}, SplitCase{5, 18, true, false, 0, 5, 0},
        // A limit of 0 counts as 1 (no division by zero in the layout).
        SplitCase{5, 0, true, true, 4, 1, 5}, SplitCase{1, 0, false, false, 0, 1, 0},
        // More remaining columns than page 1 has slots: page 2 grows.
        SplitCase{31, 10, true, true, 21, 10, 22}, SplitCase{31, 10, false, true, 21, 10, 22},
        SplitCase{0, 18, true, false, 0, 0, 0}));

TEST(PageSplit, EdgeCaseOfTwentyColumns)
{
    const PageSplit s = SplitPages(20, 18, true);
    for (int slot = 0; slot < 18; ++slot)
        EXPECT_EQ(s.page1Column(slot), slot);
    EXPECT_EQ(s.page2Column(0), 0);
    EXPECT_EQ(s.page2Column(1), 18);
    EXPECT_EQ(s.page2Column(2), 19);
    for (int slot = 3; slot < 18; ++slot)
        EXPECT_EQ(s.page2Column(slot), -1) << slot;
    EXPECT_EQ(s.page2Column(18), -1);
}

TEST(PageSplit, EveryColumnIsPrintedExactlyOnce)
{
    for (int count = 0; count <= 31; ++count) {
        for (int limit = 0; limit <= 20; ++limit) {
            for (bool same : {true, false}) {
                const PageSplit s = SplitPages(count, limit, same);
                std::multiset<int> printed;
                for (int slot = 0; slot < s.slots1; ++slot)
                    printed.insert(s.page1Column(slot));
                for (int slot = 1; slot < s.slots2; ++slot) {
                    if (s.page2Column(slot) >= 0)
                        printed.insert(s.page2Column(slot));
                }
                std::multiset<int> expected;
                for (int c = 0; c < count; ++c)
                    expected.insert(c);
                EXPECT_EQ(printed, expected) << count << " columns, limit " << limit << ", same " << same;
            }
        }
    }
}

TEST_F(PrintColumnsTest, ShownColumnsSkipTheProfileColumn)
{
    // The standard view: No, Name, Type, Profile (grid column 3), Temp, Feu...
    const ColumnMap map = MapShownKinds(StandardViewKinds());
    ASSERT_EQ(map[K(ColumnKind::Profile)], 3);
    const PrintColumns p = AssignPrintColumns(PrintMode::ShownColumns, map, {});
    EXPECT_EQ(p.column[K(ColumnKind::Profile)], -1);
    EXPECT_EQ(p.column[K(ColumnKind::Type)], 2);
    EXPECT_EQ(p.column[K(ColumnKind::Temp)], 3);
    EXPECT_EQ(p.column[K(ColumnKind::Feu)], 4);
    EXPECT_EQ(p.column[K(ColumnKind::CO2)], -1);
    EXPECT_EQ(p.count, ShownColumnCount(map) - 1);
    EXPECT_EQ(p.kindAt(3), ColumnKind::Temp);
}

TEST_F(PrintColumnsTest, ShownColumnsWithoutProfileLoseNoColumn)
{
    const ColumnMap map = MapShownKinds({ColumnKind::No, ColumnKind::Name, ColumnKind::Temp});
    const PrintColumns p = AssignPrintColumns(PrintMode::ShownColumns, map, {});
    EXPECT_EQ(p.count, 3);
    EXPECT_EQ(p.column[K(ColumnKind::No)], 0);
    EXPECT_EQ(p.column[K(ColumnKind::Temp)], 2);
}

TEST_F(PrintColumnsTest, AllColumnsButProfileInKindOrder)
{
    const PrintColumns p = AssignPrintColumns(PrintMode::AllColumns, InitialColumnMap(), {});
    EXPECT_EQ(p.count, 31);
    EXPECT_EQ(p.column[K(ColumnKind::No)], 0);
    EXPECT_EQ(p.column[K(ColumnKind::Type)], 2);
    EXPECT_EQ(p.column[K(ColumnKind::Profile)], -1);
    EXPECT_EQ(p.column[K(ColumnKind::Temp)], 3);
    EXPECT_EQ(p.column[K(ColumnKind::MessZeit)], 30);
}

TEST_F(PrintColumnsTest, UserDefinitionFromTheSettings)
{
    // Definition 2: Temp moved to position 2 (Name to 5), Feu hidden, and
    // the stored flags hide No and show Profile, which the print overrides.
    SettingsStore& s = Settings();
    s.writeInt("", PositionValueName(2, 5), 2);
    s.writeInt("", PositionValueName(2, 2), 5);
    s.writeInt("", ShownValueName(2, 6), 0);
    s.writeInt("", ShownValueName(2, 1), 0);
    s.writeInt("", ShownValueName(2, 4), 1);
    const PrintColumns p = AssignPrintColumns(2, {}, LoadPrintDefinition(2));
    EXPECT_EQ(p.column[K(ColumnKind::No)], 0);
    EXPECT_EQ(p.column[K(ColumnKind::Temp)], 1);
    EXPECT_EQ(p.column[K(ColumnKind::Type)], 2);
    EXPECT_EQ(p.column[K(ColumnKind::Profile)], -1);
    EXPECT_EQ(p.column[K(ColumnKind::Name)], 3);
    EXPECT_EQ(p.column[K(ColumnKind::Feu)], -1);
    EXPECT_EQ(p.column[K(ColumnKind::Lae)], 4);
    EXPECT_EQ(p.count, 30);

    // Mode 0 follows "BenDef"; a number outside 1..4 means definition 1.
    s.writeInt("", kCurrentDefinitionValue, 2);
    EXPECT_EQ(AssignPrintColumns(0, {}, LoadPrintDefinition(0)).column, p.column);
    s.writeInt("", kCurrentDefinitionValue, 9);
    EXPECT_EQ(AssignPrintColumns(0, {}, LoadPrintDefinition(0)).column[K(ColumnKind::Temp)], 3);
}

TEST_F(PrintColumnsTest, DamagedPositionsStillNumberEveryShownColumn)
{
    ColumnDefinition d = ColumnDefinition::AllInNaturalOrder();
    d.position.fill(7); // every kind claims the same place
    const PrintColumns p = AssignPrintColumns(1, {}, d);
    EXPECT_EQ(p.count, 31);
    std::set<int> columns;
    for (int c : p.column) {
        if (c >= 0)
            columns.insert(c);
    }
    EXPECT_EQ(columns.size(), 31u);
}

TEST(PrintColor, AlwaysColourThenAlwaysBlackWhiteThenPrinter)
{
    EXPECT_TRUE(PrintInColor(true, false, false));
    EXPECT_FALSE(PrintInColor(false, true, true));
    EXPECT_TRUE(PrintInColor(false, false, true));
    EXPECT_FALSE(PrintInColor(false, false, false));
    EXPECT_FALSE(IsColorPrinter(-1));
    EXPECT_FALSE(IsColorPrinter(2));
    EXPECT_TRUE(IsColorPrinter(3));
}
