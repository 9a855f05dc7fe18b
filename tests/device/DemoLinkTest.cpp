// The demo link: the simulated rix inside the process, its built-in state,
// and its replies arriving through the event loop like a real line's.
#include "device/DemoByteLink.h"
#include "device/DemoLink.h"
#include "device/DeviceClock.h"
#include "device/TAPSend.h"

#include "core/AppState.h"
#include "core/MemorySettingsStore.h"
#include "core/SettingsStore.h"

#include "FakeHid.h"

#include "sim/Instrument.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QThread>
#include <gtest/gtest.h>

#include <set>

using namespace vamok;

namespace {

// Serial 2417, series 23, flags 1.
const std::string kDemoTail("\x09\x71\x17\x01", 4);

// Lets events run until `done` or `limitMs` have passed.
template <typename Done>
bool RunEventsUntil(Done done, int limitMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < limitMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return done();
}

class DemoLinkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        App() = AppState{};
        SetSettingsStore(std::make_unique<MemorySettingsStore>());
        DeviceAnswering = true;
    }
    void TearDown() override { DeviceAnswering = false; }

    std::vector<std::shared_ptr<test::FakeBridge>> noBridges;
    TAPSend layer{std::make_unique<test::FakeHidBackend>(&noBridges)};
};

// The band a value falls in against row r of a type: 1 green, 2 yellow, 3 red.
int Band(double value, const std::array<double, 5>& row)
{
    if (value < row[0])
        return 3;
    if (value < row[1])
        return 2;
    if (value < row[2])
        return 1;
    return value < row[3] ? 2 : 3;
}

TEST(DemoState, IsARixWith99MeasuredWorkplacesOfItsOwnTypes)
{
    const sim::SimState state = DemoState();
    EXPECT_EQ(state.firmware, "3.0.0");

    std::map<std::string, sim::TypeDefinition> slots;
    for (const auto& t : state.types)
        if (t)
            slots[t->name] = *t;
    EXPECT_GE(slots.size(), 5u);

    std::set<std::string> names;
    std::set<std::string> typesUsed;
    std::set<int> temperatureBands;
    int withUmlaut = 0;
    int withMissingValue = 0;
    for (const sim::Workplace& wp : state.workplaces) {
        ASSERT_FALSE(wp.values.empty()) << wp.number;
        ASSERT_TRUE(wp.time) << wp.number;
        ASSERT_TRUE(slots.count(wp.type)) << wp.number << " uses " << wp.type;
        names.insert(wp.name);
        typesUsed.insert(wp.type);
        if (wp.name.find_first_of("\xE4\xF6\xFC\xDF\xC4\xD6\xDC") != std::string::npos)
            ++withUmlaut;
        for (auto r : {sim::Reading::Feu, sim::Reading::GT, sim::Reading::CO2, sim::Reading::PM10u})
            if (!wp.values.count(r)) {
                ++withMissingValue;
                break;
            }
        if (wp.values.count(sim::Reading::Temp) && wp.type != "VAM ")
            temperatureBands.insert(Band(wp.values.at(sim::Reading::Temp), slots[wp.type].rows[0]));
    }
    EXPECT_EQ(names.size(), 99u) << "every workplace has its own name";
    EXPECT_GE(typesUsed.size(), 5u);
    EXPECT_GE(withUmlaut, 5);
    EXPECT_GE(withMissingValue, 3);
    EXPECT_LE(withMissingValue, 20);
    EXPECT_EQ(temperatureBands, (std::set<int>{1, 2, 3}));

    EXPECT_EQ(state.profiles[1].name, "Klima");
    EXPECT_EQ(state.profiles[4].name, "L\xE4rm");
}

TEST_F(DemoLinkTest, TheFirstAnswerArrivesAfterTheWriteThenIdentificationWaitsForIt)
{
    DeviceAnswering = false;
    int answered = 0;
    layer.OnDeviceAnswering = [&answered] { ++answered; };
    StartDemoLink(layer);
    EXPECT_TRUE(App().DemoMode);
    EXPECT_TRUE(App().UsbMode);
    EXPECT_FALSE(App().VentiqMode);
    EXPECT_FALSE(App().QuadrovanMode);
    EXPECT_TRUE(layer.IsPortOpen());

    // Not waiting, and the answer is not handed over inside the write.
    EXPECT_EQ(layer.SendCommand("VeSr", "VAMOK", 300, 53, ""), "");
    EXPECT_FALSE(DeviceAnswering);
    ASSERT_TRUE(RunEventsUntil([] { return DeviceAnswering; }, 1000));
    EXPECT_EQ(answered, 1);

    EXPECT_EQ(layer.SendCommand("VeSr", "VAMOK", 300, 53, ""), "VAMOK rix  - Ver 3.0.0SER" + kDemoTail);
    EXPECT_EQ(App().LastVamok, "VamokRix");
}

