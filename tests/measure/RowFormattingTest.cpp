// Display texts of a row: fixed-decimal numbers, ratio texts, the three
// formatting scopes, the cleared row.
#include "core/AppState.h"
#include "measure/MeasurementTable.h"
#include "measure/RowFormatting.h"
#include "types/TypeLibrary.h"

#include <gtest/gtest.h>

using namespace vamok;

namespace {

class RowFormatting : public testing::Test {
protected:
    void SetUp() override
    {
        App() = AppState{};
        App().DecimalSep = ',';
        ResetPCTypes();
    }
    void TearDown() override { App() = AppState{}; }
};

} // namespace

TEST(FormatFixed, Table)
{
    struct Case {
        std::int32_t value;
        int decimals;
        char sep;
        const char* text;
    };
    for (const Case c : {
             Case{235, 1, ',', "23,5"}, Case{5, 2, ',', "0,05"}, Case{-5, 2, ',', "-0,05"},
             Case{0, 1, ',', "0,0"}, Case{0, 0, ',', "0"}, Case{-1234, 1, ',', "-123,4"},
             Case{7, 1, ',', "0,7"}, Case{NoValue, 0, ',', "---"}, Case{NoValue, 1, ',', "--,-"},
             Case{NoValue, 2, ',', "-,--"}, Case{NoValue, 2, '.', "-.--"}, Case{512, 0, ',', "512"},
             Case{-131071, 1, ',', "-13107,1"}, Case{65535, 2, '.', "655.35"},
             Case{INT32_MIN, 1, ',', "-214748364,8"}, Case{INT32_MAX, 0, ',', "2147483647"},
         }) {
        EXPECT_EQ(formatFixed(c.value, c.decimals, c.sep), c.text) << c.value << "/" << c.decimals;
    }
}

TEST(RatioText, PutsTheOneOnTheSideOfTheSmallerLuminance)
{
    EXPECT_EQ(RatioText(85, 10, 850, ','), "1 / 8,5");
    EXPECT_EQ(RatioText(85, 850, 10, ','), "8,5 / 1");
    EXPECT_EQ(RatioText(85, 10, 10, ','), "1 / 8,5");
    EXPECT_EQ(RatioText(NoValue, 0, 0, ','), "1 / --,-");
}

TEST_F(RowFormatting, ClearedRowHoldsOnlyTypeProfileAndPmvMarkers)
{
    MeasurementTable table;
    const WorkplaceRow& row = table.row(99);
    for (const FieldInfo& f : AllFields()) {
        const std::string& text = row.texts[f.field];
        if (f.field == Field::Type)
            EXPECT_EQ(text, "VAM ");
        else if (f.field == Field::Profile)
            EXPECT_EQ(text, "1");
        else if (f.isComputed)
            EXPECT_EQ(text, "-,--");
        else
            EXPECT_EQ(text, "") << f.name;
    }
    for (Field f : {Field::Wind, Field::WindI, Field::WindII, Field::WindIII, Field::Tu,
                    Field::TuI, Field::TuII, Field::TuIII})
        EXPECT_EQ(*row.raw.number(f), NoValue);
    EXPECT_EQ(row.raw.Temp, 0);
    EXPECT_THROW(table.row(0), std::out_of_range);
    EXPECT_THROW(table.row(100), std::out_of_range);
}

TEST_F(RowFormatting, ClearingOneRowKeepsItsRawReadings)
{
    MeasurementTable table;
    table.row(3).raw.Temp = 215;
    table.row(3).texts.Temp = "21,5";
    table.row(3).ratings[Field::Temp] = 1;
    table.clearRow(3);
    EXPECT_EQ(table.row(3).raw.Temp, 215);
    EXPECT_EQ(table.row(3).texts.Temp, "");
    EXPECT_EQ(table.row(3).ratings[Field::Temp], 0);
}

