#include "core/AppState.h"
#include "comfort/Pmv.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace vamok;

namespace {

class PmvTest : public ::testing::Test {
protected:
    void SetUp() override { App() = AppState{}; }
};

// ta, tr, v, rh, met, clo (scaled) and the expected PMV x 100.
struct Conditions {
    int ta10, tr10, v100, rh10, met100, clo100, pmv100;
};

TEST_F(PmvTest, WorkedExamples)
{
    EXPECT_EQ(ComputePMV(220, 220, 600, false, false, 120, 50, 10), -75);
    EXPECT_EQ(ComputePMV(270, 270, 600, false, false, 120, 50, 10), 77);
    EXPECT_EQ(ComputePMV(220, 220, 500, false, false, 120, 100, 10), 9);
    EXPECT_EQ(PPDText("-0,75"), "16,8%");
}

TEST_F(PmvTest, AgreesWithTheIsoTableOfExamples)
{
    const Conditions table[] = {
        {235, 255, 10, 600, 120, 50, -1},  {235, 255, 30, 600, 120, 50, -55},
        {190, 190, 10, 400, 120, 100, -60}, {235, 235, 30, 400, 120, 100, 12},
        {220, 220, 10, 600, 160, 50, 5},   {270, 270, 10, 600, 160, 50, 117},
        {270, 270, 30, 600, 160, 50, 95},
    };
    for (const Conditions& c : table)
        EXPECT_EQ(ComputePMV(c.ta10, c.tr10, c.rh10, false, false, c.met100, c.clo100, c.v100), c.pmv100)
            << c.ta10 << "/" << c.tr10 << "/" << c.v100 << "/" << c.rh10 << "/" << c.met100 << "/" << c.clo100;
}

TEST_F(PmvTest, InputsOutsideTheValidRangesGiveNoPmv)
{
    const Conditions good{220, 220, 10, 600, 120, 50, 0};
    const auto pmv = [](const Conditions& c) {
        return ComputePMV(c.ta10, c.tr10, c.rh10, false, false, c.met100, c.clo100, c.v100);
    };
    ASSERT_NE(pmv(good), kNoPMV);
    const struct {
        int Conditions::*field;
        int low, high;
    } ranges[] = {
        {&Conditions::ta10, 1, 500},     {&Conditions::tr10, 1, 500},    {&Conditions::rh10, 1, 999},
        {&Conditions::v100, 0, 500},     {&Conditions::clo100, 1, 1000}, {&Conditions::met100, 1, 1000},
    };
    for (const auto& r : ranges) {
        Conditions c = good;
        c.*r.field = r.low;
        EXPECT_NE(pmv(c), kNoPMV) << r.low;
        c.*r.field = r.high;
        EXPECT_NE(pmv(c), kNoPMV) << r.high;
        c.*r.field = r.low - 1;
        EXPECT_EQ(pmv(c), kNoPMV) << r.low - 1;
        c.*r.field = r.high + 1;
        EXPECT_EQ(pmv(c), kNoPMV) << r.high + 1;
    }
}

TEST_F(PmvTest, GlobeConversion)
{
    // tg = ta: no convective correction, tr = tg.
    EXPECT_EQ(ComputeTmrt(10, 250, 250, kGlobeDiameter), 2500);
    // Still air: natural convection only, so the air velocity's power is
    // not needed; a warmer globe means a warmer radiant field.
    const int still = ComputeTmrt(0, 300, 250, kGlobeDiameter);
    const long double hNatural = 1.4L * std::pow(5.0L / 0.16L, 0.25L);
    const long double expected = std::pow(std::pow(303.0L, 4) + hNatural * 5 * 17636684.0L / 0.95L, 0.25L) - 273;
    EXPECT_EQ(still, static_cast<int>(std::nearbyint(expected * 100)));
    // Forced convection at higher air velocity increases the correction,
    // the more so for the smaller globe.
    EXPECT_GT(ComputeTmrt(100, 300, 250, kGlobeDiameter), still);
    EXPECT_GT(ComputeTmrt(100, 300, 250, kStandardGlobeDiameter), ComputeTmrt(100, 300, 250, kGlobeDiameter));
    // A globe far below the air at high air velocity: R < 0.
    EXPECT_EQ(ComputeTmrt(500, 0, 400, kGlobeDiameter), kNoTmrt);
    EXPECT_EQ(ComputePMV(400, 0, 500, false, true, 120, 50, 500), kNoPMV);
    // A negative air velocity has no power: no value.
    EXPECT_EQ(ComputeTmrt(-10, 300, 250, kGlobeDiameter), kNoTmrt);
}

TEST_F(PmvTest, GlobeFlagConvertsBeforeComputing)
{
    const int tr100 = ComputeTmrt(50, 280, 220, kGlobeDiameter);
    EXPECT_EQ(ComputePMV(220, 280, 500, false, true, 120, 90, 50),
              ComputePMV(220, tr100 / 10, 500, false, false, 120, 90, 50));
    const int tr15 = ComputeTmrt(50, 280, 220, kStandardGlobeDiameter);
    ASSERT_NE(tr15 / 10, tr100 / 10);
    EXPECT_EQ(ComputePMV(220, 280, 500, true, true, 120, 90, 50),
              ComputePMV(220, tr15 / 10, 500, false, false, 120, 90, 50));
}

TEST_F(PmvTest, StillAirUsesNaturalConvectionAtTheClothing)
{
    // At 0,01 m/s the forced term is already below the natural one, so still
    // air must give the same result.
    EXPECT_EQ(ComputePMV(220, 220, 500, false, false, 100, 100, 0),
              ComputePMV(220, 220, 500, false, false, 100, 100, 1));
    EXPECT_NE(ComputePMV(220, 220, 500, false, false, 100, 100, 0), kNoPMV);
}

TEST_F(PmvTest, PpdTexts)
{
    const struct {
        const char* pmv;
        const char* ppd;
    } cases[] = {
        {"0,00", "5,0%"}, {"-,--", ">99%"}, {"", "5,0%"}, {"0", "5,0%"},
        {"3,00", "99,1%"}, {"3,5", ">99%"}, {"655,35", ">99%"}, {"-0,75", "16,8%"}, {"0,77", "17,5%"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PPDText(c.pmv), c.ppd) << c.pmv;
}

TEST_F(PmvTest, PointLocaleGivesTheSamePpd)
{
    App().DecimalSep = '.';
    EXPECT_EQ(PPDText("-0.75"), "16.8%");
    EXPECT_EQ(PPDText("0.5"), PPDText("0.50"));
    EXPECT_EQ(PPDText("-.--"), ">99%");
    EXPECT_EQ(PMVText(-75), "-0.75");
    App().DecimalSep = ',';
    EXPECT_EQ(PMVText(-75), "-0,75");
    EXPECT_EQ(PMVText(kNoPMV), "655,35");
    EXPECT_EQ(PMVText(5), "0,05");
}

TEST_F(PmvTest, TmrtTexts)
{
    EXPECT_EQ(TmrtText("25,0", "25,0", 10), "25,00 \xB0" "C");
    EXPECT_EQ(TmrtText("", "25,0", 10), "--.- \xB0" "C");
    EXPECT_EQ(TmrtText("40,0", "0,0", 500), "--.- \xB0" "C");
    const int tr100 = ComputeTmrt(20, 262, 221, kGlobeDiameter);
    char expected[32];
    std::snprintf(expected, sizeof expected, "%d,%02d \xB0" "C", tr100 / 100, tr100 % 100);
    EXPECT_EQ(TmrtText("22,1", "26,2", 20), expected);
}

} // namespace
