// Profile transfers through the command layer: retries, pauses, beeps and
// the program's profile names.
#include "core/AppState.h"
#include "core/MemorySettingsStore.h"
#include "core/SettingsStore.h"
#include "device/ProfileNames.h"
#include "profiles/ProfileTransfer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace vamok;

namespace {

const std::string kAck(1, '\x06');

// Answers the sends in turn from a script (missing entries: no answer) and
// records sends and pauses in order.
struct ScriptedChannel : CommandChannel {
    std::vector<std::string> answers;
    std::vector<std::string> events;
    std::vector<int> timeouts;

    std::string SendCommand(const std::string& command, const std::string& start, int timeoutMs, int packetSize,
                            const std::string& end) override
    {
        sends.push_back(command);
        events.push_back(command.substr(0, 5));
        timeouts.push_back(timeoutMs);
        lastStart = start;
        lastEnd = end;
        EXPECT_EQ(packetSize, 0);
        const std::size_t n = sends.size() - 1;
        return n < answers.size() ? answers[n] : std::string();
    }
    std::vector<std::string> sends;
    std::string lastStart, lastEnd;
};

class ProfileTransfer : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto store = std::make_unique<MemorySettingsStore>();
        store_ = store.get();
        SetSettingsStore(std::move(store));
        App() = AppState{};
    }
    void TearDown() override
    {
        SetSettingsStore(std::make_unique<MemorySettingsStore>());
        App() = AppState{};
    }
    ProfileLink Link(bool wide = false)
    {
        return {channel, wide, [this](int ms) { channel.events.push_back("pause " + std::to_string(ms)); },
                [this] { ++beeps; }};
    }
    std::string Stored(int n) { return store_->readText("", "R_ProfileName" + std::to_string(n)).value_or("<none>"); }

    ScriptedChannel channel;
    int beeps = 0;
    MemorySettingsStore* store_ = nullptr;
};

std::string Reply(int n, const std::string& nameHex, const std::string& maskHex)
{
    std::string padded = nameHex;
    while (padded.size() < 32)
        padded += "20";
    char number[3];
    std::snprintf(number, sizeof number, "%02X", n);
    return "BPR" + std::string(number) + padded + maskHex;
}

TEST_F(ProfileTransfer, ReadRetriesFourTimesWithPausesBeforeTheThirdAndFourth)
{
    const std::vector<std::string> expected = {"BPR04", "BPR04", "pause 200", "BPR04", "pause 200", "BPR04"};
    channel.answers = {"", "BPR04", "", "x"};
    EXPECT_FALSE(ReadProfile(Link(), 4));
    EXPECT_EQ(channel.events, expected);
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(channel.timeouts, std::vector<int>(4, 500));
    EXPECT_EQ(channel.lastStart, "\x02");
    EXPECT_EQ(channel.lastEnd, "\x03");
    EXPECT_EQ(App().ProfileNames[4], "User3");
}

TEST_F(ProfileTransfer, ReadSucceedsOnTheThirdSendAndStoresTheName)
{
    channel.answers = {"", "", Reply(4, "4B6C696D61", "0000000700000000")};
    const std::optional<DeviceProfile> p = ReadProfile(Link(true), 4);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->name, "Klima");
    EXPECT_EQ(p->mask, 7ull);
    EXPECT_EQ(channel.sends.size(), 3u);
    EXPECT_EQ(beeps, 0);
    EXPECT_EQ(App().ProfileNames[4], "Klima");
    EXPECT_EQ(Stored(4), "Klima");
    EXPECT_EQ(Stored(0), "All");
    EXPECT_EQ(Stored(1), "Standard");
}

TEST_F(ProfileTransfer, ProfileOneNeverRenamesTheStandardProfile)
{
    channel.answers = {Reply(1, "4B6C696D61", "00000001")};
    ASSERT_TRUE(ReadProfile(Link(false), 1));
    EXPECT_EQ(App().ProfileNames[1], "Standard");
}

TEST_F(ProfileTransfer, ANarrowReplyIsTooShortForNewFirmware)
{
    channel.answers = std::vector<std::string>(8, Reply(2, "41", "00000001"));
    EXPECT_FALSE(ReadProfile(Link(true), 2));
    EXPECT_EQ(channel.sends.size(), 4u);
    EXPECT_TRUE(ReadProfile(Link(false), 2));
}

TEST_F(ProfileTransfer, WriteWaitsForAckAndStoresTheTrimmedName)
{
    channel.answers = {"\x15", "", kAck};
    EXPECT_TRUE(WriteProfile(Link(), {3, "  B\xFCro  ", 1}));
    EXPECT_EQ(channel.timeouts, std::vector<int>(3, 20000));
    EXPECT_EQ(channel.events, (std::vector<std::string>{"BPW03", "BPW03", "pause 200", "BPW03"}));
    EXPECT_EQ(App().ProfileNames[3], "B\xFCro");
    EXPECT_EQ(Stored(3), "B\xFCro");
}

TEST_F(ProfileTransfer, WriteWithoutAckFailsAndKeepsTheName)
{
    channel.answers = {"\x15", "\x15", "\x15", kAck + kAck};
    EXPECT_FALSE(WriteProfile(Link(), {3, "Neu", 1}));
    EXPECT_EQ(channel.sends.size(), 4u);
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(App().ProfileNames[3], "User2");
}

TEST_F(ProfileTransfer, SeriesStopsAtTheFirstFailure)
{
    channel.answers = {kAck, kAck, kAck}; // then silence
    ProfileSet set;
    for (int n = 1; n <= kProfileCount; ++n)
        set[static_cast<std::size_t>(n - 1)] = {n, "P" + std::to_string(n), 1};
    EXPECT_EQ(WriteAllProfiles(Link(), set), 3);
    EXPECT_EQ(channel.sends.size(), 7u); // three written, four tries of the fourth
    channel.sends.clear();
    channel.answers = {Reply(1, "", "00000001"), Reply(2, "41", "00000001")};
    EXPECT_EQ(ReadAllProfiles(Link()).size(), 2u);
}

TEST_F(ProfileTransfer, ProfileNamesFromTheInstrumentList)
{
    std::string reply = "BPN";
    for (int n = 2; n <= 9; ++n)
        reply += ("  Name" + std::to_string(n) + "          ").substr(0, 16);
    channel.answers = {"BPN short", reply};
    const std::optional<UserProfileNames> names = ReadProfileNames(channel, Link().pause);
    ASSERT_TRUE(names);
    StoreProfileNames(*names);
    EXPECT_EQ(channel.events, (std::vector<std::string>{"BPN", "pause 200", "BPN"}));
    EXPECT_EQ(channel.lastStart, "TYP");
    EXPECT_EQ(channel.lastEnd, "VAMOK");
    EXPECT_EQ(App().ProfileNames[2], "Name2");
    EXPECT_EQ(App().ProfileNames[9], "Name9");
    EXPECT_EQ(Stored(9), "Name9");
}

TEST_F(ProfileTransfer, ProfileNamesNeedALongReplyStartingWithBpn)
{
    EXPECT_FALSE(ParseProfileNames("BPN" + std::string(127, 'x')));
    EXPECT_TRUE(ParseProfileNames("BPN" + std::string(128, 'x')));
    EXPECT_FALSE(ParseProfileNames("XPN" + std::string(128, 'x')));
    channel.answers = {"", "", "", "BPN" + std::string(128, 'x')};
    EXPECT_FALSE(ReadProfileNames(channel, Link().pause));
    EXPECT_EQ(channel.sends.size(), 3u);
    EXPECT_EQ(App().ProfileNames[2], "User1");
}

} // namespace
