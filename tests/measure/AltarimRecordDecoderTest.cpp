// Altarim memory records (also the rearranged Quadrovan reply) built from the
// layout: number, 8-byte name, type, and readings from offset 14.
#include "RecordBuilder.h"

#include "measure/AltarimRecordDecoder.h"

#include <gtest/gtest.h>

using namespace vamok;

namespace {

constexpr std::size_t kR = 14; // first reading byte

// Readings as a firmware with the luminance word sends them (66 bytes after
// "MEM", as the serial packet size gives): Hell at 12, the rest moved by 2.
RecordBuilder ShiftedRecord(int workplace)
{
    RecordBuilder r(66, '\0');
    r.byte(0, static_cast<std::uint8_t>(workplace)).text(1, "K\xE1" "che 1 ").text(9, "B\xEF" "RO");
    r.word(kR + 0, 215).word(kR + 2, 455).word(kR + 4, 452).word(kR + 6, 463);
    r.word(kR + 8, 512).word(kR + 10, 601).word(kR + 12, 1205); // Hell
    r.word(kR + 14, 10).word(kR + 16, 850).word(kR + 18, 85).word(kR + 20, 300);
    r.word(kR + 22, 100).word(kR + 24, 30).word(kR + 26, 0xFFFF);
    r.word(kR + 28, 12).word(kR + 30, 15).word(kR + 32, 18).word(kR + 34, 21);
    r.word(kR + 36, 211).word(kR + 38, 212).word(kR + 40, 213).word(kR + 42, 214);
    r.word(kR + 44, 2345).word(kR + 46, 812);
    return r;
}

DecodeContext Context(int workplace, const std::string& version, bool quadrovan = false)
{
    DecodeContext ctx;
    ctx.workplace = workplace;
    ctx.deviceVersion = version;
    ctx.quadrovanMode = quadrovan;
    return ctx;
}

} // namespace

TEST(AltarimRecordDecoder, NewFirmwareSendsLuminanceAndShiftsTheRest)
{
    RawRow row;
    row.Tu = 5;
    row.Profile = "2";
    row.MessZeit = "kept";
    ASSERT_EQ(AltarimRecordDecoder().Decode(ShiftedRecord(5).bytes(), Context(5, "2.1"), row),
              DecodeStatus::Decoded);
    EXPECT_EQ(row.Name, "K\xE4" "che 1 ");
    EXPECT_EQ(row.Type, "B\xF6RO");
    EXPECT_EQ(row.Temp, 215);
    EXPECT_EQ(row.Feu, 455);
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
    EXPECT_EQ(row.Wind, 12);
    EXPECT_EQ(row.WindI, 15);
    EXPECT_EQ(row.WindII, 18);
    EXPECT_EQ(row.WindIII, 21);
    EXPECT_EQ(row.WindT, 211);
    EXPECT_EQ(row.WindTI, 212);
    EXPECT_EQ(row.WindTII, 213);
    EXPECT_EQ(row.WindTIII, 214);
    // Not a Quadrovan: no globe temperature or CO2.
    EXPECT_EQ(row.GT, NoValue);
    EXPECT_EQ(row.CO2, NoValue);
    for (Field f : {Field::VOC, Field::CO, Field::LaeUser, Field::LaeDauer, Field::CPeak,
                    Field::CPeakUser, Field::PM1u0, Field::PM2u5, Field::PM10u, Field::TIR,
                    Field::Emiss})
        EXPECT_EQ(*row.number(f), NoValue) << InfoOf(f).name;
    EXPECT_EQ(row.Tu, 5);
    EXPECT_EQ(row.Profile, "2");
    EXPECT_EQ(row.MessZeit, "kept");
}

TEST(AltarimRecordDecoder, OldFirmwareHasNoLuminanceWord)
{
    RecordBuilder r(66, '\0');
    r.byte(0, 5).text(1, "Flur    ").text(9, "VAM ");
    r.word(kR + 10, 601).word(kR + 12, 10).word(kR + 14, 850).word(kR + 26, 12).word(kR + 40, 214);
    RawRow row;
    ASSERT_EQ(AltarimRecordDecoder().Decode(r.bytes(), Context(5, "1.05"), row),
              DecodeStatus::Decoded);
    EXPECT_EQ(row.Hell, 0);
    EXPECT_EQ(row.Fre, 601);
    EXPECT_EQ(row.LdS, 10);
    EXPECT_EQ(row.LdW, 850);
    EXPECT_EQ(row.Wind, 12);
    EXPECT_EQ(row.WindTIII, 214);
}

