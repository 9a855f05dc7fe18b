#include "SimTestHelpers.h"
#include "sim/Firmware.h"
#include "sim/Hex.h"
#include "sim/Instrument.h"
#include "sim/MemoryRecord.h"
#include "sim/TypeRecord.h"

#include <gtest/gtest.h>

using namespace vamok::sim;
using vamok::sim::test::Bytes;
using vamok::sim::test::Framed;

namespace {

SimState FramedState(const std::string& firmware)
{
    SimState s = EmptyState();
    s.firmware = firmware;
    s.serial = 1234;
    s.series = 56;
    s.live = {{"Temp", 21.0}, {"GT", 23.45}, {"CO2", 500}, {"Wind", 0.25}};
    Workplace& wp = s.workplaces[6];
    wp.name = "Halle";
    wp.type = "AB  ";
    wp.profile = 3;
    wp.time = 60;
    wp.values = {{Reading::Temp, 20.5}, {Reading::Wind, 0.25}};
    TypeDefinition office = DefaultType();
    office.name = "AB";
    s.types[1] = office;
    return s;
}

// One framed exchange; the answer must be a well-formed frame.
std::string Ask(Instrument& instrument, const std::string& payload)
{
    const auto answers = instrument.receive(Framed(payload));
    if (answers.size() != 1 || answers[0].reply.empty())
        return "<no answer>";
    const std::string& frame = answers[0].reply;
    EXPECT_TRUE(answers[0].framed);
    const std::string inner = frame.substr(1, frame.size() - 4);
    EXPECT_EQ(frame, Framed(inner)) << "answer frame is malformed";
    return inner;
}

const std::string kAck = "\x06";
const std::string kNak = "\x15";

} // namespace

TEST(SimRix, IdentificationAnswers)
{
    const auto rix = MakeInstrument(Dialect::Rix, FramedState("1.2.3"));
    EXPECT_EQ(Ask(*rix, "SER"), "SER1234-56");
    EXPECT_EQ(Ask(*rix, "VER"), "VER010203");
    const auto ventiq = MakeInstrument(Dialect::Ventiq, FramedState("1.2.3"));
    EXPECT_EQ(Ask(*ventiq, "SER"), "SER04D2-38");
}

TEST(SimRix, LiveValuesAreHexOfTheBinaryForm)
{
    const auto rix = MakeInstrument(Dialect::Rix, FramedState("2.0.6"));
    const auto decoded = HexDecode(Ask(*rix, "MES"));
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->substr(0, 8), "MESSM0" + Bytes({0x00, 0xD2}));
    EXPECT_NE(decoded->find("Mf" + Bytes({0x09, 0x29})), std::string::npos);
    const auto ventiq = MakeInstrument(Dialect::Ventiq, FramedState("1.0.0"));
    EXPECT_EQ(Ask(*ventiq, "MES").substr(0, 9), "MESM00019");
}

TEST(SimRix, MemoryReadCarriesTheRecordAsHex)
{
    const auto rix = MakeInstrument(Dialect::Rix, FramedState("2.0.5"));
    const std::string reply = Ask(*rix, "BDR07");
    ASSERT_EQ(reply.substr(0, 3), "BDR");
    const auto record = HexDecode(reply.substr(3));
    ASSERT_TRUE(record);
    EXPECT_EQ(*record, RixRecord(rix->memory().state().workplaces[6], FirmwareNumber("2.0.5")));
    EXPECT_EQ(record->size(), 157u);
    EXPECT_EQ((*record)[26], 3);

    const auto ventiq = MakeInstrument(Dialect::Ventiq, FramedState("1.0.0"));
    EXPECT_EQ(HexDecode(Ask(*ventiq, "BDR07").substr(3))->size(), 73u);
    for (const char* bad : {"BDR00", "BDR64", "BDR7", "BDRXY"})
        EXPECT_EQ(Ask(*rix, bad), kNak) << bad;
}

