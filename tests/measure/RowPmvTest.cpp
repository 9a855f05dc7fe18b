// The air velocity that feeds a row's PMV, and the row's PMV texts.
#include "core/AppState.h"
#include "comfort/Pmv.h"
#include "measure/RowFormatting.h"
#include "measure/RowPmv.h"
#include "types/TypeLibrary.h"

#include <gtest/gtest.h>

using namespace vamok;

namespace {

RowTexts Winds(const char* wind, const char* i, const char* ii, const char* iii)
{
    RowTexts t;
    t.Wind = wind;
    t.WindI = i;
    t.WindII = ii;
    t.WindIII = iii;
    return t;
}

// A type with the ISO 7730 example's clothing: 0,5 / 1,0 / 1,5 clo, 1,2 met.
void InstallOfficeType()
{
    ResetPCTypes();
    TAPDef office;
    office.SetName("OFFI");
    office.at(1, TypeRow::Clothing) = 50;
    office.at(2, TypeRow::Clothing) = 100;
    office.at(3, TypeRow::Clothing) = 150;
    office.at(4, TypeRow::Clothing) = 120;
    office.SetMarker();
    PCTypes().push_back(office);
}

class RowPmv : public testing::Test {
protected:
    void SetUp() override
    {
        App() = AppState{};
        App().DecimalSep = ',';
        InstallOfficeType();
    }
    void TearDown() override
    {
        App() = AppState{};
        ResetPCTypes();
    }

    // ta = tr 22,0 degrees, 60 % humidity, 0,10 m/s single value.
    static RowTexts IsoExample()
    {
        RowTexts t = RowTexts::Cleared(',');
        t.Type = "OFFI";
        t.Temp = "22,0";
        t.GT = "22,0";
        t.Feu = "60,0";
        t.Wind = "0,10";
        return t;
    }
    static PmvSettings MeanRadiantSingleValue()
    {
        PmvSettings s;
        s.radiantIsGlobe = false;
        s.airVelocitySetting = 2;
        return s;
    }
};

} // namespace

TEST(AirVelocityForPmv, ChoiceTable)
{
    struct Case {
        int setting;
        RowTexts texts;
        int expected;
    };
    const RowTexts usual = Winds("0,30", "0,12", "0,15", "0,21");
    for (const Case& c : {
             Case{0, usual, (12 + 15 + 21) / 3}, Case{1, usual, 12}, Case{2, usual, 30},
             Case{3, usual, (12 + 15 + 21) / 3}, Case{4, usual, 15}, Case{5, usual, 21},
             Case{9, usual, 30}, Case{-1, usual, 30},
             // A missing series value takes no part in the mean.
             Case{3, Winds("0,30", "0,12", "-,--", "6,00"), 12},
             Case{3, Winds("0,30", "0,12", "", "0,13"), 12},
             Case{0, Winds("0,30", "0,12", "-,--", "0,14"), 13},
             // Nothing usable in the series: the single value.
             Case{3, Winds("0,30", "5,01", "6,00", "7,00"), 30},
             Case{3, Winds("0,30", "-,--", "-,--", "-,--"), 30},
             Case{3, Winds("0,30", "5,00", "0,00", "-,--"), 250},
             Case{0, Winds("0,30", "-,--", "", "-,--"), 0},
             Case{1, Winds("0,30", "-,--", "", "-,--"), 0},
         }) {
        EXPECT_EQ(AirVelocityForPmv(c.texts, c.setting), c.expected)
            << c.setting << " " << c.texts.WindI << " " << c.texts.WindII << " " << c.texts.WindIII;
    }
}

TEST_F(RowPmv, SeasonsUseTheClothingOfTheRowsType)
{
    RowTexts t = IsoExample();
    const PmvSettings s = MeanRadiantSingleValue();
    EXPECT_EQ(SeasonPmv(t, 1, s), -75);
    EXPECT_EQ(SeasonPmvText(t, 1, s), "-0,75");
    EXPECT_EQ(SeasonPmv(t, 2, s), ComputePMV(220, 220, 600, false, false, 120, 100, 10));
    EXPECT_EQ(SeasonPmv(t, 3, s), ComputePMV(220, 220, 600, false, false, 120, 150, 10));
    UpdateRowPmvTexts(t, s);
    EXPECT_EQ(t.PMV1, "-0,75");
    EXPECT_EQ(t.PMV2, PMVText(ComputePMV(220, 220, 600, false, false, 120, 100, 10)));
    EXPECT_NE(t.PMV2, t.PMV3);
}

TEST_F(RowPmv, GlobeTemperatureIsConvertedWithTheChosenGlobe)
{
    RowTexts t = IsoExample();
    t.GT = "24,0";
    PmvSettings s = MeanRadiantSingleValue();
    s.radiantIsGlobe = true;
    EXPECT_EQ(SeasonPmv(t, 1, s), ComputePMV(220, 240, 600, false, true, 120, 50, 10));
    s.smallGlobe = true;
    EXPECT_EQ(SeasonPmv(t, 1, s), ComputePMV(220, 240, 600, true, true, 120, 50, 10));
}

TEST_F(RowPmv, EmptyGlobeTemperatureGivesEmptyTextsAndUnknownTypeGivesNone)
{
    RowTexts t = IsoExample();
    t.GT = "";
    UpdateRowPmvTexts(t, MeanRadiantSingleValue());
    EXPECT_EQ(t.PMV1, "");
    EXPECT_EQ(t.PMV3, "");

    RowTexts unknown = IsoExample();
    unknown.Type = "XXXX";
    UpdateRowPmvTexts(unknown, MeanRadiantSingleValue());
    EXPECT_EQ(unknown.PMV1, "655,35");
    EXPECT_TRUE(IsNoPmvText(unknown.PMV1));
}

TEST_F(RowPmv, RecomputingAllRowsFollowsAChangedAirVelocityChoice)
{
    MeasurementTable table;
    table.row(4).texts = IsoExample();
    table.row(4).texts.WindI = "0,30";
    UpdateRowPmvTexts(table.row(4).texts, MeanRadiantSingleValue());
    const std::string before = table.row(4).texts.PMV1;
    App().MeasurementsModified = false;

    // Same inputs: nothing changes, the table stays unmodified.
    EXPECT_FALSE(RecomputeAllPmvTexts(table, MeanRadiantSingleValue()));
    EXPECT_FALSE(App().MeasurementsModified);

    PmvSettings seriesI = MeanRadiantSingleValue();
    seriesI.airVelocitySetting = 1;
    EXPECT_TRUE(RecomputeAllPmvTexts(table, seriesI));
    EXPECT_TRUE(App().MeasurementsModified);
    EXPECT_NE(table.row(4).texts.PMV1, before);
    EXPECT_EQ(table.row(4).texts.PMV1,
              PMVText(ComputePMV(220, 220, 600, false, false, 120, 50, 30)));
    // Rows without temperature and humidity keep their texts.
    EXPECT_EQ(table.row(5).texts.PMV1, "-,--");
}
