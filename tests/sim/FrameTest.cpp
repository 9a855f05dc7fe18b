#include "SimTestHelpers.h"
#include "sim/Frame.h"
#include "sim/Hex.h"

#include <gtest/gtest.h>

using namespace vamok::sim;
using vamok::sim::test::Bytes;

TEST(SimFrame, ChecksumCoversPayloadOnlyInUpperCaseHex)
{
    // "BDR07": 0x42 + 0x44 + 0x52 + 0x30 + 0x37 = 0x13F.
    EXPECT_EQ(BuildFrame("BDR07"), "\x02" "BDR07" "3F" "\x03");
    EXPECT_EQ(BuildFrame("MES"), "\x02" "MES" "E5" "\x03");
    EXPECT_EQ(BuildFrame(std::string(1, kAck)), "\x02\x06" "06" "\x03");
}

TEST(SimFrame, ReaderAcceptsOnlyUpperCaseMatchingChecksums)
{
    struct Case {
        std::string bytes;
        bool valid;
        std::string payload;
    } cases[] = {
        {"\x02MESE5\x03", true, "MES"},
        {"\x02MESe5\x03", false, ""},
        {"\x02MESE6\x03", false, ""},
        {"\x02" "E5\x03", false, ""},
        {"\x02" "00\x03", true, ""},
    };
    for (const auto& c : cases) {
        FrameReader reader;
        const auto frames = reader.feed(c.bytes);
        ASSERT_EQ(frames.size(), 1u) << c.bytes;
        EXPECT_EQ(frames[0].valid, c.valid) << c.bytes;
        if (c.valid) {
            EXPECT_EQ(frames[0].payload, c.payload);
        }
    }
}

TEST(SimFrame, ReaderSkipsNoiseRestartsAtStxAndJoinsChunks)
{
    FrameReader reader;
    EXPECT_TRUE(reader.feed("xx\x03zz\x02SE").empty());
    EXPECT_TRUE(reader.inFrame());
    EXPECT_TRUE(reader.feed("\x02SE").empty()); // a new STX drops the half frame
    const auto frames = reader.feed("REA\x03\x02VERED\x03");
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0].payload, "SER");
    EXPECT_TRUE(frames[0].valid);
    EXPECT_EQ(frames[1].payload, "VER");
    EXPECT_FALSE(reader.inFrame());
}

TEST(SimHex, EncodesUpperCaseAndDecodesStrictly)
{
    EXPECT_EQ(HexEncode(Bytes({0x00, 0xAB, 0x7F, 0xFF})), "00AB7FFF");
    EXPECT_EQ(HexDecode("00ab7FfF"), Bytes({0x00, 0xAB, 0x7F, 0xFF}));
    EXPECT_FALSE(HexDecode("ABC"));
    EXPECT_FALSE(HexDecode("0G"));
    EXPECT_EQ(HexDecode(""), std::string());
}

TEST(SimFrame, ReaderGivesUpOnAFrameWithoutEnd)
{
    FrameReader reader;
    reader.feed("\x02" + std::string(5000, 'A'));
    EXPECT_FALSE(reader.inFrame());
    const auto frames = reader.feed("\x02SEREA\x03");
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_TRUE(frames[0].valid);
}
