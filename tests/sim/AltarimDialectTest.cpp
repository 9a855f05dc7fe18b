#include "SimTestHelpers.h"
#include "sim/Instrument.h"
#include "sim/MemoryRecord.h"
#include "sim/TypeRecord.h"

#include <gtest/gtest.h>

using namespace vamok::sim;
using vamok::sim::test::Bytes;

namespace {

SimState AltarimState(const std::string& firmware = "2.10")
{
    SimState s = EmptyState();
    s.firmware = firmware;
    s.serial = 1234;
    s.series = 56;
    s.flags = 1;
    s.live = {{"Temp", 22.4}};
    Workplace& wp = s.workplaces[2];
    wp.name = "Lager";
    wp.type = "VAM ";
    wp.values = {{Reading::Temp, 19.5}};
    s.types[0] = DefaultType();
    TypeDefinition office = DefaultType();
    office.name = "AB";
    s.types[1] = office;
    return s;
}

std::string Ask(Instrument& instrument, const std::string& bytes)
{
    std::string reply;
    for (const Answer& a : instrument.receive(bytes)) {
        EXPECT_FALSE(a.framed);
        reply += a.reply;
    }
    return reply;
}

} // namespace

TEST(SimAltarim, IdentificationIs53BytesWithSerialTail)
{
    const auto altarim = MakeInstrument(Dialect::Altarim, AltarimState());
    const std::string reply = Ask(*altarim, "VeSr");
    ASSERT_EQ(reply.size(), 53u);
    EXPECT_EQ(reply.substr(0, 5), "VAMOK");
    EXPECT_EQ(reply.substr(reply.find("Ver ") + 4, 4), "2.10");
    EXPECT_EQ(reply.substr(46), "SER" + Bytes({0x04, 0xD2, 0x38, 0x01}));
}

TEST(SimAltarim, LiveValuesEndWithTheSerialAnswer)
{
    const auto altarim = MakeInstrument(Dialect::Altarim, AltarimState());
    const std::string reply = Ask(*altarim, "MmCkSr");
    ASSERT_EQ(reply.substr(0, 8), "MESSM0" + Bytes({0x00, 0xE0}));
    const std::size_t mess = 4 + 12 * 4;
    // "Ck": the byte sum of the "Mm" answer.
    unsigned sum = 0;
    for (std::size_t i = 0; i < mess; ++i)
        sum += static_cast<unsigned char>(reply[i]);
    EXPECT_EQ(static_cast<unsigned char>(reply[mess]), sum & 0xFF);
    EXPECT_EQ(reply.substr(mess + 1), "SER" + Bytes({0x04, 0xD2, 0x38, 0x01}));
}

TEST(SimAltarim, MemoryReadIsMemAndTheRecordEvenWhenSplit)
{
    const auto altarim = MakeInstrument(Dialect::Altarim, AltarimState());
    EXPECT_EQ(Ask(*altarim, "G"), "");
    EXPECT_TRUE(altarim->hasPartialInput());
    EXPECT_EQ(Ask(*altarim, "r"), "");
    const std::string reply = Ask(*altarim, "\x03" "Ck");
    ASSERT_EQ(reply.size(), 3u + 76u + 1u);
    EXPECT_EQ(reply.substr(0, 4), "MEM\x03");
    EXPECT_EQ(reply.substr(4, 8), "Lager   ");
    EXPECT_EQ(reply.substr(12, 4), "VAM ");
    EXPECT_EQ(reply.substr(17, 2), Bytes({0x00, 0xC3}));
    // An empty workplace: blank name, no type, no readings.
    const std::string empty = Ask(*altarim, "Gr\x63");
    EXPECT_EQ(empty.substr(4, 12), "        NONE");
    EXPECT_EQ(empty.substr(17, 2), "\xFF\xFF");
}

TEST(SimAltarim, NameWriteAnswersAckAndReadsBackAsRecord)
{
    const auto altarim = MakeInstrument(Dialect::Altarim, AltarimState());
    // Workplace 3 "Büro" in display codes, type slot 2.
    const std::string pt = "Pt" + Bytes({0x03, 'B', 0xF5, 'r', 'o', ' ', ' ', ' ', ' ', 0x00, 0x02});
    const std::string reply = Ask(*altarim, pt + "Gr\x03");
    ASSERT_GE(reply.size(), 1u + 16u);
    EXPECT_EQ(reply[0], '\x06');
    EXPECT_EQ(reply.substr(1, 16), "MEM" + Bytes({0x03, 'B', 0xF5, 'r', 'o', ' ', ' ', ' ', ' ', 'A', 'B', ' ', ' '}));
    EXPECT_EQ(reply.substr(1 + 3 + 14, 2), "\xFF\xFF"); // the old readings are gone

    const auto& name = altarim->memory().log().names.at(3);
    EXPECT_EQ(name.text, "B\xFCro    ");
    EXPECT_EQ(name.slot, 2);
    EXPECT_FALSE(name.profile);
}