TEST(SimRix, BadFramesGetNak)
{
    const auto rix = MakeInstrument(Dialect::Rix, FramedState("2.0.6"));
    for (const std::string frame : {"\x02SERea\x03", "\x02SEREB\x03"}) {
        const auto answers = rix->receive(frame);
        ASSERT_EQ(answers.size(), 1u);
        EXPECT_EQ(answers[0].reply, Framed(kNak));
        EXPECT_TRUE(answers[0].refused);
    }
    EXPECT_FALSE(rix->receive(Framed("SER")).at(0).refused);
    EXPECT_EQ(Ask(*rix, "XYZ"), kNak);
}

TEST(SimRix, NameWriteWithProfileThenReadBack)
{
    const auto rix = MakeInstrument(Dialect::Rix, FramedState("2.0.6"));
    const std::string name = "B\xFCro" + std::string(16, ' ');
    const std::string body = Bytes({3}) + name + Bytes({2, 4});
    EXPECT_EQ(Ask(*rix, "BDW" + HexEncode(body)), kAck);
    const auto record = HexDecode(Ask(*rix, "BDR03").substr(3));
    ASSERT_TRUE(record);
    EXPECT_EQ(record->substr(0, 25), Bytes({3}) + name + "AB  ");
    EXPECT_EQ((*record)[26], 4);
    EXPECT_EQ(record->substr(27, 4), std::string(4, '\xFF'));
    const auto& logged = rix->memory().log().names.at(3);
    EXPECT_EQ(logged.slot, 2);
    EXPECT_EQ(logged.profile, 4);

    // The Ventiq has no profile byte; the rix needs it.
    EXPECT_EQ(Ask(*rix, "BDW" + HexEncode(Bytes({3}) + name + Bytes({2}))), kNak);
    const auto ventiq = MakeInstrument(Dialect::Ventiq, FramedState("1.0.0"));
    EXPECT_EQ(Ask(*ventiq, "BDW" + HexEncode(Bytes({3}) + name + Bytes({2}))), kAck);
    EXPECT_FALSE(ventiq->memory().log().names.at(3).profile);
}

TEST(SimRix, TypeSlotsFollowTheFirmwareLayout)
{
    struct Case {
        const char* firmware;
        TypeLayout layout;
    } cases[] = {{"1.4.2", TypeLayout::Altarim}, {"1.4.3", TypeLayout::RixGas}, {"2.0.6", TypeLayout::RixDust}};
    for (const auto& c : cases) {
        const auto rix = MakeInstrument(Dialect::Rix, FramedState(c.firmware));
        TypeDefinition t = DefaultType();
        t.name = "NEU1";
        const std::string record = EncodeTypeRecord(t, c.layout, false);
        EXPECT_EQ(Ask(*rix, "BTW" + HexEncode("\x05" + record)), kAck) << c.firmware;
        EXPECT_EQ(Ask(*rix, "BTR05"), "BTR05" + HexEncode(record)) << c.firmware;
        EXPECT_EQ(Ask(*rix, "BTW" + HexEncode("\x05" + record + "xx")), kNak) << c.firmware;
        EXPECT_EQ(Ask(*rix, "BTR02").substr(0, 13), "BTR02" + HexEncode("AB  ")) << c.firmware;
    }
    const auto ventiq = MakeInstrument(Dialect::Ventiq, FramedState("1.0.0"));
    EXPECT_EQ(Ask(*ventiq, "BTR09"), "BTR09");
}

TEST(SimRix, ProfilesCarry32Or64MaskBits)
{
    const auto old = MakeInstrument(Dialect::Rix, FramedState("2.0.5"));
    EXPECT_EQ(Ask(*old, "BPR02"), "BPR02" + HexEncode("USER1" + std::string(11, ' ')) + "FFFFFFFF");
    const std::string name = HexEncode("Klima" + std::string(11, ' '));
    EXPECT_EQ(Ask(*old, "BPW04" + name + "0000ABCD"), kAck);
    EXPECT_EQ(Ask(*old, "BPR04"), "BPR04" + name + "0000ABCD");
    EXPECT_EQ(Ask(*old, "BPW04" + name + "0000ABCD00000001"), kNak);

    const auto rix = MakeInstrument(Dialect::Rix, FramedState("2.0.6"));
    EXPECT_EQ(Ask(*rix, "BPW04" + name + "FFFFFFFF0000001F"), kAck);
    EXPECT_EQ(Ask(*rix, "BPR04"), "BPR04" + name + "FFFFFFFF0000001F");
    EXPECT_EQ(rix->memory().log().profiles.at(4).mask, 0x1FFFFFFFFFull);
    EXPECT_EQ(Ask(*rix, "BPR04").size(), 53u);
    EXPECT_EQ(Ask(*old, "BPR04").size(), 45u);

    const std::string names = Ask(*rix, "BPN");
    ASSERT_EQ(names.size(), 3u + 8u * 16u);
    EXPECT_EQ(names.substr(3 + 2 * 16, 16), "Klima" + std::string(11, ' '));
}

