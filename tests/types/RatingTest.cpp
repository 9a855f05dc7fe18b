#include "core/AppState.h"
#include "types/Rating.h"
#include "types/RatingText.h"
#include "types/TypeDefaults.h"
#include "types/TypeLibrary.h"

#include <gtest/gtest.h>

using namespace vamok;

namespace {

class RatingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        App() = AppState{};
        ResetPCTypes();
        PCTypes().push_back(DefaultType());
        TAPDef dust = DefaultType();
        dust.SetName("DUST");
        dust.at(TypeColumn::Target, TypeRow::PM1) = 1;
        dust.at(TypeColumn::Target, TypeRow::Contrast) = 1;
        PCTypes().push_back(dust);
    }
};

struct Case {
    int row;
    const char* text;
    Rating expected;
};

TEST_F(RatingTest, BandsOfThePredefinedType)
{
    const Case cases[] = {
        // temperature 20/21/22/26 with one decimal
        {TypeRow::Temperature, "19,9", kRed},    {TypeRow::Temperature, "20,0", kYellow},
        {TypeRow::Temperature, "20,9", kYellow}, {TypeRow::Temperature, "21,0", kGreen},
        {TypeRow::Temperature, "21,9", kGreen},  {TypeRow::Temperature, "22,0", kYellow},
        {TypeRow::Temperature, "25,9", kYellow}, {TypeRow::Temperature, "26,0", kRed},
        {TypeRow::Temperature, "-5,0", kRed},    {TypeRow::Temperature, "22", kRed}, // needs its decimal
        // illuminance, no decimals
        {TypeRow::Illuminance, "299", kRed},     {TypeRow::Illuminance, "300", kYellow},
        {TypeRow::Illuminance, "399", kYellow},  {TypeRow::Illuminance, "500", kGreen},
        {TypeRow::Illuminance, "30000", kYellow}, {TypeRow::Illuminance, "31000", kRed},
        // air velocity in hundredths, one decimal completed
        {TypeRow::AirVelocity, "0,09", kGreen},  {TypeRow::AirVelocity, "0,1", kYellow},
        {TypeRow::AirVelocity, "0,19", kYellow}, {TypeRow::AirVelocity, "0,20", kRed},
        {TypeRow::AirVelocity, ",05", kGreen},
        // PMV, negative texts are read whole
        {TypeRow::PMV, "-0,71", kRed},           {TypeRow::PMV, "-0,70", kYellow},
        {TypeRow::PMV, "-0,52", kYellow},        {TypeRow::PMV, "-0,5", kGreen},
        {TypeRow::PMV, "0,49", kGreen},          {TypeRow::PMV, "0,50", kYellow},
        {TypeRow::PMV, "0,70", kRed},
        // ratio texts
        {TypeRow::Contrast, "1 / 5,3", kNotRated}, // display target 0
        {TypeRow::LuminanceRatio, "2,9 / 1", kGreen}, {TypeRow::LuminanceRatio, "3,0 / 1", kYellow},
        // CO2 and fine dust use the type's limits
        {TypeRow::CO2, "999", kGreen},           {TypeRow::CO2, "1500", kRed},
        {TypeRow::PM25, "9", kGreen},            {TypeRow::PM25, "10", kYellow},
        {TypeRow::PM10, "40", kRed},             {TypeRow::PM1, "5", kNotRated},
        {TypeRow::TVOC, "100", kNotRated},
        // missing values and rows outside the rated range
        {TypeRow::Temperature, "", kNotRated},   {TypeRow::Temperature, "-", kNotRated},
        {TypeRow::Temperature, "--,-", kNotRated}, {TypeRow::Temperature, "---", kNotRated},
        {TypeRow::AirVelocity, "-,--", kNotRated}, {TypeRow::PMV, "-,--", kNotRated},
        {TypeRow::PMV, "655,35", kNotRated}, // no PMV could be computed
        {TypeRow::Temperature, "-9999,9", kNotRated},
        {TypeRow::Clothing, "0,60", kNotRated},  {0, "21,0", kNotRated}, {19, "21,0", kNotRated},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RateValue(1, c.row, c.text), c.expected) << "row " << c.row << " text '" << c.text << "'";
}

TEST_F(RatingTest, TypesOutsideTheLibraryRateNothing)
{
    EXPECT_EQ(RateValue(0, TypeRow::Temperature, "19,0"), kNotRated);
    EXPECT_EQ(RateValue(3, TypeRow::Temperature, "19,0"), kNotRated);
    EXPECT_EQ(RateValue(-1, TypeRow::Temperature, "19,0"), kNotRated);
    EXPECT_EQ(RateValue(PCTypeIndex("XYZ"), TypeRow::Temperature, "19,0"), kNotRated);
    EXPECT_EQ(RateValue(PCTypeIndex("DUST"), TypeRow::PM1, "15"), kYellow);
    EXPECT_EQ(RateValue(PCTypeIndex("DUST"), TypeRow::Contrast, "1 / 5,3"), kGreen);
}

