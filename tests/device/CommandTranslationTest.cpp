#include "device/CommandTranslation.h"
#include "device/EmulatedIdentification.h"

#include "core/TextHelpers.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

using namespace vamok;

namespace {

struct Sent {
    std::string payload;
    std::string prefix;
    int timeoutMs;
    bool operator==(const Sent&) const = default;
};

void PrintTo(const Sent& s, std::ostream* os)
{
    *os << "{" << ::testing::PrintToString(s.payload) << ", " << ::testing::PrintToString(s.prefix)
        << ", " << s.timeoutMs << "}";
}

// Plays the instrument side of the framed exchange: one reply payload per
// request payload; unknown requests get no answer.
struct ScriptedLink {
    std::map<std::string, std::string> replies;
    std::vector<Sent> sent;
    int beeps = 0;
    std::vector<std::string> models;

    FrameExchange exchange()
    {
        return [this](const std::string& payload, const std::string& prefix, int t) {
            sent.push_back({payload, prefix, t});
            const auto it = replies.find(payload);
            return it == replies.end() ? std::string() : it->second;
        };
    }
    DialectEvents events()
    {
        return {[this] { ++beeps; }, [this](const std::string& m) { models.push_back(m); }};
    }
};

std::string Bytes(std::initializer_list<int> values)
{
    std::string out;
    for (int v : values)
        out += static_cast<char>(v);
    return out;
}

std::string Record(std::size_t n)
{
    std::string r;
    for (std::size_t i = 0; i < n; ++i)
        r += static_cast<char>('a' + i % 26);
    return r;
}

enum class Link { Rix, Ventiq, Quadrovan };

struct ExchangeCase {
    const char* name;
    Link link;
    std::string command;
    std::string callerStart;
    int timeoutMs;
    std::map<std::string, std::string> replies;
    std::vector<Sent> expectedSent;
    std::string expectedReply;
    int expectedBeeps;
};

class ExchangeTable : public ::testing::TestWithParam<ExchangeCase> {};

TEST_P(ExchangeTable, SendsTranslatedPayloadAndRebuildsReply)
{
    const ExchangeCase& c = GetParam();
    ScriptedLink link;
    link.replies = c.replies;
    const std::string reply =
        c.link == Link::Quadrovan
        ? ExchangeQuadrovan(c.command, c.callerStart, c.timeoutMs, link.exchange(), link.events())
        : ExchangeUsb(c.command, c.timeoutMs, c.link == Link::Ventiq, link.exchange(),
                      link.events());
    EXPECT_EQ(link.sent, c.expectedSent);
    EXPECT_EQ(reply, c.expectedReply);
    EXPECT_EQ(link.beeps, c.expectedBeeps);
}

const std::string STX(1, '\x02');
const std::string ACK(1, '\x06');
const std::string kTypeEnd = "\x01\x02\x03";

// A memory reply payload whose decoded record is n bytes after "MEM".
std::string MemoryPayload(std::size_t n) { return "BDR" + HexEncode(Record(n)); }

// The gateway's record with the byte pairs the altarim layout expects
// copied in: bytes 71-72 (and 73-74 when present) of R = "MEM" + record
// go in before byte 62.
std::string WithPairsCopied(std::size_t recordBytes, std::size_t copied)
{
    const std::string r = "MEM" + Record(recordBytes);
    return r.substr(0, 61) + r.substr(70, copied) + r.substr(61);
}

INSTANTIATE_TEST_SUITE_P(
    Usb, ExchangeTable,
    ::testing::Values(
        ExchangeCase{"RixMemoryRecord", Link::Rix, "Gr\x07" "Ck", "MEM", 200,
                     {{"BDR07", MemoryPayload(72)}}, {{"BDR07", "", 500}},
                     "MEM" + Record(72), 0},
        ExchangeCase{"RixShortMemoryRecordRefused", Link::Rix, "Gr\x07" "Ck", "MEM", 200,
                     {{"BDR07", MemoryPayload(71)}}, {{"BDR07", "", 500}}, "", 0},
        ExchangeCase{"VentiqShortMemoryRecordKept", Link::Ventiq, "Gr\x07", "MEM", 200,
                     {{"BDR07", MemoryPayload(10)}}, {{"BDR07", "", 1500}},
                     "MEM" + Record(10), 0},
        ExchangeCase{"MemoryWithoutAnswerIsEmpty", Link::Ventiq, "Gr\x07", "MEM", 200, {},
                     {{"BDR07", "", 1500}}, "", 0},
        ExchangeCase{"MemoryWithoutNumberSendsNothing", Link::Rix, "Gr", "MEM", 200, {}, {}, "", 0},
        ExchangeCase{"LiveValuesRixDecoded", Link::Rix, "MmCkSr", "MESS", 500,
                     {{"MES", HexEncode("MESS1SER")}}, {{"MES", "", 500}}, "MESS1SER", 0},
        ExchangeCase{"LiveValuesVentiqUnchanged", Link::Ventiq, "MmCkSr", "MESS", 1000,
                     {{"MES", "MESS1SER"}}, {{"MES", "", 2000}}, "MESS1SER", 0},
        ExchangeCase{"NameWriteDropsFirstNul", Link::Rix, std::string("Pt\x03Room\0\x01\0", 10), "",
                     1000, {{"BDW03526F6F6D0100", ACK}}, {{"BDW03526F6F6D0100", "", 1000}}, ACK, 0},
        ExchangeCase{"NameWriteWithoutNulEncodedWhole", Link::Rix, "Pt\x03Room", "", 1000,
                     {{"BDW03526F6F6D", ACK}}, {{"BDW03526F6F6D", "", 1000}}, ACK, 0},
        ExchangeCase{"NameWriteEmptySendsNothing", Link::Rix, "Pt", "", 1000, {}, {}, "", 0},
        ExchangeCase{"TypeWrite", Link::Rix, " Wa\x02" "AB", "", 3000, {{"BTW024142", ACK}},
                     {{"BTW024142", "", 3000}}, ACK, 0},
        ExchangeCase{"TypeWriteEmptyBeeps", Link::Rix, " Wa", "", 3000, {}, {}, "", 1},
        ExchangeCase{"GtyEmptyBeeps", Link::Ventiq, "GTY", "", 3000, {}, {}, "", 1},
        ExchangeCase{"GtyEncoded", Link::Rix, "GTY\x01" "Z", "", 3000, {{"GTY015A", ACK}},
                     {{"GTY015A", "", 3000}}, ACK, 0},
        ExchangeCase{"TypeReadDropsCkVe", Link::Rix, "Rd\x03" "CkVe", "TYP", 1000,
                     {{"BTR03", "BTR" + HexEncode("OFFI")}}, {{"BTR03", "", 1000}},
                     "TYPOFFI" + kTypeEnd, 0},
        ExchangeCase{"TypeReadWithoutBtrEmpty", Link::Rix, "Rd\x03", "TYP", 1000,
                     {{"BTR03", "XYZ0102"}}, {{"BTR03", "", 1000}}, "", 0},
        ExchangeCase{"TypeReadEmptyDecodedBeeps", Link::Rix, "Rd\x03", "TYP", 1000,
                     {{"BTR03", "BTR"}}, {{"BTR03", "", 1000}}, "TYP" + kTypeEnd, 1},
        ExchangeCase{"SrSendsNothing", Link::Rix, "Sr", "", 1000, {}, {}, "", 0},
        ExchangeCase{"CkSendsNothing", Link::Ventiq, "Ck", "", 1000, {}, {}, "", 0},
        ExchangeCase{"CkVeSendsNothing", Link::Rix, "CkVe", "", 1000, {}, {}, "", 0},
        ExchangeCase{"ExtraValuesStripCommandAndDecode", Link::Rix, "GVR", "GVR", 500,
                     {{"GVR", "GVR0102FF"}}, {{"GVR", "", 500}}, Bytes({1, 2, 0xFF}), 0},
        ExchangeCase{"ExtraValuesShortReplyEmpty", Link::Rix, "GVR", "GVR", 500,
                     {{"GVR", "GV"}}, {{"GVR", "", 500}}, "", 0},
        ExchangeCase{"UnlockPassedUnchanged", Link::Rix, "UNLK", STX, 1000, {{"UNLK", ACK}},
                     {{"UNLK", "", 1000}}, ACK, 0},
        ExchangeCase{"ClockPassedUnchanged", Link::Ventiq, "U2D24BD00", STX, 1000,
                     {{"U2D24BD00", ACK}}, {{"U2D24BD00", "", 2000}}, ACK, 0}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Quadrovan, ExchangeTable,
    ::testing::Values(
        ExchangeCase{"LiveValuesThroughGateway", Link::Quadrovan, "MmCkSr", "MESS", 1000,
                     {{"VAMOK4D6D436B5372", "VAMOK" + HexEncode("MESS1SER")}},
                     {{"VAMOK4D6D436B5372", "VAMOK4D455353", 500}}, "MESS1SER", 0},
        ExchangeCase{"Memory72GetsFirstInsertionOnly", Link::Quadrovan, "Gr\x07" "Ck", "MEM", 200,
                     {{"BDR07", MemoryPayload(69)}}, {{"BDR07", "BDR", 500}},
                     WithPairsCopied(69, 2), 0},
        ExchangeCase{"Memory74GetsBothInsertions", Link::Quadrovan, "Gr\x07", "MEM", 200,
                     {{"BDR07", MemoryPayload(71)}}, {{"BDR07", "BDR", 500}},
                     WithPairsCopied(71, 4), 0},
        ExchangeCase{"Memory71RefusedWithBeep", Link::Quadrovan, "Gr\x07", "MEM", 200,
                     {{"BDR07", MemoryPayload(68)}}, {{"BDR07", "BDR", 500}}, "", 1},
        ExchangeCase{"NameWriteExpectsAck", Link::Quadrovan, "Pt\x01X", "", 1000,
                     {{"BDW0158", ACK}}, {{"BDW0158", ACK, 1000}}, ACK, 0},
        ExchangeCase{"TypeWriteExpectsAck", Link::Quadrovan, " Wa\x01X", "", 3000,
                     {{"BTW0158", ACK}}, {{"BTW0158", ACK, 3000}}, ACK, 0},
        ExchangeCase{"GtyAtStxAlone", Link::Quadrovan, "GTY\x01X", "", 3000, {{"GTY0158", ACK}},
                     {{"GTY0158", "", 3000}}, ACK, 0},
        ExchangeCase{"TypeReadExpectsBtr", Link::Quadrovan, "Rd\x09" "CkVe", "TYP", 1000,
                     {{"BTR09", "BTR41"}}, {{"BTR09", "BTR", 1000}}, "TYPA" + kTypeEnd, 0},
        ExchangeCase{"ExtraValuesUseCallerStart", Link::Quadrovan, "GVR", "GVR", 500,
                     {{"GVR", "GVR0A0B"}}, {{"GVR", "GVR", 500}}, Bytes({10, 11}), 0},
        ExchangeCase{"UnlockSentAsZero", Link::Quadrovan, "UNLK", STX, 1000, {{"0", ACK}},
                     {{"0", STX, 1000}}, ACK, 0},
        ExchangeCase{"ProfileReadSentAsZero", Link::Quadrovan, "BPR01", STX, 500, {},
                     {{"0", STX, 500}}, "", 0},
        ExchangeCase{"SrSendsNothing", Link::Quadrovan, "Sr", "", 1000, {}, {}, "", 0},
        ExchangeCase{"EmptyTypeWriteBeeps", Link::Quadrovan, " Wa", "", 3000, {}, {}, "", 1}),
    [](const auto& info) { return std::string(info.param.name); });

struct IdentCase {
    const char* name;
    Link link;
    std::map<std::string, std::string> replies;
    int timeoutMs;
    std::vector<Sent> expectedSent;
    std::string expectedReply;
    std::vector<std::string> expectedModels;
};

class IdentificationTable : public ::testing::TestWithParam<IdentCase> {};

TEST_P(IdentificationTable, BuildsAltarimIdentification)
{
    const IdentCase& c = GetParam();
    ScriptedLink link;
    link.replies = c.replies;
    const std::string reply =
        c.link == Link::Quadrovan
        ? ExchangeQuadrovan("VeSr", "VAMOK", c.timeoutMs, link.exchange(), link.events())
        : ExchangeUsb("VeSr", c.timeoutMs, c.link == Link::Ventiq, link.exchange(), link.events());
    EXPECT_EQ(link.sent, c.expectedSent);
    EXPECT_EQ(reply, c.expectedReply);
    EXPECT_EQ(link.models, c.expectedModels);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IdentificationTable,
    ::testing::Values(
        IdentCase{"RixSerialDecimalBecomesBinary", Link::Rix,
                  {{"SER", "SER1234-56"}, {"VER", "VER010203"}}, 300,
                  {{"SER", "", 300}, {"VER", "", 300}},
                  "VAMOK rix  - Ver 1.2.3SER" + Bytes({0x04, 0xD2, 0x38, 0x01}), {"VamokRix"}},
        IdentCase{"VentiqSerialDigitsTakenAsHex", Link::Ventiq,
                  {{"SER", "SER1234-56"}, {"VER", "VER010203"}}, 400,
                  {{"SER", "", 1400}, {"VER", "", 1400}},
                  "Ventiq  - Ver 1.2.3SER" + Bytes({0x12, 0x34, 0x56, 0x01}), {"VamokRix"}},
        IdentCase{"RixWithoutVersion", Link::Rix, {{"SER", "SER1234-56"}}, 300,
                  {{"SER", "", 300}, {"VER", "", 300}},
                  "*** VAMOK rix ***Ver 0.01SER" + Bytes({0x04, 0xD2, 0x38, 0x01}), {}},
        IdentCase{"VentiqWithoutVersion", Link::Ventiq, {{"SER", "SER1234-56"}}, 400,
                  {{"SER", "", 1400}, {"VER", "", 1400}},
                  "*** Ventiq ***UnknownSER" + Bytes({0x12, 0x34, 0x56, 0x01}), {}},
        IdentCase{"RixNonNumericSerialCountsZero", Link::Rix,
                  {{"SER", "SER12x4-5y"}, {"VER", "VER0A"}}, 300,
                  {{"SER", "", 300}, {"VER", "", 300}},
                  "VAMOK rix  - Ver 10.0.0SER" + Bytes({0, 0, 0, 0x01}), {"VamokRix"}},
        IdentCase{"SnrAnswerUsesRixTexts", Link::Ventiq,
                  {{"SER", "SNRABCDEF"}, {"VER", "VER020001"}}, 400,
                  {{"SER", "", 1400}, {"VER", "", 1400}},
                  "VAMOK rix  - Ver 2.0.1SER" + Bytes({0xAB, 0xCD, 0xEF, 0x01}), {"VamokRix"}},
        IdentCase{"SerialOfWrongLengthNoIdentification", Link::Rix,
                  {{"SER", "SER1234-5"}, {"VER", "VER010203"}}, 300, {{"SER", "", 300}}, "", {}},
        IdentCase{"NoSerialAnswerNoIdentification", Link::Rix, {}, 300, {{"SER", "", 300}}, "", {}},
        IdentCase{"QuadrovanIdentification", Link::Quadrovan,
                  {{"SNR", "SNR04D238"}, {"VER", "VER0103"}}, 300,
                  {{"SNR", "", 300}, {"VER", "", 300}},
                  "VAMOK*** Quadrovan ***Ver 1.3SER" + Bytes({0x04, 0xD2, 0x38, 0x01}),
                  {"VamokQuadrovan"}},
        IdentCase{"QuadrovanWithoutVersion", Link::Quadrovan, {{"SNR", "SNR04D238"}}, 300,
                  {{"SNR", "", 300}, {"VER", "", 300}},
                  "VAMOK*** Quadrovan ***Ver 0.01SER" + Bytes({0x04, 0xD2, 0x38, 0x01}), {}},
        IdentCase{"QuadrovanShortSerialRefused", Link::Quadrovan, {{"SNR", "SNR04D2"}}, 300,
                  {{"SNR", "", 300}}, "", {}},
        IdentCase{"QuadrovanShortVersionCountsZero", Link::Quadrovan,
                  {{"SNR", "SNR04D238"}, {"VER", "VER"}}, 300,
                  {{"SNR", "", 300}, {"VER", "", 300}},
                  "VAMOK*** Quadrovan ***Ver 0.0SER" + Bytes({0x04, 0xD2, 0x38, 0x01}),
                  {"VamokQuadrovan"}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
