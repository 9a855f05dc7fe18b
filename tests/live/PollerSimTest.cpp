// The poller against the simulated instrument over a real pseudo-terminal.
#include "PollerFakes.h"

#include "core/AppState.h"
#include "core/MemorySettingsStore.h"
#include "device/Discovery.h"
#include "device/TAPSend.h"
#include "support/SimProcess.h"
#include "support/TempDir.h"

#include <QElapsedTimer>
#include <QSerialPort>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace vamok;

namespace {

std::string AltarimState(int serial)
{
    return R"({"model": "VAMOK altarim", "firmware": "2.10", "serial": )" + std::to_string(serial) +
           R"(, "series": 56, "flags": 1, "live": {"Temp": 22.4, "Feu": 46.8, "Bel": 512}})";
}

// Sends through the command layer and records what the program sent, and
// whether one exchange ever ran inside another.
class RecordingChannel : public CommandChannel {
public:
    explicit RecordingChannel(TAPSend& link) : link_(link) {}
    std::string SendCommand(const std::string& command, const std::string& start, int timeoutMs, int size,
                            const std::string& end) override
    {
        log.push_back(command);
        maxDepth = std::max(maxDepth, ++depth);
        std::string reply = link_.SendCommand(command, start, timeoutMs, size, end);
        --depth;
        return reply;
    }
    std::vector<std::string> log;
    int depth = 0;
    int maxDepth = 0;

private:
    TAPSend& link_;
};

class PollerSimTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        App() = AppState{};
        App().DecimalSep = ',';
        SetSettingsStore(std::make_unique<MemorySettingsStore>());
        DeviceAnswering = false;
        link.OnDeviceAnswering = [this] { poller.ShortenInterval(); };
        poller.Start();
    }
    void TearDown() override { DeviceAnswering = false; }

    void Connect(const SimProcess& sim)
    {
        App().ComPortPath = sim.ptyPath();
        link.SelectComPort(1);
    }
    // One tick, then the event loop runs for a moment (late replies arrive).
    void Tick(int waitMs = 30)
    {
        ASSERT_TRUE(timer.fire());
        QTest::qWait(waitMs);
    }
    void TickUntilPresent(int maxTicks, int waitMs = 30)
    {
        for (int k = 0; k < maxTicks && !poller.Present(); ++k)
            Tick(waitMs);
    }

    TempDir dir;
    TAPSend link;
    RecordingChannel channel{link};
    ManualTimer timer;
    RecordingHooks hooks;
    KnownVamokList known;
    PresencePoller poller{channel, timer, hooks, known};
};

} // namespace

TEST_F(PollerSimTest, FindsLosesAndFindsTheInstrumentAgain)
{
    dir.write("a.json", AltarimState(1234));
    auto sim = std::make_unique<SimProcess>("altarim", dir.file("a.json"));
    Connect(*sim);
    TickUntilPresent(3);
    ASSERT_TRUE(poller.Present());
    EXPECT_EQ(hooks.panel, "S-No: 1234 / 56 - 00000001");
    EXPECT_EQ(App().DeviceVersion, "2.10");
    EXPECT_EQ(timer.interval(), PresencePoller::kIdleIntervalMs);
    Tick();
    EXPECT_EQ(poller.View().Rows[0], "   22,4");
    EXPECT_EQ(poller.View().Rows[1], "   46,8");
    EXPECT_EQ(poller.View().Rows[4], "  512  ");
    EXPECT_EQ(poller.View().Face, PollerFace::Connected);
    EXPECT_EQ(hooks.newInstruments, 1);

    sim.reset(); // the cable is pulled
    for (int k = 0; k < 5 && poller.View().Face != PollerFace::Lost; ++k)
        Tick();
    EXPECT_EQ(poller.View().Face, PollerFace::Lost);
    EXPECT_EQ(hooks.panel, "VAMOK Seriennummer");
    EXPECT_EQ(App().DeviceVersion, "");

    sim = std::make_unique<SimProcess>("altarim", dir.file("a.json"));
    Connect(*sim);
    TickUntilPresent(3);
    ASSERT_TRUE(poller.Present());
    EXPECT_EQ(poller.View().Face, PollerFace::Connected);
    EXPECT_EQ(hooks.newInstruments, 1); // the same instrument is not synchronised twice

    dir.write("b.json", AltarimState(777));
    sim = std::make_unique<SimProcess>("altarim", dir.file("b.json"));
    Connect(*sim);
    for (int k = 0; k < 12 && hooks.newInstruments < 2; ++k)
        Tick();
    EXPECT_EQ(hooks.newInstruments, 2);
    EXPECT_EQ(hooks.panel, "S-No: 0777 / 56 - 00000001");
}

TEST_F(PollerSimTest, DialogueAskedForDuringAPollRunsAfterIt)
{
    dir.write("a.json", AltarimState(1234));
    SimProcess sim("altarim", dir.file("a.json"), {"--delay", "150"});
    Connect(sim);
    TickUntilPresent(4, 250);
    ASSERT_TRUE(poller.Present());
    const std::size_t before = channel.log.size();

    // The user starts a readout while the values poll waits for its reply.
    std::vector<std::string> replies;
    InstrumentDialogue::Start start = InstrumentDialogue::Start::Refused;
    QTimer::singleShot(50, [&] {
        start = InstrumentDialogue::Run([&] {
            for (char n = 1; n <= 2; ++n)
                replies.push_back(channel.SendCommand(std::string("Gr") + n + "Ck", "MEM", 1000, 69, ""));
        });
    });
    ASSERT_TRUE(timer.fire());
    EXPECT_EQ(start, InstrumentDialogue::Start::Deferred);
    const std::vector<std::string> sent(channel.log.begin() + static_cast<long>(before), channel.log.end());
    EXPECT_EQ(sent, (std::vector<std::string>{"MmCkSr", "Gr\x01" "Ck", "Gr\x02" "Ck"}));
    EXPECT_EQ(channel.maxDepth, 1);
    ASSERT_EQ(replies.size(), 2u);
    EXPECT_EQ(replies[0].substr(0, 3), "MEM");
    EXPECT_FALSE(InstrumentDialogue::Busy());
    EXPECT_TRUE(timer.isActive());
}

