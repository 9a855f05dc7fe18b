#include "live/IdentificationParser.h"
#include "live/LiveValueParser.h"

#include <gtest/gtest.h>

using namespace vamok;
using F = TVamokAPDatenStrg;

namespace {

std::string Raw16(unsigned v) { return {static_cast<char>(v >> 8), static_cast<char>(v & 0xFF)}; }

LiveParseOptions Dot(bool usb = false)
{
    LiveParseOptions o;
    o.UsbMode = usb;
    o.DecimalSep = '.';
    return o;
}

TVamokAPDatenStrg Parse(const std::string& reply, const LiveParseOptions& o)
{
    return ParseLiveValues(PrefixWithLength(reply), o);
}

} // namespace

TEST(IdentificationParser, SerialBlockGivesStatusText)
{
    const auto id = ParseIdentification(PrefixWithLength(std::string("VAMOK rix  - Ver 1.2.3SER\x04\xD2\x38\x01", 29)), true);
    ASSERT_TRUE(id.SerialText);
    EXPECT_EQ(*id.SerialText, "S-No: 1234 / 56 - 00000001");
    EXPECT_EQ(id.VersionText.value_or(""), "VAMOK rix  - Ver 1.2.3");
    EXPECT_EQ(id.DeviceVersion.value_or(""), "1.2.3");
}

TEST(IdentificationParser, SmallNumbersArePaddedAndFlagsAreBits)
{
    const auto id = ParseIdentification(PrefixWithLength(std::string("VAMOK Ver 1.43SER\x00\x07\x05\xA0", 21)), false);
    EXPECT_EQ(id.SerialText.value_or(""), "S-No: 0007 / 05 - 10100000");
}

TEST(IdentificationParser, SerialLinkTakesFourVersionCharactersAndDropsStars)
{
    const auto id = ParseIdentification(
        PrefixWithLength(std::string("VAMOK*** Quadrovan ***Ver 0.01SER\x00\x10\x02\x01", 37)), false);
    EXPECT_EQ(id.VersionText.value_or(""), "VAMOK Quadrovan Ver 0.01");
    EXPECT_EQ(id.DeviceVersion.value_or(""), "0.01");
}

TEST(IdentificationParser, VentiqIsRecognised)
{
    const auto id = ParseIdentification(PrefixWithLength(std::string("Ventiq  - Ver 1.2.3SER\x12\x34\x56\x01", 26)), true);
    EXPECT_EQ(id.VersionText.value_or(""), "Ventiq  - Ver 1.2.3");
    EXPECT_EQ(id.SerialText.value_or(""), "S-No: 4660 / 86 - 00000001");
}

TEST(IdentificationParser, CutSerialBlockReadsNoSerial)
{
    for (std::size_t cut = 0; cut < 4; ++cut) {
        const std::string reply = std::string("VAMOK Ver 1.43SER\x04\xD2\x38", 14 + 3 + cut);
        const auto id = ParseIdentification(PrefixWithLength(reply), false);
        EXPECT_FALSE(id.SerialText) << cut;
        EXPECT_TRUE(id.VersionText) << cut;
    }
}

TEST(IdentificationParser, ReplyWithoutModelLeavesVersionAlone)
{
    const auto id = ParseIdentification(PrefixWithLength("garbage Ver 9.99"), false);
    EXPECT_FALSE(id.VersionText);
    EXPECT_FALSE(id.DeviceVersion);
    EXPECT_FALSE(id.SerialText);
}

TEST(LiveValueParser, ScalesAndFormatsEachQuantity)
{
    const std::string reply = "MESS" + std::string("M0") + Raw16(235) + "M1" + Raw16(999) + "M2" + Raw16(456) +
                              "M4" + Raw16(500) + "M7" + Raw16(3456) + "Mb" + Raw16(12) + "Mc" + Raw16(34) +
                              "Md" + Raw16(215) + "Mg" + Raw16(812) + "SER";
    const auto r = Parse(reply, Dot());
    EXPECT_EQ(r[F::AirTemperature], "   23.5");
    EXPECT_EQ(r[F::Humidity], "   99.9");
    EXPECT_EQ(r[F::NoiseCurrent], "   45.6");
    EXPECT_EQ(r[F::NoiseMinute], kNotAvailable);
    EXPECT_EQ(r[F::Illuminance], "  500  ");
    EXPECT_EQ(r[F::BatteryVoltage], "    3.456");
    EXPECT_EQ(r[F::AirVelocity], "    0.12");
    EXPECT_EQ(r[F::AirVelocityMinute], "    0.34");
    EXPECT_EQ(r[F::AnemometerTemperature], "   21.5");
    EXPECT_EQ(r[F::CO2], "  812  ");
    EXPECT_EQ(r[F::PM10], kNotAvailable);
}

TEST(LiveValueParser, UsesTheLocaleSeparator)
{
    LiveParseOptions o = Dot();
    o.DecimalSep = ',';
    EXPECT_EQ(Parse("M0" + Raw16(235), o)[F::AirTemperature], "   23,5");
}

