#include "PollerFakes.h"

#include "core/AppState.h"
#include "core/MemorySettingsStore.h"
#include "device/TAPSend.h"
#include "types/TypeLibrary.h"

#include <gtest/gtest.h>

using namespace vamok;

namespace {

const std::string kRixId("VAMOK rix  - Ver 1.2.3SER\x04\xD2\x38\x01", 29);
const std::string kOtherRixId("VAMOK rix  - Ver 1.2.3SER\x00\x2A\x01\x01", 29);
const std::string kAltarimId("VAMOK altarim Ver 1.43SER\x00\x07\x05\x01", 29);
const std::string kValues = std::string("MESSM0\x00\xEBM1\x01\xF4SER", 14);

class PollerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        App() = AppState{};
        App().DecimalSep = '.';
        App().UsbMode = true;
        SetSettingsStore(std::make_unique<MemorySettingsStore>());
        DeviceAnswering = true;
        poller.Start();
    }
    void TearDown() override { DeviceAnswering = false; }

    void Ticks(int n)
    {
        for (int k = 0; k < n; ++k)
            ASSERT_TRUE(timer.fire()) << "timer off at tick " << k;
    }

    ScriptedChannel channel;
    ManualTimer timer;
    RecordingHooks hooks;
    KnownVamokList known;
    PresencePoller poller{channel, timer, hooks, known};
};

} // namespace

TEST_F(PollerTest, FirstTickIdentifiesAndSecondReadsValues)
{
    channel.standing["VeSr"] = kRixId;
    channel.standing["MmCkSr"] = kValues;
    Ticks(2);
    EXPECT_EQ(channel.log, (std::vector<std::string>{"VeSr", "MmCkSr"}));
    EXPECT_TRUE(poller.Present());
    EXPECT_EQ(hooks.panel, "S-No: 1234 / 56 - 00000001");
    EXPECT_EQ(poller.View().VersionText, "VAMOK rix  - Ver 1.2.3");
    EXPECT_TRUE(poller.View().VersionCaptionHidden);
    EXPECT_EQ(App().DeviceVersion, "1.2.3");
    EXPECT_EQ(poller.View().Face, PollerFace::Connected);
    EXPECT_EQ(poller.View().Rows[0], "   23.5");
    EXPECT_EQ(poller.View().Rows[1], "   50.0");
    EXPECT_EQ(poller.View().Rows[2], kNotAvailable);
    ASSERT_EQ(hooks.records.size(), 1u);
    EXPECT_EQ(known.Lines().back(), "S-No: 1234 / 56 - 00000001");
    EXPECT_EQ(hooks.newInstruments, 1);
    EXPECT_EQ(timer.interval(), PresencePoller::kIdleIntervalMs);
    EXPECT_TRUE(timer.isActive());
}

TEST_F(PollerTest, EveryEighthTickIdentifiesAgain)
{
    channel.standing["VeSr"] = kRixId;
    channel.standing["MmCkSr"] = kValues;
    Ticks(17);
    std::vector<std::size_t> identifications;
    for (std::size_t k = 0; k < channel.log.size(); ++k)
        if (channel.log[k] == "VeSr")
            identifications.push_back(k + 1);
    EXPECT_EQ(identifications, (std::vector<std::size_t>{1, 8, 16}));
    EXPECT_EQ(hooks.newInstruments, 1); // the same instrument is synchronised once
}

TEST_F(PollerTest, EmptyValuesReplyShowsNoValuesAndIdentifiesNext)
{
    channel.standing["VeSr"] = kRixId;
    Ticks(3);
    EXPECT_EQ(channel.log, (std::vector<std::string>{"VeSr", "MmCkSr", "VeSr"}));
    for (const auto& row : poller.View().Rows)
        EXPECT_EQ(row, kNotAvailable);
    EXPECT_EQ(hooks.records.at(0)[TVamokAPDatenStrg::AirTemperature], kNotAvailable);
}

TEST_F(PollerTest, LostAfterThreeSilentIdentificationsAndFoundAgain)
{
    channel.standing["VeSr"] = kRixId;
    channel.standing["MmCkSr"] = kValues;
    Ticks(2);
    channel.standing.clear(); // cable pulled
    Ticks(1);                 // values poll fails
    EXPECT_EQ(poller.State(), PollState::Identify);
    Ticks(2); // two silent identifications: not yet lost
    EXPECT_EQ(poller.View().Face, PollerFace::Connected);
    EXPECT_TRUE(poller.Present());
    Ticks(1); // the third
    EXPECT_EQ(poller.View().Face, PollerFace::Lost);
    EXPECT_FALSE(poller.Present());
    EXPECT_EQ(hooks.panel, "VAMOK Seriennummer");
    EXPECT_EQ(poller.View().VersionText, "Suche...");
    EXPECT_EQ(App().DeviceVersion, "");
    EXPECT_EQ(poller.SerialText(), "");
    for (const auto& row : poller.View().Rows)
        EXPECT_EQ(row, kNotAvailable);

    channel.standing["VeSr"] = kRixId; // plugged in again
    Ticks(1);
    EXPECT_EQ(poller.View().Face, PollerFace::Connected);
    EXPECT_TRUE(poller.Present());
    EXPECT_EQ(hooks.panel, "S-No: 1234 / 56 - 00000001");
    EXPECT_EQ(hooks.newInstruments, 1); // same instrument: no new synchronisation
}

