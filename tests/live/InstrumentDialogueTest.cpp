#include "PollerFakes.h"

#include "core/AppState.h"
#include "core/MemorySettingsStore.h"
#include "device/TAPSend.h"

#include <gtest/gtest.h>

using namespace vamok;

namespace {

const std::string kRixId("VAMOK rix  - Ver 1.2.3SER\x04\xD2\x38\x01", 29);

class DialogueTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        App() = AppState{};
        App().UsbMode = true;
        SetSettingsStore(std::make_unique<MemorySettingsStore>());
        DeviceAnswering = true;
        channel.standing["VeSr"] = kRixId;
        channel.standing["MmCkSr"] = "MESSSER";
        poller.Start();
        timer.fire();
    }
    void TearDown() override { DeviceAnswering = false; }

    ScriptedChannel channel;
    ManualTimer timer;
    RecordingHooks hooks;
    KnownVamokList known;
    PresencePoller poller{channel, timer, hooks, known};
};

} // namespace

TEST_F(DialogueTest, ParksThePollerForTheWholeDialogue)
{
    std::vector<std::string> logDuring;
    const auto start = InstrumentDialogue::Run([&] {
        EXPECT_FALSE(timer.isActive());
        EXPECT_EQ(poller.State(), PollState::Parked);
        EXPECT_TRUE(InstrumentDialogue::Busy());
        const auto before = channel.log.size();
        channel.SendCommand("Gr\x01" "Ck", "MEM", 200, 69, "");
        EXPECT_FALSE(timer.fire()); // the poller stays silent
        poller.Start();             // a restart from elsewhere is held back
        EXPECT_FALSE(timer.isActive());
        logDuring.assign(channel.log.begin() + static_cast<long>(before), channel.log.end());
    });
    EXPECT_EQ(start, InstrumentDialogue::Start::Started);
    EXPECT_EQ(logDuring, (std::vector<std::string>{"Gr\x01" "Ck"}));
    EXPECT_FALSE(InstrumentDialogue::Busy());
    EXPECT_TRUE(timer.isActive());
}

TEST_F(DialogueTest, FirstTickAfterResumingOnlyShowsAndThenValuesFollow)
{
    InstrumentDialogue::Run([] {});
    const auto before = channel.log.size();
    timer.fire();
    EXPECT_EQ(channel.log.size(), before);
    EXPECT_EQ(poller.State(), PollState::PollValues);
    timer.fire();
    EXPECT_EQ(channel.log.back(), "MmCkSr");
}

TEST_F(DialogueTest, SecondDialogueIsRefusedWhileOneRuns)
{
    InstrumentDialogue::Start inner = InstrumentDialogue::Start::Started;
    bool innerRan = false;
    InstrumentDialogue::Run([&] { inner = InstrumentDialogue::Run([&] { innerRan = true; }); });
    EXPECT_EQ(inner, InstrumentDialogue::Start::Refused);
    EXPECT_FALSE(innerRan);
}

TEST_F(DialogueTest, DialogueAskedForDuringAPollWaitStartsAfterTheTick)
{
    // The user clicks while the poll tick waits for its reply (events run
    // inside the wait): the dialogue must not nest inside that exchange.
    std::vector<std::string> order;
    InstrumentDialogue::Start start = InstrumentDialogue::Start::Refused;
    bool asked = false;
    channel.duringSend = [&](const std::string& command) {
        order.push_back(command);
        if (command != "MmCkSr" || asked)
            return;
        asked = true;
        start = InstrumentDialogue::Run([&] {
            EXPECT_FALSE(poller.TickRunning());
            order.push_back("dialogue");
            channel.SendCommand("BPN", "TYP", 1000, 0, "VAMOK");
        });
    };
    timer.fire();
    EXPECT_EQ(start, InstrumentDialogue::Start::Deferred);
    EXPECT_EQ(order, (std::vector<std::string>{"MmCkSr", "dialogue", "BPN"}));
    EXPECT_EQ(channel.maxDepth, 1);
    EXPECT_FALSE(InstrumentDialogue::Busy());
    EXPECT_TRUE(timer.isActive());
}

TEST_F(DialogueTest, BodyThatThrowsStillEndsTheDialogue)
{
    EXPECT_THROW(InstrumentDialogue::Run([] { throw std::runtime_error("x"); }), std::runtime_error);
    EXPECT_FALSE(InstrumentDialogue::Busy());
    EXPECT_TRUE(timer.isActive());
}
