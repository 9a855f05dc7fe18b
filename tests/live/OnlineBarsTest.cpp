#include "live/OnlineBars.h"

#include <gtest/gtest.h>

using namespace vamok;

namespace {
TAPDef Limits()
{
    TAPDef t;
    t.SetName("BUER");
    for (int row = 1; row <= 17; ++row)
        for (int col = 1; col <= 4; ++col)
            t.at(col, row) = row * 10 + col;
    return t;
}
} // namespace

TEST(OnlineBars, ScaleLimitsAndValuePerRow)
{
    const TAPDef type = Limits();
    const auto temp = OnlineBarFor(1, "   23,6", &type, ',');
    ASSERT_TRUE(temp);
    EXPECT_EQ(temp->min, 15);
    EXPECT_EQ(temp->max, 30);
    EXPECT_EQ(temp->value, 24);
    EXPECT_EQ(temp->limits, (BarLimits{11, 12, 13, 14}));
    EXPECT_TRUE(temp->stripOn);
    EXPECT_FALSE(temp->bandOn);
    EXPECT_EQ(temp->picture, nullptr);

    const auto wind = OnlineBarFor(10, "    0,12", &type, ',');
    ASSERT_TRUE(wind);
    EXPECT_EQ(wind->value, 12); // m/s in hundredths
    EXPECT_EQ(wind->limits, (BarLimits{101, 102, 103, 104}));

    const auto pmv = OnlineBarFor(17, "   -0,45", &type, ',');
    ASSERT_TRUE(pmv);
    EXPECT_EQ(pmv->min, -300);
    EXPECT_EQ(pmv->value, -45);

    const auto pm10 = OnlineBarFor(20, "   35  ", &type, ',');
    ASSERT_TRUE(pm10);
    EXPECT_EQ(pm10->limits, (BarLimits{0, 0, 20, 50})); // fixed fine-dust limits
}

TEST(OnlineBars, NoBar)
{
    const TAPDef type = Limits();
    for (int row : {8, 11, 12, 13, 0, 21})
        EXPECT_FALSE(OnlineBarFor(row, "   3,5", &type, ',')) << row;
    EXPECT_FALSE(OnlineBarFor(1, "   -NA-", &type, ','));
    EXPECT_FALSE(OnlineBarFor(1, "", &type, ','));
    EXPECT_FALSE(OnlineBarFor(1, "   23,6", nullptr, ',')); // only the placeholder type
}

TEST(OnlineBars, RatingIsTheBandOfTheValue)
{
    // Limits 19, 20, 26, 27 as whole degrees; the value as the bar gets it.
    TAPDef type;
    type.SetName("BUER");
    type.at(TypeColumn::RedToYellow, TypeRow::Temperature) = 19;
    type.at(TypeColumn::YellowToGreen, TypeRow::Temperature) = 20;
    type.at(TypeColumn::GreenToYellow, TypeRow::Temperature) = 26;
    type.at(TypeColumn::YellowToRed, TypeRow::Temperature) = 27;
    const std::pair<const char*, Rating> cases[] = {
        {"   18,4", kRed},   {"   19,0", kYellow}, {"   20,0", kGreen}, {"   25,4", kGreen},
        {"   26,0", kYellow}, {"   27,0", kRed},  {"   45,0", kRed}, // beyond the scale's end: still red
    };
    for (const auto& [text, expected] : cases) {
        const auto bar = OnlineBarFor(1, text, &type, ',');
        ASSERT_TRUE(bar) << text;
        EXPECT_EQ(BarRating(*bar), expected) << text;
    }
    // Fine dust against its fixed limits 0, 0, 20, 50.
    EXPECT_EQ(BarRating(*OnlineBarFor(20, "   12  ", &type, ',')), kGreen);
    EXPECT_EQ(BarRating(*OnlineBarFor(20, "   35  ", &type, ',')), kYellow);
}