TEST_F(PollerSimTest, SearchesFindTheSimulatorAmongOtherPorts)
{
    dir.write("a.json", AltarimState(1234));
    const struct {
        const char* dialect;
        SearchKind kind;
    } cases[] = {{"altarim", SearchKind::Vamok}, {"quadrovan", SearchKind::Quadrovan}};
    for (const auto& c : cases) {
        SimProcess silent("rix", dir.file("a.json")); // answers neither probe
        SimProcess sim(c.dialect, dir.file("a.json"));
        const std::vector<SerialCandidate> candidates{{"/nonexistent/tty", 0, "/nonexistent/tty"},
                                                      {silent.ptyPath(), 0, silent.ptyPath()},
                                                      {sim.ptyPath(), 0, sim.ptyPath()},
                                                      {"after", 0, "/nonexistent/after"}};
        std::vector<std::string> unopenable;
        std::vector<int> progress;
        const auto result = SearchInstrument(
            link, c.kind, candidates, [&](int k, const std::string&) { progress.push_back(k); },
            [&](const std::string& name) { unopenable.push_back(name); });
        ASSERT_TRUE(result.Found) << c.dialect;
        EXPECT_EQ(result.Found->DevicePath, sim.ptyPath());
        EXPECT_EQ(unopenable, (std::vector<std::string>{"/nonexistent/tty"}));
        EXPECT_EQ(progress, (std::vector<int>{0, 1, 2}));
        EXPECT_FALSE(DeviceAnswering); // restored after each probe
        EXPECT_EQ(SearchMessage(c.kind, result, DefaultDiscoveryTexts()),
                  std::string(c.kind == SearchKind::Vamok ? "VAMOK" : "Quadrovan") + " gefunden an\r\n" +
                      sim.ptyPath());
    }
}

TEST_F(PollerSimTest, CheckReportsFreeAndUsedPorts)
{
    dir.write("a.json", AltarimState(1234));
    SimProcess sim("altarim", dir.file("a.json"));
    const std::vector<SerialCandidate> candidates{{"COM7", 7, "/nonexistent/tty7"}, {"SIM", 0, sim.ptyPath()}};
    const PortCheck check = CheckPorts(link, candidates, {});
    EXPECT_EQ(check.Free, (std::vector<std::string>{"SIM"}));
    EXPECT_EQ(check.Used, (std::vector<UsedPort>{{"COM7", OpenRefusal::Missing}}));
    EXPECT_EQ(App().ComPortNumber, 7);
    EXPECT_TRUE(link.IsPortOpen()); // the last probed port stays selected
    const std::string message = PortCheckMessage(check, DefaultDiscoveryTexts(), DefaultAccessTexts());
    EXPECT_NE(message.find("Freie Schnittstellen:\r\nSIM\r\nBelegte Schnittstellen:\r\nCOM7\r\n\r\n"),
              std::string::npos)
        << message;

    const std::string none = PortCheckMessage({}, DefaultDiscoveryTexts(), DefaultAccessTexts());
    EXPECT_NE(none.find("Freie Schnittstellen:\r\nKeine\r\nBelegte Schnittstellen:\r\nKeine\r\n"), std::string::npos);
    EXPECT_FALSE(SearchInstrument(link, SearchKind::Vamok, {}, {}, {}).Found);
}

TEST_F(PollerSimTest, PortHeldByAnotherProgramCountsAsUsed)
{
    dir.write("a.json", AltarimState(1234));
    SimProcess sim("altarim", dir.file("a.json"));
    QSerialPort other(QString::fromStdString(sim.ptyPath()));
    ASSERT_TRUE(other.open(QIODevice::ReadWrite));
    const std::vector<SerialCandidate> candidates{{"SIM", 0, sim.ptyPath()}};
    const PortCheck check = CheckPorts(link, candidates, {});
    EXPECT_EQ(check.Used, (std::vector<UsedPort>{{"SIM", OpenRefusal::Busy}}));
    EXPECT_NE(PortCheckMessage(check, DefaultDiscoveryTexts(), DefaultAccessTexts())
                  .find("Belegte Schnittstellen:\r\nSIM (belegt)\r\n"),
              std::string::npos);
    std::vector<std::string> unopenable;
    const auto result = SearchInstrument(link, SearchKind::Vamok, candidates, {},
                                         [&](const std::string& name) { unopenable.push_back(name); });
    EXPECT_FALSE(result.Found);
    EXPECT_EQ(unopenable, (std::vector<std::string>{"SIM"}));
}

TEST_F(PollerSimTest, PulledCableDuringAPollEndsTheTickWithinItsTimeout)
{
    dir.write("a.json", AltarimState(1234));
    auto sim = std::make_unique<SimProcess>("altarim", dir.file("a.json"), std::vector<std::string>{"--delay", "200"});
    Connect(*sim);
    TickUntilPresent(4, 300);
    ASSERT_TRUE(poller.Present());
    QTimer::singleShot(50, [&] { sim.reset(); });
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(timer.fire());
    // The values poll waits at most 500 ms; the rest is the simulator's end.
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_EQ(poller.State(), PollState::Identify);
    for (int k = 0; k < 4; ++k)
        Tick();
    EXPECT_EQ(poller.View().Face, PollerFace::Lost);
}
