#include "device/BridgeService.h"

#include <gtest/gtest.h>

using namespace vamok;

namespace {

std::vector<std::string> Lines(const BridgeLog& log) { return {log.Lines().begin(), log.Lines().end()}; }

TEST(BridgeLog, MessagesAreStampedAndReceivedDataRunsOnInTheLastLine)
{
    BridgeLog log({"Vamok", "/opt/vamok"});
    log.Message("2 Bytes Sent ...", "11.12.26 10:00:00");
    log.Received("V", false, false, "x");
    log.Received("e\x06", false, false, "x");
    EXPECT_EQ(Lines(log), (std::vector<std::string>{"Vamok", "/opt/vamok", "11.12.26 10:00:00: 2 Bytes Sent ...Ve\x06"}));
    log.Received(std::string("V\0\xE4", 3), true, true, "11.12.26 10:00:01");
    EXPECT_EQ(log.Lines().back(), "11.12.26 10:00:00: 2 Bytes Sent ...Ve\x06" "11.12.26 10:00:01: -86-0-228");
    log.Clear();
    log.Received("A", false, false, "");
    EXPECT_EQ(Lines(log), std::vector<std::string>{"A"});
}

TEST(BridgeLog, OldLinesAreDroppedByKind)
{
    BridgeLog log;
    for (int k = 0; k < 2005; ++k)
        log.Message(std::to_string(k), "t");
    ASSERT_EQ(log.Lines().size(), BridgeLog::kMessageLines);
    EXPECT_EQ(log.Lines().front(), "t: 5");
    log.Received("x", false, false, "");
    ASSERT_EQ(log.Lines().size(), BridgeLog::kDataLines);
    EXPECT_EQ(log.Lines().front(), "t: 1805");
    EXPECT_EQ(log.Lines().back(), "t: 2004x");
    log.Received("x", true, false, "");
    ASSERT_EQ(log.Lines().size(), BridgeLog::kByteDataLines);
    EXPECT_EQ(log.Lines().back(), "t: 2004x-120");
}

TEST(BridgePins, BoxKShowsBitKMinusOne)
{
    PinStates first{};
    first[0] = first[15] = true;
    EXPECT_EQ(LatchFromPins(first), 0x8001);
    for (const std::uint16_t latch : {0x0000, 0x0001, 0x0102, 0x8000, 0xA5C3, 0xFFFF}) {
        const PinStates pins = PinsFromLatch(latch);
        EXPECT_EQ(pins[8], (latch & 0x0100) != 0) << latch;
        EXPECT_EQ(LatchFromPins(pins), latch);
    }
}

TEST(BridgeBaud, OnlyPositiveWholeNumbers)
{
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"1500000", 1500000}, {"9600", 9600}, {"0", std::nullopt},     {"-9600", std::nullopt},
        {"", std::nullopt},   {"96 00", std::nullopt}, {"99999999999", std::nullopt}, {"115200x", std::nullopt}};
    for (const auto& [text, baud] : cases)
        EXPECT_EQ(BaudFromText(text), baud) << text;
}

TEST(BridgeColumns, CompactHidesTheLinkColumnsAndFullBringsThemBack)
{
    BridgeColumns columns({90, 110, 190, 170, 50, 50, 60});
    const BridgeColumns::Widths compact = columns.Compact({90, 110, 190, 200, 40, 50, 60}, 640);
    EXPECT_EQ(compact, (BridgeColumns::Widths{90, 110, 436, 0, 0, 0, 0}));
    // Compact again (already hidden): the widths of the full face stay.
    EXPECT_EQ(columns.Compact(compact, 640), compact);
    EXPECT_EQ(columns.Full(compact), (BridgeColumns::Widths{90, 110, 190, 200, 40, 50, 60}));
    EXPECT_EQ(columns.Compact({300, 400, 1, 1, 1, 1, 1}, 640)[2], 0);
}

} // namespace
