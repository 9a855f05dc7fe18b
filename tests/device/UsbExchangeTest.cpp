// The command layer on the rix and Ventiq links, through the USB bridge to
// a fake bridge chip that answers like the instrument behind it.
#include "device/Frame.h"
#include "device/TAPSend.h"
#include "device/UsbBridge.h"

#include "core/AppState.h"
#include "core/MemorySettingsStore.h"
#include "core/SettingsStore.h"
#include "core/TextHelpers.h"

#include "FakeHid.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <gtest/gtest.h>

#include <map>

using namespace vamok;
using vamok::test::FakeBridge;

namespace {

const std::string STX(1, '\x02');
const std::string ETX(1, '\x03');

class UsbExchange : public ::testing::Test {
protected:
    void SetUp() override
    {
        App() = AppState{};
        App().UsbMode = true;
        SetSettingsStore(std::make_unique<MemorySettingsStore>());
        DeviceAnswering = true;
        attached = {test::MakeFakeBridge("/dev/hidraw0", 0x868F, "0001")};
        attached[0]->responder = [this](FakeBridge& b, const std::string& bytes) {
            pending += bytes;
            const auto end = pending.find('\x03');
            if (end == std::string::npos)
                return;
            const std::string payload = CheckFrame(pending.substr(0, end + 1));
            pending.erase(0, end + 1);
            const auto it = answers.find(payload);
            if (it != answers.end())
                answerWith(b, it->second);
        };
        layer = std::make_unique<TAPSend>(std::make_unique<test::FakeHidBackend>(&attached));
    }
    void TearDown() override { DeviceAnswering = false; }

    // The bridge chip hands the answer over in small reports, after noise.
    static void Deliver(FakeBridge& b, const std::string& payload)
    {
        const std::string bytes = "\x7F\x01" + BuildFrame(payload);
        for (std::size_t at = 0; at < bytes.size(); at += 5)
            b.QueueBytes(bytes.substr(at, 5));
    }

    std::vector<std::shared_ptr<FakeBridge>> attached;
    std::unique_ptr<TAPSend> layer;
    std::map<std::string, std::string> answers;
    std::string pending;
    std::function<void(FakeBridge&, const std::string&)> answerWith = Deliver;
};

TEST_F(UsbExchange, MemoryRequestGoesOutAsChecksummedFrame)
{
    std::string record(72, '\x11');
    answers["BDR07"] = "BDR" + HexEncode(record);
    EXPECT_EQ(layer->SendCommand("Gr\x07" "Ck", "MEM", 200, 69, ""), "MEM" + record);
    EXPECT_EQ(attached[0]->WrittenBytes(), STX + "BDR07" + "3F" + ETX);
    EXPECT_EQ(layer->Bridge().ConfiguredSpeed(), 1500000);
}

TEST_F(UsbExchange, IdentificationFromSerialAndVersionAnswers)
{
    answers["SER"] = "SER1234-56";
    answers["VER"] = "VER010203";
    EXPECT_EQ(layer->SendCommand("VeSr", "VAMOK", 300, 53, ""),
              "VAMOK rix  - Ver 1.2.3SER" + std::string("\x04\xD2\x38\x01", 4));
    EXPECT_EQ(App().LastVamok, "VamokRix");
    EXPECT_TRUE(App().FoundRix);
}

TEST_F(UsbExchange, CommandsWithoutCounterpartSendNothing)
{
    for (const char* command : {"Sr", "Ck", "CkVe", "Gr", "Rd"})
        EXPECT_EQ(layer->SendCommand(command, "", 100, 0, ""), "") << command;
    EXPECT_TRUE(attached[0]->written.empty());
}

TEST_F(UsbExchange, BadChecksumIsNoAnswer)
{
    answers["MES"] = "";
    answerWith = [](FakeBridge& b, const std::string&) { b.QueueBytes(STX + "MES" + "e5" + ETX); };
    EXPECT_EQ(layer->SendCommand("MmCkSr", "MESS", 200, 0, "SER"), "");
}

TEST_F(UsbExchange, NoAnswerTimesOut)
{
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(layer->SendCommand("UNLK", STX, 250, 0, ETX), "");
    EXPECT_GE(clock.elapsed(), 240);
    EXPECT_EQ(attached[0]->WrittenBytes(), BuildFrame("UNLK"));
}

TEST_F(UsbExchange, NotAnsweringReturnsAtOnceAndThePollTimerFindsTheInstrument)
{
    DeviceAnswering = false;
    int hookCalls = 0;
    layer->OnDeviceAnswering = [&] { ++hookCalls; };
    answers["SER"] = "SER1234-56";
    answers["VER"] = "VER010203";
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(layer->SendCommand("VeSr", "VAMOK", 300, 53, ""), "");
    EXPECT_LT(clock.elapsed(), 100);
    EXPECT_EQ(attached[0]->WrittenBytes(), BuildFrame("SER")); // VER needs an answer first
    for (int i = 0; i < 2000 && !DeviceAnswering; ++i) {
        QCoreApplication::processEvents();
        QThread::msleep(1);
    }
    EXPECT_TRUE(DeviceAnswering);
    EXPECT_EQ(hookCalls, 1);
    EXPECT_EQ(layer->SendCommand("VeSr", "VAMOK", 300, 53, ""),
              "VAMOK rix  - Ver 1.2.3SER" + std::string("\x04\xD2\x38\x01", 4));
}

TEST_F(UsbExchange, NoBridgeEndsByTimeout)
{
    attached.clear();
    EXPECT_EQ(layer->SendCommand("MmCkSr", "MESS", 100, 0, "SER"), "");
    EXPECT_FALSE(layer->Bridge().IsOpen());
}

} // namespace
