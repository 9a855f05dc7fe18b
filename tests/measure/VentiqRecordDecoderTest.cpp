// Ventiq memory records built from the instrument's layout: name, type,
// measuring time, and from offset 51 eleven big-endian words.
#include "RecordBuilder.h"

#include "measure/VentiqRecordDecoder.h"

#include <gtest/gtest.h>

using namespace vamok;

namespace {

RecordBuilder VentiqRecord(int workplace)
{
    RecordBuilder r(73, '\x33');
    r.byte(0, static_cast<std::uint8_t>(workplace))
        .text(1, " Halle 2 Ost        ")
        .text(21, "LAGR")
        .dword(27, 60);
    const std::uint16_t words[11] = {25, 221, 12, 222, 315, 0xFFFF, 223, 0xFFFF, 600, 224, 12000};
    for (int w = 0; w < 11; ++w)
        r.word(51 + 2 * static_cast<std::size_t>(w), words[w]);
    return r;
}

DecodeContext Context(int workplace)
{
    DecodeContext ctx;
    ctx.workplace = workplace;
    ctx.usbLink = true;
    return ctx;
}

} // namespace

TEST(VentiqRecordDecoder, DecodesAirVelocitiesTemperaturesAndTurbulence)
{
    RawRow row;
    row.Profile = "4";
    row.Tu = 17;
    row.Temp = 215;
    ASSERT_EQ(VentiqRecordDecoder().Decode(VentiqRecord(9).bytes(), Context(9), row),
              DecodeStatus::Decoded);
    EXPECT_EQ(row.Name, "Halle 2 Ost");
    EXPECT_EQ(row.Type, "LAGR");
    EXPECT_EQ(row.MessZeit, "01.01.2000 00:01:00");
    EXPECT_EQ(row.Wind, 25);
    EXPECT_EQ(row.WindT, 221);
    EXPECT_EQ(row.WindI, 12);
    EXPECT_EQ(row.WindTI, 222);
    EXPECT_EQ(row.TuI, 315); // stored as it comes
    EXPECT_EQ(row.WindII, NoValue);
    EXPECT_EQ(row.WindTII, 223);
    EXPECT_EQ(row.TuII, NoValue);
    EXPECT_EQ(row.WindIII, 600);
    EXPECT_EQ(row.WindTIII, 224);
    EXPECT_EQ(row.TuIII, 12000);
    // The record carries no profile, no single-value turbulence, no climate.
    EXPECT_EQ(row.Profile, "4");
    EXPECT_EQ(row.Tu, 17);
    EXPECT_EQ(row.Temp, 215);
}

TEST(VentiqRecordDecoder, ShortOrForeignRecordLeavesTheRowAlone)
{
    RawRow row;
    row.Wind = 99;
    RecordBuilder shortRecord = VentiqRecord(3);
    shortRecord.resize(72);
    EXPECT_EQ(VentiqRecordDecoder().Decode(shortRecord.bytes(), Context(3), row),
              DecodeStatus::TooShort);
    EXPECT_EQ(VentiqRecordDecoder().Decode(VentiqRecord(4).bytes(), Context(3), row),
              DecodeStatus::WrongWorkplace);
    EXPECT_EQ(row.Wind, 99);
}

TEST(VentiqRecordDecoder, UnsetMeasuringTimeIsEmpty)
{
    for (std::uint32_t unset : {0u, 0xFFFFFFFFu}) {
        RecordBuilder r = VentiqRecord(1);
        r.dword(27, unset);
        RawRow row;
        ASSERT_EQ(VentiqRecordDecoder().Decode(r.bytes(), Context(1), row), DecodeStatus::Decoded);
        EXPECT_EQ(row.MessZeit, "");
    }
}
