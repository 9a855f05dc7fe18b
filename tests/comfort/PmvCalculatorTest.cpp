#include "core/AppState.h"
#include "comfort/PmvCalculator.h"

#include <gtest/gtest.h>

using namespace vamok;

namespace {

class PmvCalculatorTest : public ::testing::Test {
protected:
    void SetUp() override { App() = AppState{}; }

    static PmvCalculatorInput IsoExample()
    {
        PmvCalculatorInput in;
        in.airTemperature = "22,0";
        in.humidity = "60";
        in.airVelocity = "0,10";
        in.meanRadiantTemperature = "22,0";
        in.globeMode = false;
        in.clo = "0,50";
        in.met = "1,20";
        return in;
    }
};

TEST_F(PmvCalculatorTest, MeanRadiantInputGivesTheIsoExample)
{
    const PmvCalculatorResult r = CalculatePmv(IsoExample());
    ASSERT_TRUE(r.InputOk());
    EXPECT_EQ(r.pmv16, "-0,75");
    EXPECT_EQ(r.ppd16, "16,8%");
    EXPECT_EQ(r.meanRadiant16, ""); // only in globe mode
    EXPECT_EQ(r.pmv15, "");         // only when asked for
}

TEST_F(PmvCalculatorTest, GlobeInputShowsTheMeanRadiantTemperature)
{
    PmvCalculatorInput in = IsoExample();
    in.globeMode = true;
    in.globeTemperature = "26,0";
    in.airVelocity = "0,30";
    in.meanRadiantTemperature = "not used";
    in.secondColumn = true;
    const PmvCalculatorResult r = CalculatePmv(in);
    ASSERT_TRUE(r.InputOk());
    EXPECT_EQ(r.meanRadiant16, "30,3");
    EXPECT_EQ(r.meanRadiant15, "30,4");
    EXPECT_NE(r.pmv16, "655,35");
}

TEST_F(PmvCalculatorTest, TextsThatAreNoLocaleNumberFail)
{
    PmvCalculatorInput in = IsoExample();
    in.airTemperature = "22.0";
    in.clo = "";
    const PmvCalculatorResult r = CalculatePmv(in);
    EXPECT_FALSE(r.InputOk());
    EXPECT_FALSE(r.airTemperatureOk);
    EXPECT_FALSE(r.cloOk);
    EXPECT_TRUE(r.humidityOk);
    EXPECT_TRUE(r.temperatureOk);
    EXPECT_EQ(r.pmv16, "");

    App().DecimalSep = '.';
    in.clo = "0.50";
    in.airVelocity = "0.10";
    in.meanRadiantTemperature = "22.0";
    in.met = DefaultMetText();
    EXPECT_TRUE(CalculatePmv(in).InputOk());
}

TEST_F(PmvCalculatorTest, OutOfRangeInputShowsTheNoPmvNumber)
{
    PmvCalculatorInput in = IsoExample();
    in.humidity = "100";
    const PmvCalculatorResult r = CalculatePmv(in);
    EXPECT_TRUE(r.InputOk());
    EXPECT_EQ(r.pmv16, "655,35");
    EXPECT_EQ(r.ppd16, ">99%");
}

TEST_F(PmvCalculatorTest, LocaleNumbers)
{
    const struct {
        const char* text;
        std::optional<long double> value;
    } cases[] = {
        {"22,5", 22.5L}, {" -1,25 ", -1.25L}, {"+3", 3.0L}, {",5", 0.5L}, {"7,", 7.0L},
        {"22.5", std::nullopt}, {"1,2,3", std::nullopt}, {"", std::nullopt}, {"-", std::nullopt},
        {"1e3", std::nullopt}, {"12 3", std::nullopt}, {",", std::nullopt},
    };
    for (const auto& c : cases) {
        const std::optional<long double> v = ReadLocaleNumber(c.text, ',');
        ASSERT_EQ(v.has_value(), c.value.has_value()) << c.text;
        if (v) {
            EXPECT_NEAR(static_cast<double>(*v), static_cast<double>(*c.value), 1e-12) << c.text;
        }
    }
}

TEST_F(PmvCalculatorTest, PresetsFollowTheLocale)
{
    EXPECT_EQ(SummerCloText(), "0,60");
    EXPECT_EQ(MeanCloText(), "0,90");
    EXPECT_EQ(WinterCloText(), "1,20");
    EXPECT_EQ(DefaultMetText(), "1,30");
    App().DecimalSep = '.';
    EXPECT_EQ(MeanCloText(), "0.90");
}

} // namespace
