// Rix memory records built from the instrument's layout: 91 bytes of header,
// then big-endian words, the later ones only from newer firmware.
#include "RecordBuilder.h"

#include "measure/RixRecordDecoder.h"

#include <gtest/gtest.h>

using namespace vamok;

namespace {

constexpr std::size_t kReadings = 91;
constexpr std::int64_t Fw(int a, int b, int c) { return a * 65536 + b * 256 + c; }

// A complete record of firmware 3.0.0 with distinct values in every word.
RecordBuilder FullRecord(int workplace)
{
    RecordBuilder r(kReadings + 2 * 38, '\x55');
    r.byte(0, static_cast<std::uint8_t>(workplace))
        .text(1, "B\xFC" "ro K\xF6" "ln Stra\xDF" "e 123") // 20 bytes, the longest name
        .text(21, "B\xDC" "RO")
        .byte(26, 3)
        .dword(27, 0x3C);
    const std::uint16_t words[38] = {
        235,  455,  12,   215,  15,   216,  18,   217, 21,  218,   // Temp..WindTIII
        452,  463,  512,  601,  1205, 10,   850,  85,  300, 100,   // Lae..LdUmg
        30,   2345, 812,  480,  120,  1021, 1102, 125, 135, 12000, // MUK..TuII
        0,    150,  3,    11,   22,   33,   0xFF9C, 95,            // TuIII..Emiss
    };
    for (int w = 0; w < 38; ++w)
        r.word(kReadings + 2 * w, words[w]);
    return r;
}

DecodeContext Context(int workplace, std::int64_t firmware)
{
    DecodeContext ctx;
    ctx.workplace = workplace;
    ctx.firmware = firmware;
    ctx.usbLink = true;
    return ctx;
}

} // namespace

TEST(RixRecordDecoder, DecodesEveryWordOfACompleteRecord)
{
    RawRow row;
    ASSERT_EQ(RixRecordDecoder().Decode(FullRecord(7).bytes(), Context(7, Fw(3, 0, 0)), row),
              DecodeStatus::Decoded);
    EXPECT_EQ(row.Name, "B\xFCro K\xF6ln Stra\xDF" "e 123");
    EXPECT_EQ(row.Type, "B\xDCRO");
    EXPECT_EQ(row.Profile, "3");
    EXPECT_EQ(row.MessZeit, "01.01.2000 00:01:00");
    EXPECT_EQ(row.Temp, 235);
    EXPECT_EQ(row.Feu, 455);
    EXPECT_EQ(row.Wind, 12);
    EXPECT_EQ(row.WindT, 215);
    EXPECT_EQ(row.WindI, 15);
    EXPECT_EQ(row.WindTI, 216);
    EXPECT_EQ(row.WindII, 18);
    EXPECT_EQ(row.WindTII, 217);
    EXPECT_EQ(row.WindIII, 21);
    EXPECT_EQ(row.WindTIII, 218);
    EXPECT_EQ(row.Lae, 452);
    EXPECT_EQ(row.LaeM, 463);
    EXPECT_EQ(row.Bel, 512);
    EXPECT_EQ(row.Fre, 601);
    EXPECT_EQ(row.Hell, 1205);
    EXPECT_EQ(row.LdS, 10);
    EXPECT_EQ(row.LdW, 850);
    EXPECT_EQ(row.SWK, 85);
    EXPECT_EQ(row.LdMon, 300);
    EXPECT_EQ(row.LdUmg, 100);
    EXPECT_EQ(row.MUK, 30);
    EXPECT_EQ(row.GT, 234); // 23,45 degrees: 234,5 tenths round to even
    EXPECT_EQ(row.CO2, 812);
    EXPECT_EQ(row.LaeUser, 480);
    EXPECT_EQ(row.LaeDauer, 120);
    EXPECT_EQ(row.CPeak, 1021);
    EXPECT_EQ(row.CPeakUser, 1102);
    EXPECT_EQ(row.Tu, 12);    // 12,5 % rounds to even
    EXPECT_EQ(row.TuI, 14);   // 13,5 % rounds to even
    EXPECT_EQ(row.TuII, 999); // 1200 % is capped
    EXPECT_EQ(row.TuIII, 0);
    EXPECT_EQ(row.VOC, 150);
    EXPECT_EQ(row.CO, 3);
    EXPECT_EQ(row.PM1u0, 11);
    EXPECT_EQ(row.PM2u5, 22);
    EXPECT_EQ(row.PM10u, 33);
    EXPECT_EQ(row.TIR, -100);
    EXPECT_EQ(row.Emiss, 95);
}

