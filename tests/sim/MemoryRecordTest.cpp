#include "SimTestHelpers.h"
#include "sim/Firmware.h"
#include "sim/MemoryRecord.h"

#include <gtest/gtest.h>

using namespace vamok::sim;
using vamok::sim::test::Bytes;
using vamok::sim::test::WordAt;

namespace {

Workplace OfficeWorkplace()
{
    Workplace wp;
    wp.number = 3;
    wp.name = "B\xFCro";
    wp.type = "AB";
    wp.values = {{Reading::Temp, 21.5},  {Reading::Feu, 45.0},   {Reading::Lae, 52.3},
                 {Reading::LaeM, 54.1},  {Reading::Bel, 480},    {Reading::Fre, 75.0},
                 {Reading::Hell, 160.2}, {Reading::LdS, 1.2},    {Reading::LdW, 10.2},
                 {Reading::SWK, 8.5},    {Reading::LdMon, 98.0}, {Reading::LdUmg, 31.6},
                 {Reading::MUK, 3.1},    {Reading::Wind, 0.11},  {Reading::WindI, 0.09},
                 {Reading::WindII, 0.12}, {Reading::WindIII, 0.14}, {Reading::WindT, 21.6},
                 {Reading::WindTI, 21.2}, {Reading::WindTII, 21.7}, {Reading::WindTIII, 22.0},
                 {Reading::GT, 23.45},   {Reading::CO2, 500}};
    return wp;
}

const std::string kAltarimHeader = Bytes({3, 'B', 0xF5, 'r', 'o', ' ', ' ', ' ', ' ', 'A', 'B', ' ', ' ', 0});

} // namespace

TEST(SimMemoryRecord, AltarimWithLuminanceWordByteForByte)
{
    const std::string expected =
        kAltarimHeader +
        Bytes({0x00, 0xD7, 0x01, 0xC2, 0x02, 0x0B, 0x02, 0x1D, 0x01, 0xE0, 0x02, 0xEE, // Temp..Fre
               0x06, 0x42,                                                             // Hell
               0x00, 0x0C, 0x00, 0x66, 0x00, 0x55, 0x03, 0xD4, 0x01, 0x3C, 0x00, 0x1F, // LdS..MUK
               0xFF, 0xFF,                                                             // unused
               0x00, 0x0B, 0x00, 0x09, 0x00, 0x0C, 0x00, 0x0E,                         // Wind, I, II, III
               0x00, 0xD8, 0x00, 0xD4, 0x00, 0xD9, 0x00, 0xDC,                         // WindT, I, II, III
               0xFF, 0xFE, 0xFF, 0xFE}) +                                              // GT, CO2: none
        std::string(14, '\xFF');
    EXPECT_EQ(AltarimRecord(OfficeWorkplace(), true), expected);
}

TEST(SimMemoryRecord, EarlyAltarimHasNoLuminanceWord)
{
    const std::string expected =
        kAltarimHeader +
        Bytes({0x00, 0xD7, 0x01, 0xC2, 0x02, 0x0B, 0x02, 0x1D, 0x01, 0xE0, 0x02, 0xEE,
               0x00, 0x0C, 0x00, 0x66, 0x00, 0x55, 0x03, 0xD4, 0x01, 0x3C, 0x00, 0x1F, 0xFF, 0xFF,
               0x00, 0x0B, 0x00, 0x09, 0x00, 0x0C, 0x00, 0x0E, 0x00, 0xD8, 0x00, 0xD4, 0x00, 0xD9, 0x00, 0xDC,
               0xFF, 0xFE, 0xFF, 0xFE}) +
        std::string(16, '\xFF');
    EXPECT_EQ(AltarimRecord(OfficeWorkplace(), false), expected);
    EXPECT_TRUE(IsEarlyAltarimFirmware("1.05"));
    EXPECT_FALSE(IsEarlyAltarimFirmware("2.10"));
}

TEST(SimMemoryRecord, QuadrovanCarriesGlobeAndCo2AfterTheAltarimPart)
{
    const std::string d = QuadrovanRecord(OfficeWorkplace());
    ASSERT_EQ(d.size(), 71u);
    const std::string r = "MEM" + d;
    // Positions 71-72 and 73-74 of "MEM" + record, counted from 1.
    EXPECT_EQ(r.substr(70, 2), Bytes({0x09, 0x29})); // 23.45 °C in hundredths
    EXPECT_EQ(r.substr(72, 2), Bytes({0x01, 0xF4})); // 500 ppm
    EXPECT_EQ(d.substr(0, 67), AltarimRecord(OfficeWorkplace(), true).substr(0, 67));
}