TEST_F(RowFormatting, FullScopeFormatsEveryFieldWithItsDecimals)
{
    WorkplaceRow row;
    row.raw.Name = "B\xFCro 1";
    row.raw.Type = "B\xDCRO";
    row.raw.Profile = "3";
    row.raw.MessZeit = "01.01.2000 00:01:00";
    row.raw.Temp = -100;
    row.raw.Feu = NoValue;
    row.raw.Bel = 512;
    row.raw.SWK = 85;
    row.raw.LdS = 10;
    row.raw.LdW = 850;
    row.raw.MUK = 30;
    row.raw.LdMon = 300;
    row.raw.LdUmg = 100;
    row.raw.Wind = 5;
    row.raw.GT = NoValue;
    row.raw.Emiss = 95;
    row.raw.TuIII = 12;
    FormatRowTexts(row, FormatScope::Full, PmvSettings{});
    EXPECT_EQ(row.texts.Name, "B\xFCro 1");
    EXPECT_EQ(row.texts.Type, "B\xDCRO");
    EXPECT_EQ(row.texts.Profile, "3");
    EXPECT_EQ(row.texts.MessZeit, "01.01.2000 00:01:00");
    EXPECT_EQ(row.texts.Temp, "-10,0");
    EXPECT_EQ(row.texts.Feu, "--,-");
    EXPECT_EQ(row.texts.Bel, "512");
    EXPECT_EQ(row.texts.SWK, "1 / 8,5");
    EXPECT_EQ(row.texts.MUK, "3,0 / 1");
    EXPECT_EQ(row.texts.LdS, "1,0");
    EXPECT_EQ(row.texts.Wind, "0,05");
    EXPECT_EQ(row.texts.WindI, "-,--");
    EXPECT_EQ(row.texts.GT, "--,-");
    EXPECT_EQ(row.texts.Emiss, "0,95");
    EXPECT_EQ(row.texts.TuIII, "12");
    EXPECT_EQ(row.texts.Tu, "---");
    EXPECT_EQ(row.texts.CO2, "0");
    // GT is not empty, so the PMV texts were computed (no such type: none).
    EXPECT_EQ(row.texts.PMV1, "655,35");
}

TEST_F(RowFormatting, PartialScopesTouchOnlyTheirFields)
{
    WorkplaceRow row;
    row.raw.Temp = 215;
    row.raw.GT = 234;
    row.raw.CO2 = 812;
    row.raw.Emiss = 95;
    row.raw.Wind = 12;
    row.raw.Tu = 40;
    row.raw.MessZeit = "01.01.2000";
    row.raw.Name = "new";
    row.texts = RowTexts::Cleared(',');
    row.texts.Name = "old";

    WorkplaceRow addOn = row;
    FormatRowTexts(addOn, FormatScope::AddOn, PmvSettings{});
    EXPECT_EQ(addOn.texts.GT, "23,4");
    EXPECT_EQ(addOn.texts.CO2, "812");
    EXPECT_EQ(addOn.texts.Emiss, "0,95");
    EXPECT_EQ(addOn.texts.TIR, "0,0");
    EXPECT_EQ(addOn.texts.Temp, "");
    EXPECT_EQ(addOn.texts.Wind, "");
    EXPECT_EQ(addOn.texts.Name, "old");
    EXPECT_EQ(addOn.texts.MessZeit, "");

    WorkplaceRow air = row;
    FormatRowTexts(air, FormatScope::AirVelocity, PmvSettings{});
    EXPECT_EQ(air.texts.Wind, "0,12");
    EXPECT_EQ(air.texts.WindI, "-,--");
    EXPECT_EQ(air.texts.Tu, "40");
    EXPECT_EQ(air.texts.MessZeit, "01.01.2000");
    EXPECT_EQ(air.texts.Temp, "");
    EXPECT_EQ(air.texts.GT, "");
    EXPECT_EQ(air.texts.Name, "old");
    EXPECT_EQ(air.texts.PMV1, "-,--");
}

TEST(FieldTable, NamesAndKindsAgree)
{
    EXPECT_EQ(FieldByName("WindTIII"), Field::WindTIII);
    EXPECT_FALSE(FieldByName("Nope"));
    EXPECT_EQ(KindOfField(Field::GT), ColumnKind::GT);
    EXPECT_FALSE(KindOfField(Field::LdS));
    int rated = 0;
    for (const auto& k : AllColumnKinds())
        if (k.ratingQuantity > 0) {
            ++rated;
            EXPECT_TRUE(IsRatedField(*k.field)) << k.key;
        }
    EXPECT_EQ(rated, 23);
    const ColumnMap initial = InitialColumnMap();
    EXPECT_EQ(initial[16], 16);
    EXPECT_EQ(initial[17], -1);
}