TEST_F(RatingTest, PointLocaleReadsItsOwnSeparator)
{
    App().DecimalSep = '.';
    EXPECT_EQ(RateValue(1, TypeRow::Temperature, "21.9"), kGreen);
    EXPECT_EQ(RateValue(1, TypeRow::AirVelocity, "0.1"), kYellow);
    EXPECT_EQ(RateValue(1, TypeRow::Temperature, "--.-"), kNotRated);
}

TEST(ReadScaledInt, Texts)
{
    const struct {
        const char* text;
        std::int32_t expected;
    } cases[] = {
        {"21,5", 215},   {"-0,52", -52}, {",5", 5},       {"1 / 5,3", 53}, {"12,0 / 1", 120},
        {"1 / 1 / 2", 0}, {"abc", 7},     {"- 5", 7},      {"1.234", 1234}, {"99999999999", 7},
        {"", 7},         {"1,2,3", 7},    {"500 lx", 500},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadScaledInt(c.text, 7, ','), c.expected) << c.text;
}

TEST(RatingWords, Words)
{
    EXPECT_STREQ(RatingWord(kGreen), "ok");
    EXPECT_STREQ(RatingWord(kYellow), "tb");
    EXPECT_STREQ(RatingWord(kRed), "aG");
    EXPECT_STREQ(RatingWord(kNotRated), "");
}

TEST(RowOfColumn, MapsShownKindsToTheirRows)
{
    std::array<int, 32> map;
    map.fill(-1);
    for (int k = 0; k <= 16; ++k)
        map[k] = k; // the initial layout
    EXPECT_EQ(RowOfColumn(4, map), TypeRow::Temperature);
    EXPECT_EQ(RowOfColumn(12, map), TypeRow::LuminanceRatio);
    EXPECT_EQ(RowOfColumn(15, map), TypeRow::AirVelocity);
    EXPECT_EQ(RowOfColumn(2, map), 0);  // type
    EXPECT_EQ(RowOfColumn(17, map), 0); // no kind there
    EXPECT_EQ(RowOfColumn(-1, map), 0); // hidden kinds
    map[21] = 17;
    map[20] = 18;
    map[29] = 19;
    map[24] = 20;
    EXPECT_EQ(RowOfColumn(17, map), TypeRow::PMV);
    EXPECT_EQ(RowOfColumn(18, map), 0); // globe temperature
    EXPECT_EQ(RowOfColumn(19, map), TypeRow::PM10);
    EXPECT_EQ(RowOfColumn(20, map), TypeRow::NoiseCurrent);
    map[17] = 4; // two kinds in one column: the later one in the list wins
    EXPECT_EQ(RowOfColumn(4, map), TypeRow::CO2);
}

TEST_F(RatingTest, BarLimitsUseFixedFineDustLimits)
{
    EXPECT_EQ(ThresholdBarLimits(1, TypeRow::PM1), (BarLimits{0, 0, 10, 20}));
    EXPECT_EQ(ThresholdBarLimits(1, TypeRow::PM25), (BarLimits{0, 0, 20, 25}));
    EXPECT_EQ(ThresholdBarLimits(1, TypeRow::PM10), (BarLimits{0, 0, 20, 50}));
    EXPECT_EQ(ThresholdBarLimits(1, TypeRow::Temperature), (BarLimits{20, 21, 22, 26}));
    EXPECT_EQ(ThresholdBarLimits(9, TypeRow::Temperature), (BarLimits{0, 0, 0, 0}));
}

} // namespace

TEST(RatingText, SaysTheRatingAndTheHint)
{
    const RatingWords table{{"Bewertung: gr\xFCn", "Bewertung: gelb", "Bewertung: rot"}, {"ok", "tb", "aG"}};
    const RatingWords online{{"Rating: green", "Rating: yellow", "Rating: red"}, {}};
    EXPECT_EQ(SpokenRating(kGreen, table), "Bewertung: gr\xFCn (ok)");
    EXPECT_EQ(SpokenRating(kRed, table), "Bewertung: rot (aG)");
    EXPECT_EQ(SpokenRating(kYellow, online), "Rating: yellow");
    EXPECT_EQ(SpokenRating(kNotRated, table), "");
    EXPECT_EQ(SpokenRating(7, table), "");

    struct Case {
        const char* spoken;
        const char* hint;
        const char* expected;
    };
    const Case cases[] = {
        {"Bewertung: gelb (tb)", "Taupunkt: 12,5\xB0" "C", "Bewertung: gelb (tb). Taupunkt: 12,5\xB0" "C"},
        {"Bewertung: rot (aG)", "L\xE4rm Dauer:\r\n120 s", "Bewertung: rot (aG). L\xE4rm Dauer: 120 s"},
        {"", "M: 120,0   U: 80,0", "M: 120,0   U: 80,0"},
        {"Rating: green", "", "Rating: green"},
        {"", "", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CellDescription(c.spoken, c.hint), c.expected) << c.hint;
}
