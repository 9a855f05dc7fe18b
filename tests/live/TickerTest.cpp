// The scrolling lines: how the two copies of the text move, and their
// settings in the settings store.
#include "core/MemorySettingsStore.h"
#include "core/SettingsStore.h"
#include "live/TickerMotion.h"
#include "live/TickerSettings.h"

#include <gtest/gtest.h>

#include <utility>

using namespace vamok;

namespace {

std::pair<int, int> Positions(const TickerMotion& m) { return {m.first(), m.second()}; }

TEST(TickerMotion, SecondCopyFollowsAtTheTextWidthPlus21AndTheyTakeTurns)
{
    TickerMotion m;
    m.Restart(10, 150);
    EXPECT_EQ(Positions(m), std::make_pair(0, 150));
    m.Step();
    EXPECT_EQ(Positions(m), std::make_pair(-1, 30));
    m.Step();
    EXPECT_EQ(Positions(m), std::make_pair(-2, 29));
    for (int k = 3; k <= 20; ++k)
        m.Step();
    EXPECT_EQ(Positions(m), std::make_pair(-20, 11));
    m.Step(); // the second copy enters the strip
    EXPECT_EQ(Positions(m), std::make_pair(-21, 9));
    for (int k = 22; k <= 29; ++k)
        m.Step();
    EXPECT_EQ(Positions(m), std::make_pair(-29, 1));
    m.Step(); // the second copy reaches the left edge: the first goes behind it
    EXPECT_EQ(Positions(m), std::make_pair(10, 0));
    m.Step();
    EXPECT_EQ(Positions(m), std::make_pair(30, -1));
    m.Step();
    EXPECT_EQ(Positions(m), std::make_pair(9 + 20, -2));
}

TEST(TickerMotion, ACaptionChangeRestartsAtTheLeftEdge)
{
    TickerMotion m;
    m.Restart(40, 300);
    for (int k = 0; k < 25; ++k)
        m.Step();
    EXPECT_EQ(m.first(), -25);
    m.Restart(80, 300);
    EXPECT_EQ(Positions(m), std::make_pair(0, 300));
    EXPECT_EQ(m.textWidth(), 80);
    m.Step();
    EXPECT_EQ(Positions(m), std::make_pair(-1, 100));
}

class TickerSettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto store = std::make_unique<MemorySettingsStore>();
        store_ = store.get();
        SetSettingsStore(std::move(store));
    }
    void TearDown() override { SetSettingsStore(std::make_unique<MemorySettingsStore>()); }
    MemorySettingsStore* store_ = nullptr;
};

TEST_F(TickerSettingsTest, DefaultsUntilStoredAndSpeedsKeptInRange)
{
    const TickerSettings defaults = LoadTickerSettings();
    EXPECT_EQ(defaults.upperText, "Ingenieurb\xFCro QAL: Innovation, Kreativit\xE4t, Flexibilit\xE4t");
    EXPECT_EQ(defaults.lowerText, "VAMOK rix: DAS Multimessger\xE4t zur komfortablen Arbeitsplatz-Analyse");
    EXPECT_EQ(defaults.upperSpeedMs, 15);
    EXPECT_EQ(defaults.lowerSpeedMs, 15);

    StoreTickerSettings({"oben", "unten", 40, 100});
    EXPECT_EQ(store_->readText("", "NOLauftextOben"), "oben");
    EXPECT_EQ(store_->readInt("", "NOTickSpeedUnten"), 100);
    EXPECT_EQ(LoadTickerSettings(), (TickerSettings{"oben", "unten", 40, 100}));

    // Values from elsewhere are brought into 15..100.
    store_->writeInt("", "NOTickSpeedOben", 1);
    store_->writeInt("", "NOTickSpeedUnten", 5000);
    EXPECT_EQ(LoadTickerSettings().upperSpeedMs, 15);
    EXPECT_EQ(LoadTickerSettings().lowerSpeedMs, 100);
    store_->writeText("", "NOTickSpeedOben", "fast");
    EXPECT_EQ(LoadTickerSettings().upperSpeedMs, 15);
}

TEST_F(TickerSettingsTest, RunFlagsOnlyWhenStored)
{
    EXPECT_EQ(LoadTickerRuns(true), std::nullopt);
    StoreTickerRuns(true, false);
    StoreTickerRuns(false, true);
    EXPECT_EQ(LoadTickerRuns(true), false);
    EXPECT_EQ(LoadTickerRuns(false), true);
    EXPECT_EQ(store_->readInt("", "NOLTObenAktiv"), 0);
    EXPECT_EQ(store_->readInt("", "NOLTUntenAktiv"), 1);
}

} // namespace