TEST(SimMemoryRecord, RixRecordLayout)
{
    Workplace wp;
    wp.number = 5;
    wp.name = "B\xFCro";
    wp.type = "AB";
    wp.profile = 4;
    wp.time = 60;
    wp.values = {{Reading::Temp, -10.0}, {Reading::GT, 23.45}, {Reading::Tu, 12.5}, {Reading::Lae, 48.2},
                 {Reading::VOC, 150}};
    const std::string r = RixRecord(wp, FirmwareNumber("2.0.5"));
    ASSERT_EQ(r.size(), 91u + 66u);
    EXPECT_EQ(r[0], 5);
    EXPECT_EQ(r.substr(1, 20), std::string("B\xFCro") + std::string(16, ' '));
    EXPECT_EQ(r.substr(21, 4), "AB  ");
    EXPECT_EQ(r[26], 4);
    EXPECT_EQ(r.substr(27, 4), Bytes({0, 0, 0, 0x3C}));
    EXPECT_EQ(r.substr(31, 60), std::string(60, '\0'));
    EXPECT_EQ(WordAt(r, 91), 0xFF9C);          // Temp -10.0
    EXPECT_EQ(WordAt(r, 93), 0x7FFF);          // Feu: none
    EXPECT_EQ(WordAt(r, 95), 0xFFFF);          // Wind: none
    EXPECT_EQ(WordAt(r, 91 + 2 * 10), 482);    // Lae
    EXPECT_EQ(WordAt(r, 91 + 2 * 21), 0x0929); // GT in hundredths
    EXPECT_EQ(WordAt(r, 91 + 2 * 22), 0xFFFF); // CO2: none
    EXPECT_EQ(WordAt(r, 91 + 2 * 27), 125);    // Tu in tenths
    EXPECT_EQ(WordAt(r, 91 + 2 * 31), 150);    // VOC
}

TEST(SimMemoryRecord, RixWordCountFollowsFirmware)
{
    const std::pair<const char*, std::size_t> cases[] = {
        {"1.0.10", 141}, {"1.0.11", 145}, {"1.1.2", 145}, {"1.1.3", 153}, {"1.4.3", 157},
        {"2.0.5", 157},  {"2.0.6", 163},  {"2.9.9", 163}, {"3.0.0", 167},
    };
    Workplace wp;
    wp.number = 1;
    for (const auto& [firmware, size] : cases)
        EXPECT_EQ(RixRecord(wp, FirmwareNumber(firmware)).size(), size) << firmware;
}

TEST(SimMemoryRecord, RixUnsetTimeAndInfraredWords)
{
    Workplace wp;
    wp.number = 9;
    wp.values = {{Reading::TIR, -3.5}, {Reading::Emiss, 0.95}};
    const std::string r = RixRecord(wp, FirmwareNumber("3.0.0"));
    EXPECT_EQ(r.substr(27, 4), std::string(4, '\xFF'));
    EXPECT_EQ(WordAt(r, 91 + 2 * 36), 0xFFDD); // -35 tenths
    EXPECT_EQ(WordAt(r, 91 + 2 * 37), 95);
}

TEST(SimMemoryRecord, VentiqRecordLayout)
{
    Workplace wp;
    wp.number = 7;
    wp.name = "Halle 3";
    wp.type = "VEN ";
    wp.time = 0x31A2B3C4;
    wp.values = {{Reading::Wind, 0.25}, {Reading::WindT, 19.5}, {Reading::WindI, 0.21},
                 {Reading::WindTI, 19.1}, {Reading::TuI, 35}, {Reading::TuIII, 40}};
    const std::string r = VentiqRecord(wp);
    ASSERT_EQ(r.size(), 73u);
    EXPECT_EQ(r[0], 7);
    EXPECT_EQ(r.substr(1, 20), "Halle 3" + std::string(13, ' '));
    EXPECT_EQ(r.substr(21, 4), "VEN ");
    EXPECT_EQ(r.substr(26, 5), Bytes({0x00, 0x31, 0xA2, 0xB3, 0xC4}));
    EXPECT_EQ(r.substr(31, 20), std::string(20, '\0'));
    const int words[] = {25, 195, 21, 191, 35, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 40};
    for (int w = 0; w < 11; ++w)
        EXPECT_EQ(WordAt(r, 51 + 2 * w), words[w]) << "word " << w;

    wp.time.reset();
    EXPECT_EQ(VentiqRecord(wp).substr(26, 5), std::string(5, '\xFF'));
}

TEST(SimMemoryRecord, WordsStayClearOfNoValueCodes)
{
    EXPECT_EQ(ScaledWord(4000.0, 1, true), 0x7FFE);
    EXPECT_EQ(ScaledWord(-0.04, 1, true), 0x0000);
    EXPECT_EQ(ScaledWord(-1.0, 1, false), 0);
    EXPECT_EQ(ScaledWord(99999, 0, false), 0xFFFD);
}

TEST(SimFirmware, VersionNumbers)
{
    const std::pair<const char*, long> cases[] = {
        {"1.0.11", 0x1000B}, {"2.0.6", 0x20006}, {"2.10", 0x20A00}, {"3", 0x30000},
        {"1.x.3", 0x10003},  {"", 0},            {"abc", 0},        {"1.2.3.4", 0x10203},
    };
    for (const auto& [text, number] : cases)
        EXPECT_EQ(FirmwareNumber(text), number) << text;
}
