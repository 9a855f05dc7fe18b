#include "live/LiveValueParser.h"

#include "core/TextHelpers.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <optional>

namespace vamok {

namespace {

using F = TVamokAPDatenStrg;

enum class Style {
    Tenths,      // "%7.1f"
    Whole,       // "%5d  "
    Thousandths, // "%9.3f"
    Hundredths,  // "%8.2f"
    Humidity,    // tenths; 0 and 1000 upward are no value
    Luminance,   // tenths, or the raw sensor reading in the sensor test
    Globe,       // signed hundredths shown in tenths, halves to even
    Ignored,
};

struct Code {
    const char* Marker;
    std::optional<F::Field> Target;
    Style Kind;
};

// Codes 1..20 in the order they are looked for.
const std::array<Code, 20> kCodes{{
    {"M0", F::AirTemperature, Style::Tenths},
    {"M1", F::Humidity, Style::Humidity},
    {"M2", F::NoiseCurrent, Style::Tenths},
    {"M3", F::NoiseMinute, Style::Tenths},
    {"M4", F::Illuminance, Style::Whole},
    {"M5", F::Flicker, Style::Tenths},
    {"M6", F::Luminance, Style::Luminance},
    {"M7", F::BatteryVoltage, Style::Thousandths},
    {"Mb", F::AirVelocity, Style::Hundredths},
    {"Mc", F::AirVelocityMinute, Style::Hundredths},
    {"Md", F::AnemometerTemperature, Style::Tenths},
    {"Me", F::AnemometerBattery, Style::Thousandths},
    {"Mf", F::GlobeTemperature, Style::Globe},
    {"Mg", F::CO2, Style::Whole},
    {"Mp", F::TVOC, Style::Whole},
    {"Mq", F::CO, Style::Whole},
    {"Mr", F::PM1, Style::Whole},
    {"Ms", F::PM25, Style::Whole},
    {"Mt", F::PM10, Style::Whole},
    {"Mu", std::nullopt, Style::Ignored},
}};

// Ventiq: the four markers it sends and the codes (1-based) they feed.
struct VentiqSource {
    const char* Marker;
    int TargetCode;
};
const std::array<VentiqSource, 4> kVentiqSources{{{"M0", 9}, {"M1", 11}, {"M2", 10}, {"M7", 12}}};

std::string FormattedInt(const char* format, long value)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, format, value);
    return buf;
}

// value / divisor rounded to the nearest whole number, halves to even.
long RoundedHalfEven(long value, long divisor)
{
    long q = value / divisor;
    long r = value % divisor;
    if (r < 0) {
        r += divisor;
        --q;
    }
    if (2 * r > divisor || (2 * r == divisor && (q & 1)))
        ++q;
    return q;
}

int Signed16(unsigned raw) { return raw > 0x7FFF ? static_cast<int>(raw) - 65536 : static_cast<int>(raw); }

std::string ValueText(const Code& code, int codeNumber, unsigned raw, const LiveParseOptions& o)
{
    const bool signedValue = codeNumber == 13 || (codeNumber == 1 && o.UsbMode);
    const unsigned noValue = (o.UsbMode && signedValue) ? 0x7FFF : 0xFFFF;
    if (raw == noValue)
        return kNotAvailable;
    const int value = signedValue ? Signed16(raw) : static_cast<int>(raw);
    switch (code.Kind) {
    case Style::Tenths:
        return FormatLiveNumber("%7.1f", value / 10.0, o.DecimalSep);
    case Style::Humidity:
        if (value == 0 || value >= 1000)
            return kNotAvailable;
        return FormatLiveNumber("%7.1f", value / 10.0, o.DecimalSep);
    case Style::Luminance:
        if (o.LuminanceTest)
            return FormattedInt("%7ld", static_cast<long>(value * 0.4 - 400));
        return FormatLiveNumber("%7.1f", value / 10.0, o.DecimalSep);
    case Style::Whole:
        return FormattedInt("%5ld  ", value);
    case Style::Thousandths:
        return FormatLiveNumber("%9.3f", value / 1000.0, o.DecimalSep);
    case Style::Hundredths:
        return FormatLiveNumber("%8.2f", value / 100.0, o.DecimalSep);
    case Style::Globe:
        return FormatLiveNumber("%7.1f", RoundedHalfEven(value, 10) / 10.0, o.DecimalSep);
    case Style::Ignored:
        break;
    }
    return {};
}

// The 16-bit value after the marker: two bytes, high first; on the Ventiq
// four hex digits. Nothing when the marker is absent or the value is cut.
std::optional<unsigned> RawAfter(const std::string& reply, const char* marker, bool hexText)
{
    const auto p = reply.find(marker);
    if (p == std::string::npos)
        return std::nullopt;
    const std::size_t at = p + 2;
    const std::size_t need = hexText ? 4 : 2;
    if (reply.size() < at + need)
        return std::nullopt;
    const std::string bytes = hexText ? HexDecode(reply.substr(at, need)) : reply.substr(at, need);
    return static_cast<unsigned char>(bytes[0]) * 256u + static_cast<unsigned char>(bytes[1]);
}

void ParseVentiq(const std::string& reply, const LiveParseOptions& o, TVamokAPDatenStrg& rec)
{
    // Every field without its marker shows "no value"; the four Ventiq
    // values then go to their own fields whatever markers came before.
    for (const auto& code : kCodes)
        if (code.Target && reply.find(code.Marker) == std::string::npos)
            rec[*code.Target] = kNotAvailable;
    for (const auto& src : kVentiqSources) {
        const Code& target = kCodes[static_cast<std::size_t>(src.TargetCode - 1)];
        const auto raw = RawAfter(reply, src.Marker, true);
        rec[*target.Target] = raw ? ValueText(target, src.TargetCode, *raw, o) : std::string(kNotAvailable);
    }
}

void ParseBinary(const std::string& reply, const LiveParseOptions& o, TVamokAPDatenStrg& rec)
{
    for (std::size_t k = 0; k < kCodes.size(); ++k) {
        const Code& code = kCodes[k];
        if (!code.Target)
            continue;
        const auto raw = RawAfter(reply, code.Marker, false);
        rec[*code.Target] = raw ? ValueText(code, static_cast<int>(k) + 1, *raw, o) : std::string(kNotAvailable);
    }
}

} // namespace

std::string FormatLiveNumber(const char* format, double value, char decimalSep)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, format, value);
    std::string s = buf;
    if (const auto dot = s.find('.'); dot != std::string::npos)
        s[dot] = decimalSep;
    return s;
}

TVamokAPDatenStrg ParseLiveValues(const std::string& prefixedReply, const LiveParseOptions& options)
{
    TVamokAPDatenStrg rec;
    if (options.OldFirmware) {
        rec[F::TVOC] = kNotAvailable;
        rec[F::CO] = kNotAvailable;
    }
    if (options.VentiqMode)
        ParseVentiq(prefixedReply, options, rec);
    else
        ParseBinary(prefixedReply, options, rec);
    if (rec[F::AirVelocity] == kNotAvailable) {
        rec[F::AirVelocityMinute] = kNotAvailable;
        rec[F::AnemometerTemperature] = kNotAvailable;
    }
    return rec;
}

std::string AppendGlobeValues(const std::string& valuesReply, const std::string& gvrReply)
{
    if (gvrReply.size() < 4)
        return valuesReply;
    return valuesReply + "Mf" + gvrReply.substr(0, 2) + "Mg" + gvrReply.substr(2, 2);
}

} // namespace vamok
