#include "device/DeviceClock.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace vamok;

namespace {

// Answers the sends in turn from a script (missing entries: no answer) and
// records every event, sends and pauses, in order.
struct ScriptedChannel : CommandChannel {
    std::vector<std::string> answers;
    std::vector<std::string> events;

    std::string SendCommand(const std::string& command, const std::string& start, int timeoutMs,
                            int packetSize, const std::string& end) override
    {
        EXPECT_EQ(start, "\x02");
        EXPECT_EQ(end, "\x03");
        EXPECT_EQ(timeoutMs, 1000);
        EXPECT_EQ(packetSize, 0);
        const std::size_t n = Sends();
        events.push_back(command);
        return n < answers.size() ? answers[n] : std::string();
    }
    std::size_t Sends() const
    {
        std::size_t n = 0;
        for (const auto& e : events)
            n += e != "pause 200";
        return n;
    }
    RetryPause pause()
    {
        return [this](int ms) { events.push_back("pause " + std::to_string(ms)); };
    }
};

TEST(ClockCommand, SecondsSince2000AsEightUpperHexDigits)
{
    EXPECT_EQ(ClockCommand(QDateTime(QDate(2000, 1, 1), QTime(0, 0, 10))), "U0000000A");
    EXPECT_EQ(ClockCommand(QDateTime(QDate(2024, 1, 1), QTime(0, 0, 0))), "U2D24BD00");
    EXPECT_EQ(ClockCommand(QDateTime(QDate(2000, 1, 1), QTime(0, 0, 0, 999))), "U00000000");
    EXPECT_EQ(ClockCommand(std::int64_t{0x1FFFFFFFF}), "U1FFFFFFFF");
}

TEST(ClockCommand, LocalWallClockIgnoresDaylightSavingShifts)
{
    // Many zones move their clocks between January and July; the
    // instrument counts wall-clock time, so only date and time fields count.
    EXPECT_EQ(SecondsSince2000(QDateTime(QDate(2024, 7, 1), QTime(12, 0))),
              SecondsSince2000(QDateTime(QDate(2024, 1, 1), QTime(12, 0))) + 182LL * 86400);
}

struct RetryCase {
    const char* name;
    std::vector<std::string> answers;
    bool expectedSuccess;
    std::vector<std::string> expectedEvents;
};

class KeyboardLockRetries : public ::testing::TestWithParam<RetryCase> {};

TEST_P(KeyboardLockRetries, SendsUpToFourTimesPausingBeforeThirdAndFourth)
{
    ScriptedChannel channel;
    channel.answers = GetParam().answers;
    EXPECT_EQ(ReleaseKeyboardLock(channel, channel.pause()), GetParam().expectedSuccess);
    EXPECT_EQ(channel.events, GetParam().expectedEvents);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KeyboardLockRetries,
    ::testing::Values(
        RetryCase{"AckAtOnce", {"\x06"}, true, {"UNLK"}},
        RetryCase{"AckOnSecondNoPause", {"", "\x06"}, true, {"UNLK", "UNLK"}},
        RetryCase{"AckOnThird", {"", "\x15", "\x06"}, true, {"UNLK", "UNLK", "pause 200", "UNLK"}},
        RetryCase{"AckOnFourth", {"", "", "", "\x06"}, true,
                  {"UNLK", "UNLK", "pause 200", "UNLK", "pause 200", "UNLK"}},
        RetryCase{"NeverAcknowledged", {}, false,
                  {"UNLK", "UNLK", "pause 200", "UNLK", "pause 200", "UNLK"}},
        RetryCase{"AckWithMoreIsNotAck", {"\x06\x06", "\x06x", "x\x06", "\x02\x06\x03"}, false,
                  {"UNLK", "UNLK", "pause 200", "UNLK", "pause 200", "UNLK"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SetDeviceClock, RetriesTheSameCommand)
{
    ScriptedChannel channel;
    channel.answers = {"", "", "\x06"};
    EXPECT_TRUE(SetDeviceClock(channel, QDateTime(QDate(2024, 1, 1), QTime(0, 0)), channel.pause()));
    EXPECT_EQ(channel.events,
              (std::vector<std::string>{"U2D24BD00", "U2D24BD00", "pause 200", "U2D24BD00"}));
}

} // namespace
