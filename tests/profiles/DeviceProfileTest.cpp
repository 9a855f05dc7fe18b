// Profile bytes as the instrument lays them out: number, 16-character name,
// mask bits 31..0 and (firmware 2.0.6 on) bits 63..32, all as hex text.
#include "profiles/DeviceProfile.h"
#include "profiles/ProfileAvailability.h"
#include "profiles/ProfileFunctions.h"

#include <gtest/gtest.h>

#include <set>

using namespace vamok;

namespace {

// The hex digits of `count` blanks.
std::string HexBlanks(int count)
{
    std::string out;
    for (int i = 0; i < count; ++i)
        out += "20";
    return out;
}

struct WriteCase {
    const char* firmware;
    DeviceProfile profile;
    std::string command;
};

TEST(ProfileWriteCommand, FieldsInInstrumentOrderForEachFirmware)
{
    const std::string klima = "4B6C696D61" + HexBlanks(11); // "Klima"
    const std::string standard = "5374616E64617264" + HexBlanks(8);
    const WriteCase cases[] = {
        {"2.0.5", {4, "Klima", 0x0000001FFFFFFFFFull}, "BPW04" + klima + "FFFFFFFF"},
        {"2.0.6", {4, "Klima", 0x0000001FFFFFFFFFull}, "BPW04" + klima + "FFFFFFFF" + "0000001F"},
        {"3.0.0", {9, "Klima", 0x8000000100000002ull}, "BPW09" + klima + "00000002" + "80000001"},
        // Every box ticked: the old firmware gets bits 31..0 only.
        {"2.0.5", {2, "Klima", ~0ull}, "BPW02" + klima + "FFFFFFFF"},
        {"2.0.6", {2, "Klima", ~0ull}, "BPW02" + klima + "FFFFFFFFFFFFFFFF"},
        // A name with blanks around it, code page 1252 bytes as hex.
        {"2.0.6", {3, "  B\xFCro  ", 0x12345678u}, "BPW03" + std::string("42FC726F") + HexBlanks(12) + "12345678" + "00000000"},
        // Longer than 16: cut.
        {"2.0.5", {5, "ABCDEFGHIJKLMNOPQR", 1}, "BPW05" + std::string("4142434445464748494A4B4C4D4E4F50") + "00000001"},
        // Profile 1 is always "Standard", whatever name it was given.
        {"2.0.5", {1, "Klima", 5}, "BPW01" + standard + "00000005"},
    };
    for (const WriteCase& c : cases)
        EXPECT_EQ(ProfileWriteCommand(c.profile, WideProfileMasks(c.firmware)), c.command)
            << c.firmware << " " << c.profile.name;
}

struct ReadCase {
    const char* name;
    bool wide;
    std::string reply;
    std::optional<DeviceProfile> expected;
};

TEST(DecodeProfileReply, LengthAndLayoutByFirmware)
{
    const std::string record = "04" + std::string("4B6C696D61") + HexBlanks(11) + "FFFFFFFF";
    const std::string upper = "0000001F";
    const ReadCase cases[] = {
        {"old firmware, 45 characters", false, "BPR" + record, DeviceProfile{4, "Klima", 0xFFFFFFFFull}},
        {"new firmware, 53 characters", true, "BPR" + record + upper, DeviceProfile{4, "Klima", 0x0000001FFFFFFFFFull}},
        {"new firmware needs 53", true, "BPR" + record, std::nullopt},
        {"one digit short", false, ("BPR" + record).substr(0, 44), std::nullopt},
        {"lower-case digits", true, "BPR" + std::string("04") + "4b6c696d61" + HexBlanks(11) + "ffffffff0000001f",
         DeviceProfile{4, "Klima", 0x0000001FFFFFFFFFull}},
        {"a NAK", false, "\x15", std::nullopt},
        {"no BPR at the start", false, "XYZ" + record, std::nullopt},
        // A name padded with zero bytes loses them as it loses blanks.
        {"zero-padded name", false, "BPR04" + std::string("4B6C696D61") + std::string(22, '0') + "00000003",
         DeviceProfile{4, "Klima", 3}},
        // More than the record: the rest is not part of it.
        {"trailing bytes", false, "BPR" + record + "ABCD", DeviceProfile{4, "Klima", 0xFFFFFFFFull}},
    };
    for (const ReadCase& c : cases)
        EXPECT_EQ(DecodeProfileReply(c.reply, 4, c.wide), c.expected) << c.name;
}

TEST(DeviceProfile, ReadCommandAndReplyLengths)
{
    EXPECT_EQ(ProfileReadCommand(1), "BPR01");
    EXPECT_EQ(ProfileReadCommand(9), "BPR09");
    EXPECT_EQ(ProfileReplyLength(false), 45u);
    EXPECT_EQ(ProfileReplyLength(true), 53u);
    EXPECT_FALSE(WideProfileMasks("2.0.5"));
    EXPECT_TRUE(WideProfileMasks("2.0.6"));
    EXPECT_TRUE(WideProfileMasks("3.0.0"));
    EXPECT_FALSE(WideProfileMasks("1.4.12"));
    EXPECT_FALSE(WideProfileMasks(""));
}

TEST(ProfileFunctions, DrivingBoxesCarryTheirDetails)
{
    const std::uint64_t cleared = ChangeDrivingBit(kDefaultProfileMask, 22, false);
    EXPECT_EQ(kDefaultProfileMask & ~cleared, (1ull << 22) | (1ull << 32) | (1ull << 33));
    const std::uint64_t noise = ChangeDrivingBit(0, 10, true);
    EXPECT_EQ(noise, (1ull << 10) | (1ull << 11) | (1ull << 24) | (1ull << 25));
    // A detail box changes itself alone.
    EXPECT_EQ(ChangeDrivingBit(0, 32, true), 1ull << 32);
    EXPECT_EQ(kDefaultProfileMask, 0x1FFFFFFFFFull);
}

TEST(ProfileFunctions, SixtyFourDistinctFileKeys)
{
    std::set<std::string> names;
    for (const ProfileBox& box : ProfileBoxes())
        names.insert(box.name);
    EXPECT_EQ(names.size(), 64u);
    EXPECT_EQ(ProfileBoxOf(23).name, "ShowPMV1");
    EXPECT_EQ(ProfileBoxOf(36).name, "ShowPM10u");
    EXPECT_EQ(ProfileBoxOf(37).name, "ShowBox38");
    EXPECT_EQ(ProfileBoxOf(63).name, "ShowBox64");
}

struct CapableCase {
    bool altarim, quadrovan, rix;
    const char* last;
    bool capable;
};

TEST(ProfileAvailability, AltarimAndQuadrovanHaveNoProfiles)
{
    const CapableCase cases[] = {
        {false, false, false, "", true},
        {false, false, true, "VamokRix", true},
        {true, false, false, "", false},
        {false, true, false, "", false},
        {true, true, true, "VamokRix", true},
        {true, false, true, "VamokAltarim", false},
        {false, false, true, "VamokQuadrovan", false},
    };
    for (const CapableCase& c : cases)
        EXPECT_EQ(ProfileCapable(c.altarim, c.quadrovan, c.rix, c.last), c.capable)
            << c.altarim << c.quadrovan << c.rix << " " << c.last;
}

} // namespace