struct WordCase {
    int word;
    std::uint16_t value;
    Field field;
    std::int32_t expected;
};

class RixWordConversion : public testing::TestWithParam<WordCase> {};

TEST_P(RixWordConversion, ConvertsTheWord)
{
    const WordCase c = GetParam();
    RecordBuilder r = FullRecord(1);
    r.word(kReadings + 2 * static_cast<std::size_t>(c.word), c.value);
    RawRow row;
    ASSERT_EQ(RixRecordDecoder().Decode(r.bytes(), Context(1, Fw(3, 0, 0)), row),
              DecodeStatus::Decoded);
    EXPECT_EQ(*row.number(c.field), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RixWordConversion,
    testing::Values(WordCase{0, 0xFF9C, Field::Temp, -100}, WordCase{0, 0x7FFF, Field::Temp, NoValue},
                    WordCase{0, 0xFFFF, Field::Temp, -1}, WordCase{1, 0, Field::Feu, NoValue},
                    WordCase{1, 1000, Field::Feu, NoValue}, WordCase{1, 1, Field::Feu, 1},
                    WordCase{1, 999, Field::Feu, 999}, WordCase{2, 0xFFFF, Field::Wind, NoValue},
                    WordCase{2, 0xFFFE, Field::Wind, 0xFFFE}, WordCase{21, 0x7FFF, Field::GT, NoValue},
                    WordCase{21, 2355, Field::GT, 236}, WordCase{21, 0xFFF1, Field::GT, -2},
                    WordCase{21, 0xFFF5, Field::GT, -1}, WordCase{22, 0xFFFE, Field::CO2, NoValue},
                    WordCase{22, 0xFFFF, Field::CO2, NoValue}, WordCase{31, 0xFFFE, Field::VOC, NoValue},
                    WordCase{32, 0xFFFE, Field::CO, NoValue}, WordCase{27, 0xFFFF, Field::Tu, NoValue},
                    WordCase{27, 9994, Field::Tu, 999}, WordCase{27, 9995, Field::Tu, 999},
                    WordCase{36, 0x7FFF, Field::TIR, NoValue}, WordCase{37, 0xFFFF, Field::Emiss, NoValue}));

TEST(RixRecordDecoder, WordsAnOlderFirmwareDoesNotSendHaveNoValue)
{
    // 66 reading bytes: everything up to CO, as firmware 2.0.5 sends it.
    RecordBuilder r = FullRecord(2);
    r.resize(kReadings + 66);
    RawRow row;
    ASSERT_EQ(RixRecordDecoder().Decode(r.bytes(), Context(2, Fw(2, 0, 5)), row),
              DecodeStatus::Decoded);
    EXPECT_EQ(row.CO, 3);
    EXPECT_EQ(row.PM1u0, NoValue);
    EXPECT_EQ(row.PM2u5, NoValue);
    EXPECT_EQ(row.PM10u, NoValue);
    EXPECT_EQ(row.TIR, NoValue);
    EXPECT_EQ(row.Emiss, NoValue);
}

TEST(RixRecordDecoder, SentWordsAreUsedOnlyFromTheirFirmware)
{
    // A full record from firmware 1.0.10: CPeak onwards count as FF FF even
    // though the bytes are there.
    RawRow row;
    ASSERT_EQ(RixRecordDecoder().Decode(FullRecord(2).bytes(), Context(2, Fw(1, 0, 10)), row),
              DecodeStatus::Decoded);
    EXPECT_EQ(row.LaeDauer, 120);
    EXPECT_EQ(row.CPeak, NoValue);
    EXPECT_EQ(row.Tu, NoValue);
    EXPECT_EQ(row.VOC, NoValue);
    EXPECT_EQ(row.TIR, NoValue);
}

TEST(RixRecordDecoder, RecordShorterThanTheFirmwareSendsLeavesTheRowAlone)
{
    const RecordBuilder full = FullRecord(2);
    struct Case {
        std::int64_t firmware;
        std::size_t readingBytes;
    };
    for (const Case c : {Case{Fw(2, 0, 6), 66}, Case{Fw(3, 0, 0), 75}, Case{Fw(1, 0, 0), 49},
                         Case{-1, 0}}) {
        RecordBuilder r = full;
        r.resize(kReadings + c.readingBytes);
        RawRow row;
        row.Name = "kept";
        row.Temp = 42;
        EXPECT_EQ(RixRecordDecoder().Decode(r.bytes(), Context(2, c.firmware), row),
                  DecodeStatus::TooShort)
            << c.readingBytes;
        EXPECT_EQ(row.Name, "kept");
        EXPECT_EQ(row.Temp, 42);
    }
    RawRow row;
    EXPECT_EQ(RixRecordDecoder().Decode("", Context(2, -1), row), DecodeStatus::TooShort);
}

TEST(RixRecordDecoder, RecordOfAnotherWorkplaceIsNotTaken)
{
    RawRow row;
    row.Name = "kept";
    EXPECT_EQ(RixRecordDecoder().Decode(FullRecord(8).bytes(), Context(7, Fw(3, 0, 0)), row),
              DecodeStatus::WrongWorkplace);
    EXPECT_EQ(row.Name, "kept");
}

TEST(RixRecordDecoder, NameLosesBlanksAtBothEnds)
{
    RecordBuilder r = FullRecord(1);
    r.text(1, "   Lager 3          ");
    RawRow row;
    ASSERT_EQ(RixRecordDecoder().Decode(r.bytes(), Context(1, Fw(3, 0, 0)), row),
              DecodeStatus::Decoded);
    EXPECT_EQ(row.Name, "Lager 3");

    // A name field ends at a 0x00 byte; nothing after it reaches the texts.
    r.text(1, std::string("Lager\0xyz", 9) + std::string(11, '\0'));
    r.text(21, std::string("AB\0\0", 4));
    RixRecordDecoder().Decode(r.bytes(), Context(1, Fw(3, 0, 0)), row);
    EXPECT_EQ(row.Name, "Lager");
    EXPECT_EQ(row.Type, "AB");
}

TEST(RixRecordDecoder, ProfileAboveNineIsZeroAndUnsetTimesAreEmpty)
{
    for (std::uint32_t unset : {0u, 0xFFFFFFFFu}) {
        RecordBuilder r = FullRecord(1);
        r.byte(26, 10).dword(27, unset);
        RawRow row;
        ASSERT_EQ(RixRecordDecoder().Decode(r.bytes(), Context(1, Fw(3, 0, 0)), row),
                  DecodeStatus::Decoded);
        EXPECT_EQ(row.Profile, "0");
        EXPECT_EQ(row.MessZeit, "");
    }
    RecordBuilder r = FullRecord(1);
    r.dword(27, 86400u * 366 + 3600 * 14 + 5 * 60 + 33); // 2001-01-01 14:05:33
    RawRow row;
    RixRecordDecoder().Decode(r.bytes(), Context(1, Fw(3, 0, 0)), row);
    EXPECT_EQ(row.MessZeit, "01.01.2001 14:05:33");
    r.dword(27, 86400u * 366);
    RixRecordDecoder().Decode(r.bytes(), Context(1, Fw(3, 0, 0)), row);
    EXPECT_EQ(row.MessZeit, "01.01.2001"); // midnight: date only
}

TEST(RixRecordDecoder, RequiredLengthFollowsFirmware)
{
    EXPECT_EQ(RixRecordDecoder::RequiredLength(-1), 91u + 50);
    EXPECT_EQ(RixRecordDecoder::RequiredLength(Fw(1, 0, 11)), 91u + 54);
    EXPECT_EQ(RixRecordDecoder::RequiredLength(Fw(1, 1, 3)), 91u + 62);
    EXPECT_EQ(RixRecordDecoder::RequiredLength(Fw(1, 4, 3)), 91u + 66);
    EXPECT_EQ(RixRecordDecoder::RequiredLength(Fw(2, 0, 6)), 91u + 72);
    EXPECT_EQ(RixRecordDecoder::RequiredLength(Fw(3, 0, 0)), 91u + 76);
}
