#include "core/AppState.h"
#include "core/MemorySettingsStore.h"
#include "device/ComOptionWindow.h"
#include "device/TAPSend.h"
#include "live/PollerFakes.h"
#include "live/PresencePoller.h"
#include "support/SimProcess.h"
#include "support/TempDir.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace vamok;

namespace {

class ComOptionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        App() = AppState{};
        App().UsbMode = true;
        SetSettingsStore(std::make_unique<MemorySettingsStore>());
        DeviceAnswering = false;
        window.SetPortSource([this] { return ports; });
        window.setLinks({&poller, nullptr, {}, {}, {}, {}, {},
                         [this](const std::string& text, const std::string& caption) {
                             messages.push_back(caption + "|" + text);
                         }});
        poller.Start();
        window.show();
    }
    void TearDown() override { DeviceAnswering = false; }

    std::vector<SerialCandidate> ports;
    std::vector<std::string> messages;
    TAPSend link;
    ScriptedChannel channel;
    ManualTimer timer;
    RecordingHooks hooks;
    KnownVamokList known;
    PresencePoller poller{channel, timer, hooks, known};
    TComOption window{link};
};

} // namespace

TEST_F(ComOptionTest, ShowsTheLinkFromTheFlags)
{
    EXPECT_TRUE(window.VAMOKRixCom->isChecked());
    EXPECT_FALSE(window.ComBox->isEnabled());
    EXPECT_TRUE(window.ShowVAMOKrix->isEnabled());
    EXPECT_EQ(window.windowTitle(), "Einstellungen");
}

TEST_F(ComOptionTest, EnteringTheQuadrovanSwitchesToTheSerialFamily)
{
    window.EnterRadio(LinkRadio::Globe);
    EXPECT_TRUE(window.UseVAMOKAltarim->isChecked());
    EXPECT_TRUE(window.GlobeCom->isChecked());
    EXPECT_FALSE(window.VAMOKCom->isChecked());
    EXPECT_FALSE(window.VAMOKRixCom->isChecked());
    EXPECT_TRUE(App().QuadrovanMode);
    EXPECT_FALSE(App().UsbMode);
    EXPECT_TRUE(window.ComBox->isEnabled());
    EXPECT_TRUE(window.SearchVamok->isEnabled());
    EXPECT_FALSE(window.ShowVAMOKrix->isEnabled());
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    window.VentiqCom->setFocus(Qt::TabFocusReason); // entering a radio button acts
    EXPECT_TRUE(window.VentiqCom->isChecked());
    EXPECT_TRUE(App().UsbMode);
    EXPECT_TRUE(App().VentiqMode);
    window.VAMOKRixCom->setFocus(Qt::ActiveWindowFocusReason); // the window coming back does not
    EXPECT_TRUE(App().VentiqMode);
}

TEST_F(ComOptionTest, OkWithVentiqStoresTheUsbFlagsAndLeavesTheSerialPortAlone)
{
    window.EnterRadio(LinkRadio::Ventiq);
    window.Button1Click();
    EXPECT_EQ(Settings().integer("RixUSB", -1), 1);
    EXPECT_EQ(Settings().integer("VentiqUSB", -1), 1);
    EXPECT_EQ(Settings().integer("GlobeCom", -1), 0);
    EXPECT_FALSE(link.IsPortOpen());
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(timer.isActive());
    EXPECT_EQ(poller.ResetsCount(), 1);
}

TEST_F(ComOptionTest, OkWithAPortThatCannotBeOpenedSavesNothing)
{
    window.EnterRadio(LinkRadio::Altarim);
    window.DevicePathEdit->setText("/nonexistent/ttyX");
    window.Button1Click();
    EXPECT_EQ(messages, (std::vector<std::string>{"Hinweis|Schnittstelle kann nicht ge\xF6" "ffnet werden!"}));
    EXPECT_FALSE(Settings().exists("", "CommPort"));
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(timer.isActive());
}

TEST_F(ComOptionTest, CheckWithoutPortsReportsNoneTwice)
{
    window.EnterRadio(LinkRadio::Altarim);
    window.CheckComClick();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("Freie Schnittstellen:\r\nKeine\r\nBelegte Schnittstellen:\r\nKeine\r\n"),
              std::string::npos);
    EXPECT_EQ(messages[0].substr(0, 8), "Achtung|");
    EXPECT_TRUE(timer.isActive()); // resumed
    EXPECT_FALSE(InstrumentDialogue::Busy());
}

TEST_F(ComOptionTest, SearchParksThePollerReportsTheHeldPortAndFindsTheSimulator)
{
    TempDir dir;
    dir.write("s.json", R"({"model": "VAMOK altarim", "firmware": "2.10", "serial": 1234, "series": 56})");
    SimProcess sim("altarim", dir.file("s.json"));
    ports = {{"COM1", 1, "/nonexistent/ttyUSB0"}, {"COM2", 2, "/nonexistent/ttyUSB1"}};
    window.DevicePathEdit->setText(QString::fromStdString(sim.ptyPath()));
    bool pollerRanDuringSearch = false;
    channel.duringSend = [&](const std::string&) { pollerRanDuringSearch = true; };
    window.SearchVamokClick();
    EXPECT_FALSE(pollerRanDuringSearch);
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[0], "Hinweis|Schnittstelle kann nicht ge\xF6" "ffnet werden!");
    EXPECT_EQ(messages[1], messages[0]);
    EXPECT_EQ(messages[2], "Achtung|VAMOK gefunden an\r\n" + sim.ptyPath());
    EXPECT_FALSE(App().UsbMode);
    EXPECT_FALSE(App().QuadrovanMode);
    EXPECT_TRUE(link.IsPortOpen());
    EXPECT_EQ(window.ListedPorts(), (std::vector<std::string>{"COM1", "COM2"}));
}

TEST_F(ComOptionTest, DemoInstrumentIsForThisRunOnlyAndAnswers)
{
    Settings().writeInt("", "RixUSB", 0);
    Settings().writeInt("", "GlobeCom", 1);
    window.DemoCom->setChecked(true);
    window.Button1Click();
    EXPECT_TRUE(App().DemoMode);
    EXPECT_EQ(Settings().readInt("", "RixUSB"), 0);
    EXPECT_EQ(Settings().readInt("", "GlobeCom"), 1);
    DeviceAnswering = true;
    EXPECT_NE(link.SendCommand("VeSr", "VAMOK", 1000, 53, "").find("VAMOK rix"), std::string::npos);

    // Unticked again: back to a real link, stored as usual.
    window.show();
    window.DemoCom->setChecked(false);
    window.Button1Click();
    EXPECT_FALSE(App().DemoMode);
    EXPECT_EQ(link.SendCommand("VeSr", "VAMOK", 200, 53, ""), "");
}
