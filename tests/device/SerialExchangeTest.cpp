// Exchanges over a real pseudo-terminal, with the test playing the
// instrument: what the command layer writes is what the instrument reads.
#include "device/Frame.h"
#include "device/ProtocolMonitor.h"
#include "device/SerialLink.h"
#include "device/TAPSend.h"

#include "core/AppState.h"
#include "core/MemorySettingsStore.h"
#include "core/SettingsStore.h"
#include "core/TextHelpers.h"

#include "FakeHid.h"
#include "PtyPeer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <gtest/gtest.h>

using namespace vamok;
using vamok::test::PtyPeer;

namespace {

const std::string kIdent = [] {
    std::string s = "VAMOK altarim  - Ver 2.10";
    s.resize(46, ' ');
    return s + "SER" + std::string("\x04\xD2\x38\x01", 4);
}();

class SerialExchange : public ::testing::Test {
protected:
    void SetUp() override
    {
        App() = AppState{};
        SetSettingsStore(std::make_unique<MemorySettingsStore>());
        DeviceAnswering = true;
        layer.SelectComPortPath(peer.slavePath());
    }
    void TearDown() override { DeviceAnswering = false; }

    // Answers each complete command (ending in its last byte) once.
    void Answer(const std::string& command, const std::string& reply, int delayMs = 0)
    {
        peer.onReceive = [command, reply, delayMs](PtyPeer& p, const std::string&) {
            const auto at = p.received.find(command);
            if (at == std::string::npos)
                return;
            p.received.erase(0, at + command.size());
            if (delayMs > 0)
                p.sendAfter(delayMs, reply);
            else
                p.send(reply);
        };
    }