TEST(LiveValueParser, HumidityLimits)
{
    const struct {
        unsigned raw;
        const char* text;
    } cases[] = {{0, kNotAvailable}, {1, "    0.1"}, {999, "   99.9"}, {1000, kNotAvailable}, {0xFFFF, kNotAvailable}};
    for (const auto& c : cases)
        EXPECT_EQ(Parse("M1" + Raw16(c.raw), Dot())[F::Humidity], c.text) << c.raw;
}

TEST(LiveValueParser, TemperatureIsSignedOnUsbOnly)
{
    EXPECT_EQ(Parse("M0" + Raw16(0xFFEC), Dot(true))[F::AirTemperature], "   -2.0");
    EXPECT_EQ(Parse("M0" + Raw16(0xFFEC), Dot(false))[F::AirTemperature], " 6551.6");
    // 0x7FFF is "no value" on USB, 0xFFFF on the serial links.
    EXPECT_EQ(Parse("M0" + Raw16(0x7FFF), Dot(true))[F::AirTemperature], kNotAvailable);
    EXPECT_EQ(Parse("M0" + Raw16(0xFFFF), Dot(true))[F::AirTemperature], "   -0.1");
    EXPECT_EQ(Parse("M0" + Raw16(0xFFFF), Dot(false))[F::AirTemperature], kNotAvailable);
}

TEST(LiveValueParser, QuadrovanGlobeValues)
{
    const std::string reply = AppendGlobeValues("MESS", std::string("\x09\x29\x01\xF4", 4));
    const auto r = Parse(reply, Dot());
    EXPECT_EQ(r[F::GlobeTemperature], "   23.4"); // 2345 -> 234 (halves to even)
    EXPECT_EQ(r[F::CO2], "  500  ");
    EXPECT_EQ(Parse("Mf" + Raw16(2355), Dot())[F::GlobeTemperature], "   23.6");
    EXPECT_EQ(Parse("Mf" + Raw16(65536 - 2345), Dot())[F::GlobeTemperature], "  -23.4");
    EXPECT_EQ(AppendGlobeValues("MESS", "GV1"), "MESS"); // fewer than 4 bytes: nothing added
}

TEST(LiveValueParser, CutValueIsNoValue)
{
    const auto r = Parse(std::string("M0\x01", 3), Dot());
    EXPECT_EQ(r[F::AirTemperature], kNotAvailable);
    EXPECT_EQ(Parse("M0", Dot())[F::AirTemperature], kNotAvailable);
    EXPECT_EQ(Parse("", Dot())[F::AirTemperature], kNotAvailable);
}

TEST(LiveValueParser, NoAirVelocityBlanksItsCompanions)
{
    const auto r = Parse("Mc" + Raw16(34) + "Md" + Raw16(215), Dot());
    EXPECT_EQ(r[F::AirVelocity], kNotAvailable);
    EXPECT_EQ(r[F::AirVelocityMinute], kNotAvailable);
    EXPECT_EQ(r[F::AnemometerTemperature], kNotAvailable);
}

TEST(LiveValueParser, LuminanceSensorTestShowsRawReading)
{
    LiveParseOptions o = Dot();
    o.LuminanceTest = true;
    EXPECT_EQ(Parse("M6" + Raw16(2000), o)[F::Luminance], "    400");
    EXPECT_EQ(Parse("M6" + Raw16(2000), Dot())[F::Luminance], "  200.0");
}

TEST(LiveValueParser, VentiqReadsFourHexValuesIntoTheAnemometerFields)
{
    LiveParseOptions o = Dot(true);
    o.VentiqMode = true;
    const auto r = Parse("MESM00123M100DCM2002AM70E74", o);
    EXPECT_EQ(r[F::AirVelocity], "    2.91");
    EXPECT_EQ(r[F::AnemometerTemperature], "   22.0");
    EXPECT_EQ(r[F::AirVelocityMinute], "    0.42");
    EXPECT_EQ(r[F::AnemometerBattery], "    3.700");
    EXPECT_EQ(r[F::PM1], kNotAvailable);
    // A value cut short is no value.
    EXPECT_EQ(Parse("M0012", o)[F::AirVelocity], kNotAvailable);
}

TEST(LiveParsing, ArbitraryBytesNeverReachBeyondTheReply)
{
    // Replies cut at every length and filled with marker-like bytes: each
    // parser reads only what exists (the sanitizer build checks the reads).
    const std::string full = std::string("VAMOK Ver 1.43 VER SER\x04\xD2\x38\x01M0\x01M1M7\xFF", 33) + "TYPMfMg";
    for (bool usb : {false, true})
        for (bool ventiq : {false, true})
            for (std::size_t n = 0; n <= full.size(); ++n) {
                const std::string reply = full.substr(0, n);
                LiveParseOptions o = Dot(usb);
                o.VentiqMode = ventiq;
                const auto r = ParseLiveValues(PrefixWithLength(reply), o);
                EXPECT_EQ(r[F::PM10], kNotAvailable);
                ParseIdentification(PrefixWithLength(reply), usb);
                ParseIdentification(reply, usb);
            }
}
