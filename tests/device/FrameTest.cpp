#include "device/Frame.h"
#include "device/UsbFrameAssembler.h"

#include <gtest/gtest.h>

using namespace vamok;

namespace {

const std::string STX(1, '\x02');
const std::string ETX(1, '\x03');

TEST(Frame, ChecksumCoversPayloadOnlyInUpperCaseHex)
{
    EXPECT_EQ(BuildFrame("BDR07"), STX + "BDR07" + "3F" + ETX); // 0x13F
    EXPECT_EQ(BuildFrame("MES"), STX + "MES" + "E5" + ETX);
    EXPECT_EQ(BuildFrame(""), STX + "00" + ETX);
}

struct CheckCase {
    const char* name;
    std::string frame;
    std::string payload;
};

class CheckFrameTable : public ::testing::TestWithParam<CheckCase> {};

TEST_P(CheckFrameTable, YieldsPayloadOrEmpty)
{
    EXPECT_EQ(CheckFrame(GetParam().frame), GetParam().payload);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CheckFrameTable,
    ::testing::Values(
        CheckCase{"UpperCaseAccepted", STX + "MES" + "E5" + ETX, "MES"},
        CheckCase{"LowerCaseRejected", STX + "MES" + "e5" + ETX, ""},
        CheckCase{"WrongSumRejected", STX + "MES" + "E6" + ETX, ""},
        CheckCase{"NonHexRejected", STX + "MES" + "G5" + ETX, ""},
        CheckCase{"ThreeBytesEmpty", STX + "0" + ETX, ""},
        CheckCase{"EmptyFrame", "", ""},
        CheckCase{"FourBytesEmptyPayload", STX + "00" + ETX, ""},
        CheckCase{"SumWrapsModulo256", STX + "BDR07" + "3F" + ETX, "BDR07"},
        CheckCase{"BinaryPayload", STX + std::string("\0\xFF", 2) + "FF" + ETX,
                  std::string("\0\xFF", 2)},
        CheckCase{"RoundTripAck", BuildFrame("\x06"), "\x06"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(UsbFrameAssembler, StxRestartsAndEtxDelivers)
{
    UsbFrameAssembler a;
    EXPECT_TRUE(a.Feed("junk" + STX + "SE").empty());
    EXPECT_EQ(a.Feed("R1" + ETX + "x" + STX + "A" + STX + "B" + ETX),
              (std::vector<std::string>{STX + "SER1" + ETX, STX + "B" + ETX}));
}

TEST(UsbFrameAssembler, NoiseEndingInEtxIsNotAFrame)
{
    UsbFrameAssembler a;
    EXPECT_TRUE(a.Feed("noise" + ETX).empty());
    EXPECT_EQ(a.Feed(STX + "MES" + ETX), std::vector<std::string>{STX + "MES" + ETX});
}

TEST(UsbFrameAssembler, EndlessFrameIsDropped)
{
    UsbFrameAssembler a;
    EXPECT_TRUE(a.Feed(STX + std::string(UsbFrameAssembler::kMaxFrame + 10, 'x') + ETX).empty());
    EXPECT_EQ(a.Feed(STX + "A" + ETX).size(), 1u);
}

} // namespace