TEST_F(DemoLinkTest, ServesLiveValuesAndEveryStoredWorkplace)
{
    StartDemoLink(layer);
    const std::string live = layer.SendCommand("MmCkSr", "MESS", 500, 0, "SER");
    ASSERT_GE(live.size(), 4u);
    EXPECT_EQ(live.substr(0, 4), "MESS");

    const sim::SimState state = DemoState();
    for (int n : {1, 3, 50, 99}) {
        const std::string record = layer.SendCommand("Gr" + std::string(1, static_cast<char>(n)) + "Ck", "MEM", 200, 69, "");
        ASSERT_GE(record.size(), 75u) << n;
        EXPECT_EQ(record.substr(0, 3), "MEM");
        EXPECT_EQ(static_cast<unsigned char>(record[3]), n);
        const std::string& name = state.workplaces[n - 1].name;
        EXPECT_EQ(record.substr(4, name.size()), name) << n;
    }
}

TEST_F(DemoLinkTest, SelectingAPortKeepsTheDemoAndGivingItUpClosesIt)
{
    StartDemoLink(layer);
    layer.SelectComPort(7);
    EXPECT_EQ(layer.SendCommand("VeSr", "VAMOK", 300, 53, "").substr(0, 9), "VAMOK rix");
    layer.SetSerialSide(nullptr);
    EXPECT_FALSE(layer.IsPortOpen());
    EXPECT_EQ(layer.SendCommand("VeSr", "VAMOK", 100, 53, ""), "");
}

TEST_F(DemoLinkTest, WritesStayInTheInstrumentForTheRun)
{
    App().UsbMode = true;
    layer.SetUsbFramesOnSerial(true);
    auto owned = std::make_unique<DemoByteLink>(sim::MakeInstrument(sim::Dialect::Rix, DemoState()));
    const DemoByteLink& link = *owned;
    layer.SetSerialSide(std::move(owned));
    const QDateTime when(QDate(2026, 12, 10), QTime(9, 30));
    ASSERT_TRUE(SetDeviceClock(layer, when, [](int) {}));
    ASSERT_TRUE(link.Instrument().memory().log().clock);
    EXPECT_EQ(*link.Instrument().memory().log().clock, SecondsSince2000(when));
}

// The bytes written come back no sooner than the line would carry them.
TEST(DemoByteLink, RepliesArriveThroughTheEventLoopAtTheLineSpeed)
{
    sim::SimState state = sim::EmptyState();
    state.serial = 1234;
    DemoByteLink link(sim::MakeInstrument(sim::Dialect::Altarim, state));
    std::string received;
    link.DataAvailable = [&] { link.ReadAvailable(received); };
    std::string error;
    ASSERT_TRUE(link.Open(&error));
    ASSERT_TRUE(link.SetBaudRate(9600));

    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(link.Write("VeSr"), 4);
    EXPECT_TRUE(received.empty());
    ASSERT_TRUE(RunEventsUntil([&] { return received.size() >= 53; }, 1000));
    // 53 bytes of 10 bits at 9600 baud take 55 ms.
    EXPECT_GE(clock.elapsed(), 55);
    EXPECT_EQ(received.substr(0, 5), "VAMOK");
    EXPECT_EQ(received.size(), 53u);
}

TEST(DemoByteLink, BytesAtTheWrongLineSpeedAreNotUnderstood)
{
    DemoByteLink link(sim::MakeInstrument(sim::Dialect::Altarim, sim::EmptyState()));
    std::string received;
    link.DataAvailable = [&] { link.ReadAvailable(received); };
    ASSERT_TRUE(link.Open(nullptr));
    link.SetBaudRate(115200);
    link.Write("VeSr");
    EXPECT_FALSE(RunEventsUntil([&] { return !received.empty(); }, 150));

    link.SetBaudRate(9600);
    link.Write("VeSr");
    EXPECT_TRUE(RunEventsUntil([&] { return received.size() >= 53; }, 1000));
}

TEST(DemoByteLink, AClosedLinkRefusesWritesAndDropsWhatWasUnderway)
{
    DemoByteLink link(sim::MakeInstrument(sim::Dialect::Altarim, sim::EmptyState()));
    std::string received;
    link.DataAvailable = [&] { link.ReadAvailable(received); };
    EXPECT_EQ(link.Write("VeSr"), -1);
    ASSERT_TRUE(link.Open(nullptr));
    link.Write("VeSr");
    link.Close();
    EXPECT_FALSE(RunEventsUntil([&] { return !received.empty(); }, 150));
    EXPECT_FALSE(link.ReadAvailable(received));
}

TEST(DemoByteLink, AnUnfinishedCommandIsForgottenAfterASecondOfQuiet)
{
    DemoByteLink link(sim::MakeInstrument(sim::Dialect::Altarim, sim::EmptyState()));
    std::string received;
    link.DataAvailable = [&] { link.ReadAvailable(received); };
    ASSERT_TRUE(link.Open(nullptr));
    link.Write("Gr"); // waits for its record number
    QThread::msleep(1100);
    link.Write("VeSr");
    ASSERT_TRUE(RunEventsUntil([&] { return received.size() >= 53; }, 1000));
    EXPECT_EQ(received.substr(0, 5), "VAMOK");
}

} // namespace
