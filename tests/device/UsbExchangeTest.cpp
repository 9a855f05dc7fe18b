// The command layer on the rix and Ventiq links, through the USB bridge to
// a fake bridge chip with a scripted instrument behind it. The instrument
// frames with the simulator's own code, not the program's.
#include "device/ProtocolMonitor.h"
#include "device/TAPSend.h"
#include "device/UsbBridge.h"

#include "core/AppState.h"
#include "core/MemorySettingsStore.h"
#include "core/SettingsStore.h"

#include "sim/Frame.h"
#include "sim/Hex.h"

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
        attached[0]->instrument = [this](FakeBridge& b, const std::string& bytes) {
            for (const auto& frame : reader.feed(bytes)) {
                const auto it = answers.find(frame.payload);
                if (frame.valid && it != answers.end())
                    answerWith(b, frame.payload, it->second);
            }
        };
        layer = std::make_unique<TAPSend>(std::make_unique<test::FakeHidBackend>(&attached));
    }
    void TearDown() override { DeviceAnswering = false; }

    // The bridge chip hands the answer over in small reports, after noise.
    static void Deliver(FakeBridge& b, const std::string&, const std::string& payload)
    {
        const std::string bytes = "\x7F\x01" + sim::BuildFrame(payload);
        for (std::size_t at = 0; at < bytes.size(); at += 5)
            b.FromInstrument(bytes.substr(at, 5));
    }
    bool MonitorShows(const std::string& text) const
    {
        for (const std::string& line : layer->Monitor().ReceivedLines()) {
            if (line.find(text) != std::string::npos)
                return true;
        }
        return false;
    }

    std::vector<std::shared_ptr<FakeBridge>> attached;
    std::unique_ptr<TAPSend> layer;
    sim::FrameReader reader;
    std::map<std::string, std::string> answers; // command payload -> reply payload
    std::function<void(FakeBridge&, const std::string& command, const std::string& reply)>
        answerWith = Deliver;
};

TEST_F(UsbExchange, MemoryRequestGoesOutAsChecksummedFrame)
{
    std::string record(72, '\x11');
    answers["BDR07"] = "BDR" + sim::HexEncode(record);
    EXPECT_EQ(layer->SendCommand("Gr\x07" "Ck", "MEM", 200, 69, ""), "MEM" + record);
    EXPECT_EQ(attached[0]->heard, STX + "BDR07" + "3F" + ETX);
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
    EXPECT_TRUE(attached[0]->outReports.empty());
}

TEST_F(UsbExchange, BadChecksumIsNoAnswer)
{
    answers["MES"] = "";
    answerWith = [](FakeBridge& b, const std::string&, const std::string&) {
        b.FromInstrument(STX + "MES" + "e5" + ETX);
    };
    EXPECT_EQ(layer->SendCommand("MmCkSr", "MESS", 200, 0, "SER"), "");
}

TEST_F(UsbExchange, NoAnswerTimesOut)
{
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(layer->SendCommand("UNLK", STX, 250, 0, ETX), "");
    EXPECT_GE(clock.elapsed(), 240);
    EXPECT_EQ(attached[0]->heard, sim::BuildFrame("UNLK"));
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
    EXPECT_EQ(attached[0]->heard, sim::BuildFrame("SER")); // VER needs an answer first
    for (int i = 0; i < 2000 && !DeviceAnswering; ++i) {
        QCoreApplication::processEvents();
        QThread::msleep(1);
    }
    EXPECT_TRUE(DeviceAnswering);
    EXPECT_EQ(hookCalls, 1);
    EXPECT_EQ(layer->SendCommand("VeSr", "VAMOK", 300, 53, ""),
              "VAMOK rix  - Ver 1.2.3SER" + std::string("\x04\xD2\x38\x01", 4));
}

TEST_F(UsbExchange, ATimedOutExchangePurgesTheChipAGoodOneDoesNot)
{
    answers["MES"] = sim::HexEncode("MESS");
    EXPECT_EQ(layer->SendCommand("MmCkSr", "MESS", 200, 0, "SER"), "MESS");
    const int afterOpen = attached[0]->purges;
    EXPECT_EQ(afterOpen, 1);
    EXPECT_EQ(layer->SendCommand("MmCkSr", "MESS", 200, 0, "SER"), "MESS");
    EXPECT_EQ(attached[0]->purges, afterOpen);
    EXPECT_EQ(layer->SendCommand("UNLK", STX, 100, 0, ETX), "");
    EXPECT_EQ(attached[0]->purges, afterOpen + 1);
}

TEST_F(UsbExchange, ALateReplyToATimedOutCommandIsNotTakenForTheNext)
{
    const std::string record(72, '\x22');
    answers["UNLK"] = std::string(1, '\x06');
    answers["BDR07"] = "BDR" + sim::HexEncode(record);
    answerWith = [](FakeBridge& b, const std::string& command, const std::string& reply) {
        b.FromInstrumentAfter(command == "UNLK" ? 150 : 20, sim::BuildFrame(reply));
    };
    EXPECT_EQ(layer->SendCommand("UNLK", STX, 100, 0, ETX), "");
    QThread::msleep(100); // the caller is busy elsewhere; the late reply comes in
    EXPECT_EQ(layer->SendCommand("Gr\x07" "Ck", "MEM", 200, 69, ""), "MEM" + record);
}

TEST_F(UsbExchange, AnOverrunOfTheChipIsShownInTheMonitor)
{
    layer->Monitor().SetEnabled(true);
    answers["MES"] = "MES" + std::string(1200, '7');
    answerWith = [](FakeBridge& b, const std::string&, const std::string& reply) {
        const std::string bytes = sim::BuildFrame(reply);
        for (std::size_t at = 0; at < bytes.size(); at += 10) // small reports fill the queue
            b.FromInstrument(bytes.substr(at, 10));
    };
    EXPECT_EQ(layer->SendCommand("MmCkSr", "MESS", 200, 0, "SER"), "");
    EXPECT_TRUE(MonitorShows("overrun"));
    EXPECT_FALSE(MonitorShows("parity"));
}

TEST_F(UsbExchange, NoBridgeEndsByTimeout)
{
    attached.clear();
    EXPECT_EQ(layer->SendCommand("MmCkSr", "MESS", 100, 0, "SER"), "");
    EXPECT_FALSE(layer->Bridge().IsOpen());
}

} // namespace
