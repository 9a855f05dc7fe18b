#include "core/AppState.h"
#include "core/Switches.h"

#include <gtest/gtest.h>

using namespace vamok;

namespace {

struct SwitchCase {
    std::vector<std::string> args;
    bool developer, tradeFair, sensorTest, serialDebug, turbulence, turbulence3;
};

// Start every flag off, so each switch shows what it sets.
void ClearModes()
{
    App() = AppState{};
    App().PrintPreview = App().TurbulenceMode = App().Turbulence3Mode = false;
}

} // namespace

TEST(Switches, TableOfArguments)
{
    const std::vector<SwitchCase> cases = {
        {{"vamok.exe", "zorke_test"}, true, false, false, false, false, false},
        {{"vamok.exe", "ZorkesMode"}, true, false, false, false, false, false},
        {{"vamok.exe", "TURB3"}, false, false, false, false, true, true},
        {{"vamok.exe", "turb"}, false, false, false, false, true, false},
        {{"vamok.exe", "MESSE_TURB3"}, false, true, false, false, false, false},
        {{"vamok.exe", "senstest", "SerDebug"}, false, false, true, true, false, false},
        // One argument sets one switch: the first in test order wins.
        {{"vamok.exe", "SERDEBUGZORKE"}, true, false, false, false, false, false},
        // Argument 0 is the program itself and never a switch.
        {{"C:\\ZORKE\\MESSE.exe"}, false, false, false, false, false, false},
        {{"vamok.exe", "messe.vam"}, false, true, false, false, false, false},
        {{}, false, false, false, false, false, false},
    };
    for (const SwitchCase& c : cases) {
        ClearModes();
        ScanSwitches(c.args);
        const std::string where = c.args.empty() ? "(none)" : c.args.back();
        EXPECT_EQ(App().DeveloperMode, c.developer) << where;
        EXPECT_EQ(App().TradeFairMode, c.tradeFair) << where;
        EXPECT_EQ(App().SensorTestMode, c.sensorTest) << where;
        EXPECT_EQ(App().SerialDebugMode, c.serialDebug) << where;
        EXPECT_EQ(App().TurbulenceMode, c.turbulence) << where;
        EXPECT_EQ(App().Turbulence3Mode, c.turbulence3) << where;
    }
    ClearModes();
    ScanSwitches({"x", "vorschau"});
    EXPECT_TRUE(App().PrintPreview);
    App() = AppState{};
}

TEST(Switches, MasterCollectionNeedsTheWholeArgument)
{
    EXPECT_TRUE(IsMasterCollection({"SprachInit"}));
    EXPECT_TRUE(IsMasterCollection({"vamok.exe", "x", "sprachinit"}));
    EXPECT_FALSE(IsMasterCollection({"vamok.exe", "SPRACHINIT2"}));
    EXPECT_FALSE(IsMasterCollection({}));
}

TEST(Switches, DataFileIsTheFirstArgumentWithVam)
{
    EXPECT_EQ(DataFileArgument({"vamok.exe", "zorke", "/home/a/Messung.Vam", "b.VAM"}),
              "/home/a/Messung.Vam");
    EXPECT_EQ(DataFileArgument({"/opt/x.vamok/vamok", "a.vam"}), "/opt/x.vamok/vamok");
    EXPECT_EQ(DataFileArgument({"vamok.exe", "MESSE.vaml"}), "MESSE.vaml");
    EXPECT_EQ(DataFileArgument({"vamok.exe", "vam"}), "");
}