TEST(AltarimRecordDecoder, OldFirmwareIsRecognisedByItsVersionText)
{
    EXPECT_TRUE(AltarimRecordDecoder::IsOldFirmware("1.05", false));
    EXPECT_TRUE(AltarimRecordDecoder::IsOldFirmware("0.9", false));
    EXPECT_FALSE(AltarimRecordDecoder::IsOldFirmware("2.1", false));
    EXPECT_FALSE(AltarimRecordDecoder::IsOldFirmware("1.05", true)); // a Quadrovan
}

TEST(AltarimRecordDecoder, QuadrovanAddsGlobeTemperatureAndCO2)
{
    RawRow row;
    ASSERT_EQ(AltarimRecordDecoder().Decode(ShiftedRecord(5).bytes(), Context(5, "1.0", true), row),
              DecodeStatus::Decoded);
    EXPECT_EQ(row.GT, 234);
    EXPECT_EQ(row.CO2, 812);

    RecordBuilder missing = ShiftedRecord(5);
    missing.word(kR + 44, 0xFFFE).word(kR + 46, 0xFFFE);
    ASSERT_EQ(AltarimRecordDecoder().Decode(missing.bytes(), Context(5, "1.0", true), row),
              DecodeStatus::Decoded);
    EXPECT_EQ(row.GT, NoValue);
    EXPECT_EQ(row.CO2, NoValue);

    RecordBuilder negative = ShiftedRecord(5);
    negative.word(kR + 44, 0xFF9C); // -1,00 degrees in hundredths
    AltarimRecordDecoder().Decode(negative.bytes(), Context(5, "1.0", true), row);
    EXPECT_EQ(row.GT, -10);
}

TEST(AltarimRecordDecoder, DisplayUmlautCodesBecomeLetters)
{
    EXPECT_EQ(AltarimRecordDecoder::ReplaceDisplayUmlauts("\xE1\xE2\xEF\xF5x"), "\xE4\xDF\xF6\xFCx");
}

TEST(AltarimRecordDecoder, ShortOrForeignRecordLeavesTheRowAlone)
{
    struct Case {
        std::size_t length;
        int workplace;
        DecodeStatus status;
    };
    for (const Case c : {Case{36, 5, DecodeStatus::TooShort}, Case{59, 5, DecodeStatus::TooShort},
                         Case{66, 6, DecodeStatus::WrongWorkplace}, Case{0, 5, DecodeStatus::TooShort}}) {
        RecordBuilder r = ShiftedRecord(5);
        r.resize(c.length);
        RawRow row;
        row.Name = "kept";
        row.Temp = 1;
        EXPECT_EQ(AltarimRecordDecoder().Decode(r.bytes(), Context(c.workplace, "2.1"), row), c.status)
            << c.length;
        EXPECT_EQ(row.Name, "kept");
        EXPECT_EQ(row.Temp, 1);
    }
}

TEST(AltarimRecordDecoder, ReadingBytesFromIndex46MayBeMissingOnTheSerialLink)
{
    // 60 bytes: readings 0..45 present, the shifted CO2 word (46..47) not.
    RecordBuilder r = ShiftedRecord(5);
    r.resize(kR + 46);
    RawRow row;
    ASSERT_EQ(AltarimRecordDecoder().Decode(r.bytes(), Context(5, "2.1", true), row),
              DecodeStatus::Decoded);
    EXPECT_EQ(row.GT, 234);
    EXPECT_EQ(row.CO2, 0);
}

TEST(AltarimRecordDecoder, PartialReadoutTakesOnlyTheAddOns)
{
    RawRow row;
    row.Name = "mine";
    row.Type = "MINE";
    row.Temp = 1;
    row.Wind = 2;
    row.Hell = 77;
    ASSERT_EQ(AltarimRecordDecoder().Decode(ShiftedRecord(5).bytes(),
                                            [] {
                                                auto ctx = Context(5, "2.1", true);
                                                ctx.partial = true;
                                                return ctx;
                                            }(),
                                            row),
              DecodeStatus::Decoded);
    EXPECT_EQ(row.Name, "mine");
    EXPECT_EQ(row.Type, "MINE");
    EXPECT_EQ(row.Temp, 1);
    EXPECT_EQ(row.Wind, 2);
    EXPECT_EQ(row.Hell, 0);
    EXPECT_EQ(row.GT, 234);
    EXPECT_EQ(row.CO2, 812);
    EXPECT_EQ(row.VOC, NoValue);
}
