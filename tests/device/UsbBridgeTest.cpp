#include "device/UsbBridge.h"

#include "FakeHid.h"

#include <QCoreApplication>
#include <QThread>
#include <gtest/gtest.h>

using namespace vamok;
using vamok::test::FakeBridge;
using vamok::test::FakeHidBackend;
using vamok::test::MakeFakeBridge;

namespace {

class UsbBridgeTest : public ::testing::Test {
protected:
    std::vector<std::shared_ptr<FakeBridge>> attached;
    std::unique_ptr<UsbBridge> bridge;
    std::vector<std::string> log;
    std::string received;
    int listShown = 0;

    void Make(bool ventiq = false, bool openOnArrival = true)
    {
        bridge = std::make_unique<UsbBridge>(std::make_unique<FakeHidBackend>(&attached));
        bridge->Log = [this](const std::string& t) { log.push_back(t); };
        bridge->BytesRead = [this](const std::string& b) { received += b; };
        bridge->ShowDeviceList = [this] { ++listShown; };
        bridge->SetWindowTitle("VAMOK-USB");
        bridge->ConfigureModel(ventiq, openOnArrival);
    }
    bool Logged(const std::string& text) const
    {
        return std::find(log.begin(), log.end(), text) != log.end();
    }
    // The instrument answers every byte string it hears with `answer`.
    static void AnswerWith(FakeBridge& chip, const std::string& answer)
    {
        chip.instrument = [answer](FakeBridge& b, const std::string&) { b.FromInstrument(answer); };
    }
};

TEST_F(UsbBridgeTest, ListsOnlyTheConfiguredIdentity)
{
    attached = {MakeFakeBridge("/dev/hidraw1", 0x868F, "S1"), MakeFakeBridge("/dev/hidraw2", 0x89CF),
                MakeFakeBridge("/dev/hidraw3", 0xEA60)};
    Make();
    EXPECT_EQ(bridge->Refresh(), 1);
    ASSERT_EQ(bridge->Entries().size(), 1u);
    const BridgeEntry& e = bridge->Entries()[0];
    EXPECT_EQ(e.name, "Device 1");
    EXPECT_EQ(e.serial, "S1");
    EXPECT_EQ(e.path, "/dev/hidraw1");
    EXPECT_EQ(e.vendorIdText, "10c4");
    EXPECT_EQ(e.productIdText, "868f");
    EXPECT_EQ(e.manufacturer, "Silicon Labs");
    EXPECT_EQ(bridge->Caption(), "VAMOK-USB: 1 Device(s) Present ...");
    EXPECT_EQ(bridge->Selected(), 0);
    EXPECT_FALSE(bridge->MultiDeviceLabelVisible());

    bridge->ConfigureModel(true, true);
    EXPECT_EQ(bridge->Refresh(), 1);
    EXPECT_EQ(bridge->Entries()[0].path, "/dev/hidraw2");
}

TEST_F(UsbBridgeTest, BridgesAreNumberedInNaturalPathOrder)
{
    attached = {MakeFakeBridge("/dev/hidraw10", 0x868F, "S10"),
                MakeFakeBridge("/dev/hidraw2", 0x868F, "S2"),
                MakeFakeBridge("/dev/hidraw9", 0x868F, "S9")};
    Make();
    ASSERT_EQ(bridge->Refresh(), 3);
    const auto& e = bridge->Entries();
    EXPECT_EQ(e[0].path, "/dev/hidraw2");
    EXPECT_EQ(e[1].path, "/dev/hidraw9");
    EXPECT_EQ(e[2].path, "/dev/hidraw10");
    EXPECT_EQ(e[2].name, "Device 3");
    EXPECT_EQ(e[2].serial, "S10");
}

TEST_F(UsbBridgeTest, FirstSendOpensTheOneBridgeAtModelSpeedAndWritesBytePerReport)
{
    attached = {MakeFakeBridge("/dev/hidraw1", 0x868F, "S1")};
    Make();
    bridge->SIHIDSendData("\x02" "MES" "E5\x03");
    FakeBridge& b = *attached[0];
    ASSERT_TRUE(b.handleOpen);
    EXPECT_EQ(b.baud, 1500000u);
    EXPECT_EQ(b.dataBits, 3);
    EXPECT_EQ(b.parity, 0);
    EXPECT_EQ(b.stopBits, 0);
    EXPECT_EQ(b.flowControl, 0);
    EXPECT_EQ(bridge->ConfiguredSpeed(), 1500000);
    EXPECT_EQ(bridge->ActiveDeviceText(), "Device 1 - SNo. S1 - VAMOK rix - ");
    EXPECT_EQ(b.outReports.size(), 7u); // one byte per write call
    EXPECT_EQ(b.outReports[0], (std::vector<std::uint8_t>{0x01, 0x02}));
    EXPECT_EQ(b.heard, "\x02" "MES" "E5\x03");
    EXPECT_TRUE(Logged("Executing message: wm_OpenUSBSiHID-message."));
    EXPECT_TRUE(Logged("7 Bytes Sent ..."));
    EXPECT_TRUE(bridge->PollTimerActive());

    b.outReports.clear();
    b.heard.clear();
    bridge->sendWithSleep = false;
    bridge->sendWithNull = true;
    bridge->SIHIDSendData("Ve");
    ASSERT_EQ(b.outReports.size(), 1u);
    EXPECT_EQ(b.heard, std::string("V\0e\0", 4));
    EXPECT_TRUE(Logged("4 Bytes Sent ..."));
}

TEST_F(UsbBridgeTest, UartIsEnabledOnlyOnceItRunsAtTheModelSpeed)
{
    attached = {MakeFakeBridge("/dev/hidraw1", 0x868F)};
    Make();
    bridge->SIHIDSendData("x");
    EXPECT_TRUE(attached[0]->uartEnabled);
    EXPECT_EQ(attached[0]->baudWhenEnabled, 1500000u);
}

TEST_F(UsbBridgeTest, VentiqModelUsesItsSpeed)
{
    attached = {MakeFakeBridge("/dev/hidraw1", 0x89CF)};
    Make(true);
    bridge->SIHIDSendData("x");
    ASSERT_TRUE(attached[0]->handleOpen);
    EXPECT_EQ(bridge->ConfiguredSpeed(), 230400);
    EXPECT_EQ(attached[0]->heard, "x");
}

TEST_F(UsbBridgeTest, ASpeedTheBridgeRefusesClosesItAndSaysSo)
{
    struct Case {
        bool ventiq;
        std::uint32_t maxBaud;
        const char* problem;
    };
    const Case cases[] = {
        {false, 1000000, "did not accept 1500000 baud (it reports 115200 baud)"},
        {true, 200000, "did not accept 230400 baud (it reports 115200 baud)"},
    };
    for (const Case& c : cases) {
        attached = {MakeFakeBridge("/dev/hidraw1", c.ventiq ? 0x89CF : 0x868F)};
        attached[0]->maxBaud = c.maxBaud;
        Make(c.ventiq);
        std::vector<std::string> told;
        bridge->OpenFailed = [&told](const std::string& p) { told.push_back(p); };
        bridge->SIHIDSendData("VER");
        EXPECT_FALSE(bridge->IsOpen()) << c.problem;
        EXPECT_FALSE(attached[0]->handleOpen) << c.problem;
        EXPECT_FALSE(attached[0]->uartEnabled) << c.problem;
        EXPECT_NE(bridge->OpenProblem().find(c.problem), std::string::npos) << bridge->OpenProblem();
        EXPECT_NE(bridge->OpenProblem().find("/dev/hidraw1"), std::string::npos);
        EXPECT_EQ(told.size(), 1u) << c.problem;
        EXPECT_EQ(bridge->CurrentDevice(), -1);
    }
}

TEST_F(UsbBridgeTest, BytesTheChipHeldBeforeTheOpenAreDropped)
{
    attached = {MakeFakeBridge("/dev/hidraw1", 0x868F)};
    attached[0]->uartEnabled = true; // left running by the last user
    attached[0]->baud = 1500000;
    attached[0]->FromInstrument("stale bytes");
    Make();
    bridge->SIHIDSendData("x");
    bridge->CheckReceiveData(true);
    EXPECT_EQ(received, "");
    attached[0]->FromInstrument("fresh");
    bridge->CheckReceiveData(true);
    EXPECT_EQ(received, "fresh");
}

TEST_F(UsbBridgeTest, BytesQueuedBeforeACommandAreNotTakenForItsReply)
{
    attached = {MakeFakeBridge("/dev/hidraw1", 0x868F)};
    Make();
    bridge->SIHIDSendData("first");
    attached[0]->FromInstrument("late answer to first");
    AnswerWith(*attached[0], "reply");
    bridge->sendWithSleep = false;
    bridge->SIHIDSendData("second");
    bridge->CheckReceiveData(true);
    EXPECT_EQ(received, "reply");
}

TEST_F(UsbBridgeTest, TwoBridgesShowTheListAndSendNothing)
{
    attached = {MakeFakeBridge("/dev/hidraw1", 0x868F), MakeFakeBridge("/dev/hidraw2", 0x868F)};
    Make();
    bridge->SIHIDSendData("VER");
    EXPECT_EQ(listShown, 1);
    EXPECT_TRUE(bridge->MultiDeviceLabelVisible());
    EXPECT_FALSE(bridge->IsOpen());
    EXPECT_TRUE(attached[0]->outReports.empty());
    EXPECT_TRUE(attached[1]->outReports.empty());

    bridge->ChooseEntry(1);
    EXPECT_TRUE(attached[1]->handleOpen);
    EXPECT_EQ(bridge->CurrentDevice(), 1);
    EXPECT_EQ(bridge->Selected(), 1);
    bridge->SIHIDSendData("VER");
    EXPECT_EQ(attached[1]->heard, "VER");
}

TEST_F(UsbBridgeTest, TheChosenBridgeIsOpenedEvenWhenAnotherIsPluggedInMeanwhile)
{
    attached = {MakeFakeBridge("/dev/hidraw5", 0x868F, "S5"),
                MakeFakeBridge("/dev/hidraw6", 0x868F, "S6")};
    Make();
    ASSERT_EQ(bridge->Refresh(), 2);
    attached.push_back(MakeFakeBridge("/dev/hidraw3", 0x868F, "S3"));
    bridge->ChooseEntry(1); // the user picked the second entry shown: S6
    EXPECT_TRUE(attached[1]->handleOpen);
    EXPECT_FALSE(attached[0]->handleOpen);
    EXPECT_FALSE(attached[2]->handleOpen);
    EXPECT_NE(bridge->ActiveDeviceText().find("SNo. S6"), std::string::npos)
        << bridge->ActiveDeviceText();
    bridge->SIHIDSendData("VER");
    EXPECT_EQ(attached[1]->heard, "VER");
}

TEST_F(UsbBridgeTest, DeviceStringsReachTheProgramInItsCodePage)
{
    attached = {MakeFakeBridge("/dev/hidraw1", 0x868F, "N\xC2\xBA" "7")};
    attached[0]->info.product = "Messger\xC3\xA4t \xE2\x82\xAC \xCE\xA9";
    Make();
    ASSERT_EQ(bridge->Refresh(), 1);
    EXPECT_EQ(bridge->Entries()[0].product, "Messger\xE4t \x80 ?");
    EXPECT_EQ(bridge->Entries()[0].serial, "N\xBA" "7");
    bridge->SIHIDSendData("x");
    EXPECT_EQ(bridge->ActiveDeviceText(), "Device 1 - SNo. N\xBA" "7 - Messger\xE4t \x80 ? - ");
}

TEST_F(UsbBridgeTest, NoBridgeSendsNothing)
{
    Make();
    bridge->SIHIDSendData("VER");
    EXPECT_FALSE(bridge->IsOpen());
    EXPECT_EQ(listShown, 0);
    EXPECT_EQ(bridge->Caption(), "VAMOK-USB: 0 Device(s) Present ...");
}

TEST_F(UsbBridgeTest, ReadPassesBytesAndAReadErrorClosesTheBridge)
{
    attached = {MakeFakeBridge("/dev/hidraw1", 0x868F)};
    Make();
    bridge->SIHIDSendData("x");
    attached[0]->FromInstrument("12345");
    bridge->CheckReceiveData(true);
    EXPECT_EQ(received, "12345");
    EXPECT_EQ(bridge->StatusText(), "Bytes Received = 5");
    attached[0]->Unplug();
    bridge->CheckReceiveData(true);
    EXPECT_FALSE(bridge->IsOpen());
    EXPECT_EQ(bridge->CurrentDevice(), -1);
}

TEST_F(UsbBridgeTest, AReadErrorPassesOnWhatCameBeforeClosing)
{
    attached = {MakeFakeBridge("/dev/hidraw1", 0x868F)};
    Make();
    bridge->SIHIDSendData("x");
    attached[0]->FromInstrument("abc");
    attached[0]->FromInstrument("de");
    attached[0]->unplugAfterReads = 2; // pulled while the reply comes in
    bridge->CheckReceiveData(true);
    EXPECT_EQ(received, "abcde");
    EXPECT_FALSE(bridge->IsOpen());
}

TEST_F(UsbBridgeTest, OneReadTakesAllThatIsQueuedSoTheNextBurstFits)
{
    attached = {MakeFakeBridge("/dev/hidraw1", 0x868F)};
    Make();
    bridge->SIHIDSendData("x");
    std::string first, second;
    for (int i = 0; i < 4500; ++i)
        first += static_cast<char>('A' + i % 26);
    for (int i = 0; i < 2000; ++i)
        second += static_cast<char>('a' + i % 26);
    attached[0]->FromInstrument(first); // host queue and FIFO now nearly full
    bridge->CheckReceiveData(true);
    EXPECT_EQ(received.size(), first.size());
    attached[0]->FromInstrument(second);
    bridge->CheckReceiveData(true);
    EXPECT_EQ(received, first + second);
    EXPECT_EQ(attached[0]->errorStatus, 0);
}

TEST_F(UsbBridgeTest, WriteErrorClosesAndNextSendReopens)
{
    attached = {MakeFakeBridge("/dev/hidraw1", 0x868F)};
    Make();
    bridge->SIHIDSendData("x");
    attached[0]->unplugAfterWrites = 1; // pulled in the middle of the write
    bridge->SIHIDSendData("abc");
    EXPECT_FALSE(bridge->IsOpen());
    EXPECT_TRUE(Logged("USB Device Write TimeOut ..."));
    attached[0]->Plug();
    attached[0]->heard.clear();
    bridge->SIHIDSendData("abc");
    EXPECT_TRUE(bridge->IsOpen());
    EXPECT_EQ(attached[0]->heard, "abc");
}

TEST_F(UsbBridgeTest, ReplugClosesTheDeadHandleAndOpensAfresh)
{
    attached = {MakeFakeBridge("/dev/hidraw1", 0x868F)};
    Make(false, true);
    bridge->SIHIDSendData("x");
    ASSERT_TRUE(bridge->IsOpen());
    attached[0]->Unplug();
    bridge->DeviceChanged(DeviceChange::Removal);
    EXPECT_FALSE(bridge->IsOpen());
    EXPECT_EQ(bridge->CurrentDevice(), -1);

    attached[0]->Plug();
    bridge->DeviceChanged(DeviceChange::Arrival);
    QCoreApplication::processEvents();
    ASSERT_TRUE(bridge->IsOpen());
    EXPECT_TRUE(attached[0]->uartEnabled);
    attached[0]->heard.clear();
    bridge->SIHIDSendData("VER");
    EXPECT_EQ(attached[0]->heard, "VER");
    EXPECT_TRUE(Logged("3 Bytes Sent ..."));
}

TEST_F(UsbBridgeTest, AReplugTooQuickToBeSeenStillGetsTheFirstSendThrough)
{
    attached = {MakeFakeBridge("/dev/hidraw1", 0x868F)};
    Make(false, true);
    bridge->SIHIDSendData("x");
    attached[0]->Unplug();
    attached[0]->Plug();
    attached[0]->heard.clear();
    bridge->SIHIDSendData("VER");
    EXPECT_TRUE(bridge->IsOpen());
    EXPECT_EQ(attached[0]->heard, "VER");
}

TEST_F(UsbBridgeTest, PollTimerDeliversWithoutAnExchange)
{
    attached = {MakeFakeBridge("/dev/hidraw1", 0x868F)};
    Make();
    bridge->pollIntervalMs = 5;
    bridge->SIHIDSendData("x");
    attached[0]->FromInstrument("late");
    for (int i = 0; i < 200 && received.empty(); ++i) {
        QCoreApplication::processEvents();
        QThread::msleep(1);
    }
    EXPECT_EQ(received, "late");
}

TEST_F(UsbBridgeTest, ArrivalOpensWhenUsbLinkChosenRemovalRefreshes)
{
    Make(false, true);
    attached = {MakeFakeBridge("/dev/hidraw4", 0x868F)};
    bridge->DeviceChanged(DeviceChange::Arrival);
    EXPECT_TRUE(Logged("Device added: sending wm_OpenUSBSiHID."));
    EXPECT_FALSE(bridge->IsOpen()); // posted, not done inside the notification
    QCoreApplication::processEvents();
    EXPECT_TRUE(bridge->IsOpen());

    attached.clear();
    bridge->DeviceChanged(DeviceChange::Removal);
    EXPECT_TRUE(Logged("Device removed: sending Refresh."));
    EXPECT_TRUE(bridge->Entries().empty());

    bridge->DeviceChanged(DeviceChange::Other, 7);
    EXPECT_TRUE(Logged("Device-list changed: unkown Message-WParam: 7"));
    EXPECT_EQ(bridge->ChangeCount(), 3);
}

TEST_F(UsbBridgeTest, ArrivalWithSerialLinkOnlyRefreshes)
{
    Make(false, false);
    attached = {MakeFakeBridge("/dev/hidraw4", 0x868F)};
    bridge->DeviceChanged(DeviceChange::Arrival);
    QCoreApplication::processEvents();
    EXPECT_FALSE(bridge->IsOpen());
    EXPECT_EQ(bridge->Entries().size(), 1u);
}

TEST_F(UsbBridgeTest, WatchSeesPlugAndUnplug)
{
    Make(false, true);
    attached = {MakeFakeBridge("/dev/hidraw4", 0x868F)};
    for (int i = 0; i < 3000 && !bridge->IsOpen(); ++i) {
        QCoreApplication::processEvents();
        QThread::msleep(1);
    }
    EXPECT_TRUE(bridge->IsOpen());
    EXPECT_TRUE(Logged("Device added: sending wm_OpenUSBSiHID."));

    attached[0]->Unplug();
    for (int i = 0; i < 3000 && !Logged("Device removed: sending Refresh."); ++i) {
        QCoreApplication::processEvents();
        QThread::msleep(1);
    }
    EXPECT_FALSE(bridge->IsOpen());
    EXPECT_TRUE(Logged("Device removed: sending Refresh."));
}

TEST_F(UsbBridgeTest, PermissionProblemIsReportedNotSilent)
{
    attached = {MakeFakeBridge("/dev/hidraw1", 0x868F)};
    attached[0]->permissionDenied = true;
    Make();
    std::vector<std::string> told;
    bridge->OpenFailed = [&told](const std::string& p) { told.push_back(p); };
    bridge->SIHIDSendData("x");
    bridge->SIHIDSendData("x");
    EXPECT_FALSE(bridge->IsOpen());
    EXPECT_NE(bridge->OpenProblem().find(UdevInstallCommand()), std::string::npos);
    EXPECT_TRUE(Logged(bridge->OpenProblem()));
    ASSERT_EQ(told.size(), 1u); // once, not on every send
    EXPECT_EQ(told[0], bridge->OpenProblem());
    attached[0]->permissionDenied = false;
    bridge->SIHIDSendData("x");
    EXPECT_TRUE(bridge->IsOpen());
    EXPECT_EQ(bridge->OpenProblem(), "");
}

TEST_F(UsbBridgeTest, ServiceOperationsOnTheOpenBridge)
{
    attached = {MakeFakeBridge("/dev/hidraw1", 0x868F)};
    Make();
    EXPECT_EQ(bridge->SetUartSpeed(9600), 0);
    bridge->SIHIDSendData("x");
    ASSERT_TRUE(bridge->WriteLatch(0x8001));
    EXPECT_EQ(attached[0]->latch, 0x8001);
    EXPECT_EQ(bridge->SetUartSpeed(115200), 115200);
    EXPECT_EQ(bridge->ConfiguredSpeed(), 115200);
    EXPECT_EQ(attached[0]->baud, 115200u);
    attached[0]->maxBaud = 200000;
    EXPECT_EQ(bridge->SetUartSpeed(921600), 115200); // what the chip kept
}

TEST_F(UsbBridgeTest, LatchWriteChangesOnlyThePinsTheUserChanged)
{
    attached = {MakeFakeBridge("/dev/hidraw1", 0x868F)};
    Make();
    bridge->SIHIDSendData("x");
    attached[0]->latch = 0x0001;
    std::uint16_t shown = 0;
    ASSERT_TRUE(bridge->ReadLatch(&shown));
    EXPECT_EQ(shown, 0x0001);
    attached[0]->latch = 0x0009; // pin 3 moved since it was read
    ASSERT_TRUE(bridge->WriteLatch(0x8001)); // the user ticked pin 15
    EXPECT_EQ(attached[0]->latch, 0x8009);
}

TEST_F(UsbBridgeTest, UnwatchedBridgesAreNotNoticed)
{
    Make(false, true);
    bridge->WatchDeviceChanges(false);
    attached = {MakeFakeBridge("/dev/hidraw4", 0x868F)};
    for (int i = 0; i < 1300; ++i) {
        QCoreApplication::processEvents();
        QThread::msleep(1);
    }
    EXPECT_FALSE(bridge->IsOpen());
    EXPECT_EQ(bridge->ChangeCount(), 0);
}

TEST_F(UsbBridgeTest, ModelChangeReopensOnlyABridgeOfTheNewIdentity)
{
    attached = {MakeFakeBridge("/dev/hidraw1", 0x868F), MakeFakeBridge("/dev/hidraw2", 0x89CF)};
    Make();
    bridge->SIHIDSendData("x");
    ASSERT_TRUE(attached[0]->handleOpen);
    bridge->ConfigureModel(false, true); // same model again: reopened
    EXPECT_TRUE(attached[0]->handleOpen);
    EXPECT_EQ(bridge->ConfiguredSpeed(), 1500000);
    bridge->ConfigureModel(true, true); // Ventiq: the rix entry stays closed
    EXPECT_FALSE(attached[0]->handleOpen);
    EXPECT_FALSE(attached[1]->handleOpen);
    bridge->SIHIDSendData("y");
    EXPECT_TRUE(attached[1]->handleOpen);
    EXPECT_EQ(bridge->ConfiguredSpeed(), 230400);
}

} // namespace