TEST(SimRix, ClockAndKeyboardLock)
{
    const auto rix = MakeInstrument(Dialect::Rix, FramedState("2.0.6"));
    EXPECT_EQ(Ask(*rix, "U2D24BD00"), kAck);
    EXPECT_EQ(rix->memory().log().clock, 0x2D24BD00);
    EXPECT_EQ(Ask(*rix, "U2d24bd00"), kNak);
    EXPECT_EQ(Ask(*rix, "U123"), kNak);
    EXPECT_EQ(Ask(*rix, "UNLK"), kAck);
    EXPECT_EQ(rix->memory().log().unlocks, 1);

    const auto ventiq = MakeInstrument(Dialect::Ventiq, FramedState("1.0.0"));
    EXPECT_EQ(Ask(*ventiq, "U0000000A"), kAck);
    EXPECT_EQ(Ask(*ventiq, "UNLK"), kNak);
    EXPECT_EQ(Ask(*ventiq, "BPN"), kNak);
}

TEST(SimQuadrovan, IdentificationAndGatewayValues)
{
    const auto q = MakeInstrument(Dialect::Quadrovan, FramedState("1.2"));
    EXPECT_EQ(Ask(*q, "SNR"), "SNR04D238");
    EXPECT_EQ(Ask(*q, "VER"), "VER0102");
    EXPECT_EQ(Ask(*q, "GVR"), "GVR092901F4");
    EXPECT_EQ(Ask(*q, "0"), kNak);
}

TEST(SimQuadrovan, PassesAltarimCommandsToTheAttachedInstrument)
{
    const auto q = MakeInstrument(Dialect::Quadrovan, FramedState("1.2"));
    const std::string reply = Ask(*q, "VAMOK" + HexEncode("MmCkSr"));
    ASSERT_EQ(reply.substr(0, 13), "VAMOK4D455353");
    const auto inner = HexDecode(reply.substr(5));
    ASSERT_TRUE(inner);
    EXPECT_EQ(inner->substr(0, 8), "MESSM0" + Bytes({0x00, 0xD2}));
    EXPECT_EQ(inner->substr(inner->size() - 7), "SER" + Bytes({0x04, 0xD2, 0x38, 0x01}));
    EXPECT_EQ(Ask(*q, "VAMOK4D6"), kNak);
}

TEST(SimQuadrovan, RecordNamesAndTypes)
{
    const auto q = MakeInstrument(Dialect::Quadrovan, FramedState("1.2"));
    const auto record = HexDecode(Ask(*q, "BDR07").substr(3));
    ASSERT_TRUE(record);
    EXPECT_EQ(*record, QuadrovanRecord(q->memory().state().workplaces[6]));

    const std::string name = Bytes({'B', 0xF5, 'r', 'o', ' ', ' ', ' ', ' '});
    EXPECT_EQ(Ask(*q, "BDW" + HexEncode("\x03" + name + "\x02")), kAck);
    EXPECT_EQ(HexDecode(Ask(*q, "BDR03").substr(3))->substr(0, 13), "\x03" + name + "AB  ");
    EXPECT_EQ(Ask(*q, "BDW" + HexEncode("\x03" + name + std::string(1, '\0') + "\x02")), kNak);

    const std::string type = EncodeTypeRecord(DefaultType(), TypeLayout::Altarim, true);
    EXPECT_EQ(Ask(*q, "GTY" + HexEncode("\x01" + type)), kAck);
    EXPECT_EQ(Ask(*q, "BTR01"), "BTR01" + HexEncode(type));
    EXPECT_EQ(q->memory().log().types.at(1).command, "GTY");
}