    std::vector<std::shared_ptr<test::FakeBridge>> noBridges;
    PtyPeer peer;
    TAPSend layer{std::make_unique<test::FakeHidBackend>(&noBridges)};
};

TEST_F(SerialExchange, AltarimIdentificationAt9600Raw8N1)
{
    Answer("VeSr", kIdent);
    EXPECT_EQ(layer.SendCommand("VeSr", "VAMOK", 1000, 53, ""), kIdent);
    const termios t = peer.settings();
    EXPECT_EQ(cfgetospeed(&t), B9600);
    EXPECT_EQ(t.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_FALSE(t.c_cflag & PARENB);
    EXPECT_FALSE(t.c_cflag & CSTOPB);
    EXPECT_FALSE(t.c_cflag & CRTSCTS);
    EXPECT_FALSE(t.c_iflag & (IXON | IXOFF));
}

TEST_F(SerialExchange, GarbageBeforeStartStringIsSkipped)
{
    Answer("VeSr", std::string("\x01zzVAMVAMO", 10) + kIdent + "trailing");
    EXPECT_EQ(layer.SendCommand("VeSr", "VAMOK", 1000, 53, ""), kIdent);
}

TEST_F(SerialExchange, LiveValuesEndAfterEndString)
{
    Answer("MmCkSr", "xxMESS\x01\x02SER\x04\xD2 more");
    EXPECT_EQ(layer.SendCommand("MmCkSr", "MESS", 500, 0, "SER"), "MESS\x01\x02SER");
}

TEST_F(SerialExchange, NoAnswerReturnsEmptyAfterTheTimeout)
{
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(layer.SendCommand("VeSr", "VAMOK", 300, 53, ""), "");
    const qint64 elapsed = clock.elapsed();
    EXPECT_GE(elapsed, 290);
    EXPECT_LT(elapsed, 1000);
    EXPECT_EQ(peer.received, "VeSr");
}

TEST_F(SerialExchange, LateReplyIsTakenByTheNextCommand)
{
    Answer("MmCkSr", "MESS\x07SER", 400);
    EXPECT_EQ(layer.SendCommand("MmCkSr", "MESS", 100, 0, "SER"), "");
    peer.onReceive = nullptr; // the instrument never answers the second one
    EXPECT_EQ(layer.SendCommand("MmCkSr", "MESS", 1000, 0, "SER"), "MESS\x07SER");
}

TEST_F(SerialExchange, NotAnsweringSendsWithoutWaitingUntilAnIdentificationArrives)
{
    DeviceAnswering = false;
    int hookCalls = 0;
    layer.OnDeviceAnswering = [&] { ++hookCalls; };
    Answer("VeSr", kIdent, 50);
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(layer.SendCommand("VeSr", "VAMOK", 1000, 53, ""), "");
    EXPECT_LT(clock.elapsed(), 50);
    // The command went out all the same: its answer arrives later.
    for (int i = 0; i < 2000 && !DeviceAnswering; ++i) {
        QCoreApplication::processEvents();
        QThread::msleep(1);
    }
    EXPECT_TRUE(DeviceAnswering);
    EXPECT_EQ(hookCalls, 1);
    Answer("VeSr", kIdent);
    EXPECT_EQ(layer.SendCommand("VeSr", "VAMOK", 1000, 53, ""), kIdent);
    EXPECT_EQ(hookCalls, 1);
}

TEST_F(SerialExchange, QuadrovanFrameAt115200IgnoresOtherFrames)
{
    App().QuadrovanMode = true;
    const std::string request = BuildFrame("SNR");
    Answer(request, BuildFrame("VER0102") + BuildFrame("SNR04D238"));
    EXPECT_EQ(layer.SendQuadrovanFrame("SNR", "SNR", 1000), "SNR04D238");
    const termios t = peer.settings();
    EXPECT_EQ(cfgetospeed(&t), B115200);
}

TEST_F(SerialExchange, QuadrovanBadChecksumGivesEmpty)
{
    App().QuadrovanMode = true;
    Answer(BuildFrame("SNR"), "\x02SNR04D23800\x03");
    EXPECT_EQ(layer.SendQuadrovanFrame("SNR", "SNR", 300), "");
}

TEST_F(SerialExchange, QuadrovanIdentificationThroughSendCommand)
{
    App().QuadrovanMode = true;
    peer.onReceive = [](PtyPeer& p, const std::string&) {
        for (const auto& [ask, answer] :
             {std::pair{BuildFrame("SNR"), BuildFrame("SNR04D238")},
              std::pair{BuildFrame("VER"), BuildFrame("VER0103")}}) {
            const auto at = p.received.find(ask);
            if (at != std::string::npos) {
                p.received.erase(0, at + ask.size());
                p.send(answer);
            }
        }
    };
    EXPECT_EQ(layer.SendCommand("VeSr", "VAMOK", 1000, 53, ""),
              "VAMOK*** Quadrovan ***Ver 1.3SER" + std::string("\x04\xD2\x38\x01", 4));
    EXPECT_EQ(App().LastVamok, "VamokQuadrovan");
    EXPECT_TRUE(App().FoundQuadrovan);
}

TEST_F(SerialExchange, SelectingTheOpenPortAgainSucceeds)
{
    EXPECT_NO_THROW(layer.SelectComPortPath(peer.slavePath()));
    EXPECT_TRUE(layer.IsPortOpen());
    Answer("VeSr", kIdent);
    EXPECT_EQ(layer.SendCommand("VeSr", "VAMOK", 1000, 53, ""), kIdent);
}

TEST_F(SerialExchange, MissingPortRaisesAndStaysClosed)
{
    EXPECT_THROW(layer.SelectComPortPath("/dev/does-not-exist-vamok"), PortOpenError);
    EXPECT_FALSE(layer.IsPortOpen());
    EXPECT_EQ(layer.SendCommand("VeSr", "VAMOK", 50, 53, ""), "");
}

TEST_F(SerialExchange, ComPortPathOverridesPortNumber)
{
    App().ComPortPath = peer.slavePath();
    layer.SelectComPort(17);
    EXPECT_EQ(layer.PortNumber(), 17);
    Answer("VeSr", kIdent);
    EXPECT_EQ(layer.SendCommand("VeSr", "VAMOK", 1000, 53, ""), kIdent);
}

TEST_F(SerialExchange, MonitorLogsCommandAndRenderedReply)
{
    layer.Monitor().SetEnabled(true);
    Answer("Pt", "\x06");
    EXPECT_EQ(layer.SendCommand("Pt\x01" "A", "", 1000, 1, ""), "\x06");
    ASSERT_FALSE(layer.Monitor().SentLines().empty());
    EXPECT_EQ(layer.Monitor().SentLines().back(), "Pt\x01" "A");
    EXPECT_EQ(layer.Monitor().ReceivedLines().back(), "<ACK>");
    EXPECT_NE(layer.Monitor().TakeTerminalBytes().find("Pt\x01" "A"), std::string::npos);
}

TEST(ComPortDevicePath, NumbersMapToDevices)
{
    EXPECT_EQ(ComPortDevicePath(1), "/dev/ttyUSB0");
    EXPECT_EQ(ComPortDevicePath(16), "/dev/ttyUSB15");
    EXPECT_EQ(ComPortDevicePath(17), "/dev/ttyACM0");
    EXPECT_EQ(ComPortDevicePath(25), "/dev/ttyS0");
    EXPECT_EQ(ComPortDevicePath(64), "/dev/ttyS39");
    EXPECT_EQ(ComPortDevicePath(0), "");
    EXPECT_EQ(ComPortDevicePath(65), "");
}

TEST(IsIdentificationLike, RecognisesIdentificationReplies)
{
    EXPECT_TRUE(IsIdentificationLike("VAMOK altarim"));
    EXPECT_TRUE(IsIdentificationLike(BuildFrame("SNR04D238")));   // 13 bytes
    EXPECT_FALSE(IsIdentificationLike(BuildFrame("SNR04D23")));   // 12 bytes
    EXPECT_TRUE(IsIdentificationLike(BuildFrame("SER1234-56")));
    EXPECT_FALSE(IsIdentificationLike(BuildFrame("MES0102030405")));
    EXPECT_FALSE(IsIdentificationLike("vamok"));
}

} // namespace

namespace {

TEST_F(SerialExchange, NegativeTimeoutDoesNotWaitForever)
{
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(layer.SendCommand("VeSr", "VAMOK", -5, 53, ""), "");
    EXPECT_LT(clock.elapsed(), 500);
}

} // namespace
