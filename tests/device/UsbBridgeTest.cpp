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
    EXPECT_EQ(bridge->Caption(), "VAMOK-USB: 1 Device(s) Present ...");
    EXPECT_EQ(bridge->Selected(), 0);
    EXPECT_FALSE(bridge->MultiDeviceLabelVisible());

    bridge->ConfigureModel(true, true);
    EXPECT_EQ(bridge->Refresh(), 1);
    EXPECT_EQ(bridge->Entries()[0].path, "/dev/hidraw2");
}

TEST_F(UsbBridgeTest, FirstSendOpensTheOneBridgeAtModelSpeedAndWritesBytePerReport)
{
    attached = {MakeFakeBridge("/dev/hidraw1", 0x868F, "S1")};
    Make();
    bridge->SIHIDSendData("\x02" "MES" "E5\x03");
    FakeBridge& b = *attached[0];
    ASSERT_TRUE(b.open);
    EXPECT_EQ(b.config, (HidReport{0x50, 0x00, 0x16, 0xE3, 0x60, 0, 0, 3, 0}));
    EXPECT_EQ(bridge->ConfiguredSpeed(), 1500000);
    EXPECT_EQ(bridge->ActiveDeviceText(), "Device 1 - SNo. S1 - VAMOK rix - ");
    EXPECT_EQ(b.written.size(), 7u); // one byte per write call
    EXPECT_EQ(b.WrittenBytes(), "\x02" "MES" "E5\x03");
    EXPECT_TRUE(Logged("Executing message: wm_OpenUSBSiHID-message."));
    EXPECT_TRUE(Logged("7 Bytes Sent ..."));
    EXPECT_TRUE(bridge->PollTimerActive());

    b.written.clear();
    bridge->sendWithSleep = false;
    bridge->sendWithNull = true;
    bridge->SIHIDSendData("Ve");
    ASSERT_EQ(b.written.size(), 1u);
    EXPECT_EQ(b.WrittenBytes(), std::string("V\0e\0", 4));
    EXPECT_TRUE(Logged("4 Bytes Sent ..."));
}

TEST_F(UsbBridgeTest, VentiqModelUsesItsSpeed)
{
    attached = {MakeFakeBridge("/dev/hidraw1", 0x89CF)};
    Make(true);
    bridge->SIHIDSendData("x");
    ASSERT_TRUE(attached[0]->open);
    EXPECT_EQ(bridge->ConfiguredSpeed(), 230400);
}

TEST_F(UsbBridgeTest, TwoBridgesShowTheListAndSendNothing)
{
    attached = {MakeFakeBridge("/dev/hidraw1", 0x868F), MakeFakeBridge("/dev/hidraw2", 0x868F)};
    Make();
    bridge->SIHIDSendData("VER");
    EXPECT_EQ(listShown, 1);
    EXPECT_TRUE(bridge->MultiDeviceLabelVisible());
    EXPECT_FALSE(bridge->IsOpen());
    EXPECT_TRUE(attached[0]->written.empty());
    EXPECT_TRUE(attached[1]->written.empty());

    bridge->ChooseEntry(1);
    EXPECT_TRUE(attached[1]->open);
    EXPECT_EQ(bridge->CurrentDevice(), 1);
    EXPECT_EQ(bridge->Selected(), 1);
    bridge->SIHIDSendData("VER");
    EXPECT_EQ(attached[1]->WrittenBytes(), "VER");
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
    attached[0]->QueueBytes("12345");
    bridge->CheckReceiveData(true);
    EXPECT_EQ(received, "12345");
    EXPECT_EQ(bridge->StatusText(), "Bytes Received = 5");
    attached[0]->failReads = true;
    bridge->CheckReceiveData(true);
    EXPECT_FALSE(bridge->IsOpen());
    EXPECT_FALSE(attached[0]->open);
    EXPECT_EQ(bridge->CurrentDevice(), -1);
}

TEST_F(UsbBridgeTest, WriteErrorClosesAndNextSendReopens)
{
    attached = {MakeFakeBridge("/dev/hidraw1", 0x868F)};
    Make();
    bridge->SIHIDSendData("x");
    attached[0]->failWrites = true;
    bridge->SIHIDSendData("abc");
    EXPECT_FALSE(bridge->IsOpen());
    EXPECT_TRUE(Logged("USB Device Write TimeOut ..."));
    attached[0]->failWrites = false;
    bridge->SIHIDSendData("abc");
    EXPECT_TRUE(bridge->IsOpen());
}

TEST_F(UsbBridgeTest, PollTimerDeliversWithoutAnExchange)
{
    attached = {MakeFakeBridge("/dev/hidraw1", 0x868F)};
    Make();
    bridge->pollIntervalMs = 5;
    bridge->SIHIDSendData("x");
    attached[0]->QueueBytes("late");
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
    EXPECT_NE(bridge->OpenProblem().find(kUdevInstallCommand), std::string::npos);
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
    EXPECT_EQ(attached[0]->features.back(), (HidReport{0x45, 0x80, 0x01, 0xFF, 0xFF}));
    EXPECT_EQ(bridge->SetUartSpeed(115200), 115200);
    EXPECT_EQ(bridge->ConfiguredSpeed(), 115200);
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

} // namespace

namespace {

TEST_F(UsbBridgeTest, ModelChangeReopensOnlyABridgeOfTheNewIdentity)
{
    attached = {MakeFakeBridge("/dev/hidraw1", 0x868F), MakeFakeBridge("/dev/hidraw2", 0x89CF)};
    Make();
    bridge->SIHIDSendData("x");
    ASSERT_TRUE(attached[0]->open);
    bridge->ConfigureModel(false, true); // same model again: reopened
    EXPECT_TRUE(attached[0]->open);
    EXPECT_EQ(bridge->ConfiguredSpeed(), 1500000);
    bridge->ConfigureModel(true, true); // Ventiq: the rix entry stays closed
    EXPECT_FALSE(attached[0]->open);
    EXPECT_FALSE(attached[1]->open);
    bridge->SIHIDSendData("y");
    EXPECT_TRUE(attached[1]->open);
    EXPECT_EQ(bridge->ConfiguredSpeed(), 230400);
}

} // namespace
