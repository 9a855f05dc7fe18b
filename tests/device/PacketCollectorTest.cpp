#include "device/PacketCollector.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using vamok::PacketCollector;

namespace {

struct Chunk {
    std::int64_t atMs;
    std::string bytes;
};

struct CollectorCase {
    const char* name;
    std::string start;
    std::string end;
    int size;
    std::vector<Chunk> chunks;
    std::vector<std::string> expected;
};

std::string Repeat(char c, std::size_t n) { return std::string(n, c); }

const std::string kVamok53 = "VAMOK" + Repeat('x', 48);

class CollectorTable : public ::testing::TestWithParam<CollectorCase> {};

TEST_P(CollectorTable, DeliversExpectedPackets)
{
    const CollectorCase& c = GetParam();
    PacketCollector collector;
    collector.Configure(c.start, c.end, c.size);
    std::vector<std::string> got;
    for (const Chunk& chunk : c.chunks) {
        for (auto& p : collector.Feed(chunk.bytes, chunk.atMs))
            got.push_back(p);
    }
    EXPECT_EQ(got, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CollectorTable,
    ::testing::Values(
        CollectorCase{"GarbageBeforeStartIgnoredSizeCounted", "VAMOK", "", 53,
                      {{0, "\x01zzVAMVAMO"}, {10, kVamok53 + "tail"}},
                      {kVamok53}},
        CollectorCase{"EndRightAfterFirstEndFollowingStart", "MESS", "SER", 0,
                      {{0, "SERxxMESS12SER34SER"}},
                      {"MESS12SER"}},
        CollectorCase{"StartSplitAcrossReads", "MESS", "SER", 0,
                      {{0, "..ME"}, {5, "SS"}, {6, "abS"}, {7, "ER"}},
                      {"MESSabSER"}},
        CollectorCase{"PartialDroppedAfterTimeoutLaterPacketSeen", "VAMOK", "", 8,
                      {{0, "VAMOK1"}, {2750, "23"}, {2800, "VAMOKabc"}},
                      {"VAMOKabc"}},
        CollectorCase{"JustBeforeTimeoutStillCompletes", "VAMOK", "", 8,
                      {{100, "VAMOK1"}, {2849, "23"}},
                      {"VAMOK123"}},
        CollectorCase{"TimeoutCountsFromStartMatchNotFirstByte", "VAMOK", "", 7,
                      {{0, "garbage VA"}, {2000, "MOK"}, {4000, "xy"}},
                      {"VAMOKxy"}},
        CollectorCase{"RearmsWithinSameRead", "\x02", "\x03", 0,
                      {{0, "\x02" "A\x03junk\x02" "B\x03"}},
                      {"\x02" "A\x03", "\x02" "B\x03"}},
        CollectorCase{"SizeBeforeEndWins", "TYP", "VAMOK", 6,
                      {{0, "TYPabcdefVAMOK"}},
                      {"TYPabc"}},
        CollectorCase{"EndBeforeSizeWins", "TYP", "VAMOK", 100,
                      {{0, "TYPabVAMOKcd"}},
                      {"TYPabVAMOK"}},
        CollectorCase{"CaseSensitive", "MEM", "", 5,
                      {{0, "memxxMeMxxMEMab"}},
                      {"MEMab"}},
        CollectorCase{"EmptyStartBeginsWithNextByte", "", "", 1,
                      {{0, "\x06\x15"}},
                      {"\x06", "\x15"}},
        CollectorCase{"EmptyStartWithEndString", "", "\x03", 0,
                      {{0, "ab\x03" "c"}, {10, "d\x03"}},
                      {"ab\x03", "cd\x03"}},
        CollectorCase{"EndMayNotOverlapStart", "\x02" "SNR", "R", 0,
                      {{0, "\x02" "SNR12R"}},
                      {"\x02" "SNR12R"}},
        CollectorCase{"NulBytesInsidePacket", "MEM", "", 6,
                      {{0, std::string("MEM\0\0\0", 6)}},
                      {std::string("MEM\0\0\0", 6)}},
        CollectorCase{"NoEndConditionNeverCompletes", "GVR", "", 0,
                      {{0, "GVR1234"}},
                      {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PacketCollector, ArmedAtCreationForNakSizeOne)
{
    PacketCollector collector;
    EXPECT_EQ(collector.Feed("ab\x15" "cd", 0), std::vector<std::string>{"\x15"});
}

TEST(PacketCollector, DisabledIgnoresBytesAndEnablingDropsPartial)
{
    PacketCollector collector;
    collector.Configure("VAMOK", "", 7);
    EXPECT_TRUE(collector.Feed("VAMOK1", 0).empty());
    collector.SetEnabled(false);
    EXPECT_TRUE(collector.Feed("VAMOK12", 1).empty());
    collector.SetEnabled(true);
    EXPECT_TRUE(collector.Feed("2", 2).empty()); // the old partial is gone
    EXPECT_EQ(collector.Feed("VAMOKab", 3), std::vector<std::string>{"VAMOKab"});
}

TEST(PacketCollector, ReconfigureDropsPartialPacket)
{
    PacketCollector collector;
    collector.Configure("MESS", "SER", 0);
    EXPECT_TRUE(collector.Feed("MESS12", 0).empty());
    collector.Configure("MESS", "SER", 0);
    EXPECT_TRUE(collector.Feed("SER", 1).empty());
}

} // namespace