TEST(SimAltarim, NameWriteWithAnEmptySlotGivesTypeNone)
{
    const auto altarim = MakeInstrument(Dialect::Altarim, AltarimState());
    const std::string reply = Ask(*altarim, "Pt\x04" "Flur    " + Bytes({0x00, 0x07}) + "Gr\x04");
    EXPECT_EQ(reply.substr(0, 17), "\x06MEM\x04" "Flur    NONE");
}

TEST(SimAltarim, NameWriteWithoutSeparatorIsRefused)
{
    const auto altarim = MakeInstrument(Dialect::Altarim, AltarimState());
    const auto answers = altarim->receive("Pt\x03" "ABCDEFGH" "X\x01");
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(answers[0].reply, "\x15");
    EXPECT_TRUE(answers[0].refused);
    EXPECT_TRUE(altarim->memory().log().names.empty());
}

TEST(SimAltarim, TypeWriteThenReadBackGives138Bytes)
{
    const auto altarim = MakeInstrument(Dialect::Altarim, AltarimState());
    TypeDefinition t = DefaultType();
    t.name = "B\xFCro";
    t.rows[0] = {18, 19, 20, 25, 21};
    const std::string record = EncodeTypeRecord(t, TypeLayout::Altarim, true);
    const std::string reply = Ask(*altarim, " Wa\x04" + record + "Rd\x04");
    ASSERT_EQ(reply.size(), 1u + 138u);
    EXPECT_EQ(reply[0], '\x06');
    EXPECT_EQ(reply.substr(1), "TYP\x04" + record);
    const auto& written = altarim->memory().log().types.at(4);
    EXPECT_EQ(written.command, " Wa");
    EXPECT_EQ(written.definition.name, "B\xFCro");
    EXPECT_DOUBLE_EQ(written.definition.rows[0][3], 25);
}

TEST(SimAltarim, TypeReadEndsWithIdentification)
{
    const auto altarim = MakeInstrument(Dialect::Altarim, AltarimState());
    const std::string reply = Ask(*altarim, "Rd\x02" "CkVe");
    EXPECT_EQ(reply.substr(0, 8), "TYP\x02" "AB  ");
    EXPECT_EQ(reply.size(), 4u + 134u + 1u + 46u);
    EXPECT_EQ(reply.substr(139, 5), "VAMOK");
    // An empty slot answers with its header only.
    EXPECT_EQ(Ask(*altarim, "Rd\x05"), "TYP\x05");
    EXPECT_EQ(Ask(*altarim, "Rd\x05" "CkVe").substr(0, 10), "TYP\x05" "\x02" "VAMOK"); // 0x102: Ck of "TYP" 5
}

TEST(SimAltarim, EarlyFirmwareUsesShortRecords)
{
    const auto altarim = MakeInstrument(Dialect::Altarim, AltarimState("1.05"));
    EXPECT_EQ(Ask(*altarim, "Rd\x01").size(), 4u + 124u);
    const std::string mem = Ask(*altarim, "Gr\x03");
    EXPECT_EQ(mem.substr(3), AltarimRecord(altarim->memory().state().workplaces[2], false));
}

TEST(SimAltarim, UnknownBytesAreSkippedAndBadNumbersIgnored)
{
    const auto altarim = MakeInstrument(Dialect::Altarim, AltarimState());
    EXPECT_EQ(Ask(*altarim, "xyzUNLK").size(), 0u);
    EXPECT_FALSE(altarim->hasPartialInput());
    EXPECT_EQ(Ask(*altarim, Bytes({'G', 'r', 0})), "");
    EXPECT_EQ(Ask(*altarim, "Gr\x64"), "");
    EXPECT_EQ(Ask(*altarim, "##Sr").substr(0, 3), "SER");
}

TEST(SimAltarim, QuietLineDropsAnUnfinishedCommand)
{
    const auto altarim = MakeInstrument(Dialect::Altarim, AltarimState());
    Ask(*altarim, " Wa\x01" "VAM ");
    EXPECT_TRUE(altarim->hasPartialInput());
    altarim->dropPartialInput();
    EXPECT_EQ(Ask(*altarim, "Sr").substr(0, 3), "SER");
}