TEST_F(PollerTest, AfterStartUpFourSilentTicksMeanLost)
{
    Ticks(3);
    EXPECT_NE(poller.View().Face, PollerFace::Lost);
    Ticks(1);
    EXPECT_EQ(poller.View().Face, PollerFace::Lost);
}

TEST_F(PollerTest, AnotherInstrumentIsSynchronisedAnew)
{
    DeviceTypes().assign(3, TAPDef{});
    channel.scripted["VeSr"] = {kRixId, kOtherRixId, kRixId};
    Ticks(1);
    DeviceTypes().assign(3, TAPDef{});
    Ticks(1); // values poll fails
    Ticks(1); // identifies the other instrument
    EXPECT_EQ(hooks.newInstruments, 2);
    EXPECT_TRUE(DeviceTypes().empty());
    Ticks(2); // first instrument again: known, but not the last one seen
    EXPECT_EQ(hooks.newInstruments, 3);
}

TEST_F(PollerTest, ElevenSilentIdentificationsStopTheWaiting)
{
    Ticks(10);
    EXPECT_TRUE(DeviceAnswering);
    Ticks(1);
    EXPECT_FALSE(DeviceAnswering);
    EXPECT_EQ(poller.SilentCount(), 11);
}

TEST_F(PollerTest, IntervalsAndReset)
{
    poller.ShortenInterval();
    EXPECT_EQ(timer.interval(), PresencePoller::kAnsweringIntervalMs);
    channel.standing["VeSr"] = kRixId;
    Ticks(1);
    EXPECT_EQ(timer.interval(), PresencePoller::kIdleIntervalMs);
    poller.ShortenInterval();
    poller.ResetPoller();
    EXPECT_EQ(timer.interval(), PresencePoller::kIdleIntervalMs);
    EXPECT_EQ(poller.ResetsCount(), 1);
}

TEST_F(PollerTest, TimeoutsFollowTheModel)
{
    channel.standing["VeSr"] = kRixId;
    Ticks(2);
    App().VentiqMode = true;
    Ticks(7);
    EXPECT_EQ(channel.timeouts.at(0), 300);
    EXPECT_EQ(channel.timeouts.at(1), 500);
    EXPECT_EQ(channel.timeouts.at(7), 400);  // 8th tick identifies
    EXPECT_EQ(channel.timeouts.at(8), 1000); // Ventiq values
}

TEST_F(PollerTest, QuadrovanAddsGlobeValues)
{
    App().UsbMode = false;
    App().QuadrovanMode = true;
    App().ComPortNumber = 3;
    channel.standing["VeSr"] = std::string("VAMOK*** Quadrovan ***Ver 0.01SER\x00\x10\x02\x01", 37);
    channel.standing["MmCkSr"] = kValues;
    channel.standing["GVR"] = std::string("\x09\x29\x01\xF4", 4);
    Ticks(2);
    EXPECT_EQ(channel.log, (std::vector<std::string>{"VeSr", "MmCkSr", "GVR"}));
    EXPECT_EQ(poller.View().Rows[12], "   23.4");
    EXPECT_EQ(poller.View().Rows[13], "  500  ");
    EXPECT_EQ(poller.View().PortLabel, "COM3");
    EXPECT_EQ(App().DeviceVersion, "0.01");
    EXPECT_EQ(App().LastVamok, ""); // the command layer records the Quadrovan itself
}

TEST_F(PollerTest, AltarimIsRecordedInTheDeviceHistory)
{
    App().UsbMode = false;
    channel.standing["VeSr"] = kAltarimId;
    Ticks(1);
    EXPECT_EQ(App().LastVamok, "VamokAltarim");
    EXPECT_EQ(Settings().text("LastVamok"), "VamokAltarim");
    EXPECT_TRUE(Settings().flag("Found_Altarim"));
    EXPECT_EQ(App().DeviceVersion, "1.43");
    EXPECT_FALSE(poller.View().VersionCaptionHidden);
}

TEST_F(PollerTest, TypeTransferKeepsTheTickAway)
{
    hooks.typeTransfer = true;
    Ticks(3);
    EXPECT_TRUE(channel.log.empty());
    EXPECT_TRUE(timer.isActive());
}

TEST_F(PollerTest, DiagnosticsInDeveloperMode)
{
    App().DeveloperMode = true;
    Ticks(2);
    EXPECT_EQ(hooks.diagnostics[0], "NoanswerCntMax: 2");
    EXPECT_EQ(hooks.diagnostics[1], "NoanswerCnt: 2");
    EXPECT_EQ(hooks.diagnostics[2], "TimeOut (/ms): 300");
    poller.ResetPoller();
    EXPECT_EQ(hooks.diagnostics[3], "OnTimerResets: 1");
}
