#include "measure/AltarimRecordDecoder.h"

#include "core/DisplayCodes.h"
#include "device/FirmwareLevels.h"

#include <array>

namespace vamok {

namespace {

constexpr std::size_t kNameOffset = 1;
constexpr std::size_t kNameLength = 8;
constexpr std::size_t kTypeOffset = 9;
constexpr std::size_t kReadingsOffset = 14;
// Reading bytes up to here must be present; later ones read as 0 on a serial
// link when the reply ends early.
constexpr std::size_t kRequiredReadings = 46;

struct Reading {
    std::size_t offset; // inside the readings, before the luminance shift
    Field field;
};

// Offsets 12 onwards move by two bytes when the firmware sends Hell.
constexpr std::array<Reading, 20> kBasicReadings{{
    {0, Field::Temp}, {2, Field::Feu}, {4, Field::Lae}, {6, Field::LaeM},
    {8, Field::Bel}, {10, Field::Fre}, {12, Field::LdS}, {14, Field::LdW},
    {16, Field::SWK}, {18, Field::LdMon}, {20, Field::LdUmg}, {22, Field::MUK},
    {26, Field::Wind}, {28, Field::WindI}, {30, Field::WindII}, {32, Field::WindIII},
    {34, Field::WindT}, {36, Field::WindTI}, {38, Field::WindTII}, {40, Field::WindTIII},
}};
constexpr std::size_t kHellOffset = 12;
constexpr std::size_t kGlobeOffset = 42;
constexpr std::size_t kCO2Offset = 44;

constexpr std::array<Field, 11> kNotMeasured{
    Field::VOC, Field::CO, Field::LaeUser, Field::LaeDauer, Field::CPeak, Field::CPeakUser,
    Field::PM1u0, Field::PM2u5, Field::PM10u, Field::TIR, Field::Emiss,
};

class Readings {
public:
    Readings(std::string_view record, bool shifted, bool usbLink)
        : r_(record), shifted_(shifted), usbLink_(usbLink) {}

    // Physical position of a reading byte.
    std::size_t at(std::size_t offset) const
    {
        return kReadingsOffset + offset + (shifted_ && offset >= kHellOffset ? 2 : 0);
    }
    bool complete() const
    {
        // The last byte that must be present (index below 46 after the shift,
        // or every byte on a USB link).
        const std::size_t last = usbLink_ ? at(kCO2Offset + 1) : kReadingsOffset + kRequiredReadings - 1;
        return r_.has(last, 1);
    }
    std::uint16_t word(std::size_t offset) const { return r_.word(at(offset)); }

private:
    RecordBytes r_;
    bool shifted_;
    bool usbLink_;
};

std::int32_t Plain(std::uint16_t w) { return w == 0xFFFF ? NoValue : w; }

} // namespace

bool AltarimRecordDecoder::IsOldFirmware(const std::string& deviceVersion, bool quadrovanMode)
{
    return IsEarlyAltarimFirmware(deviceVersion, quadrovanMode);
}

std::string AltarimRecordDecoder::ReplaceDisplayUmlauts(std::string text)
{
    return FromDisplayCodes(std::move(text));
}

DecodeStatus AltarimRecordDecoder::Decode(std::string_view record, const DecodeContext& ctx,
                                          RawRow& row) const
{
    const RecordBytes r(record);
    if (!IsRecordFor(record, ctx.workplace)) {
        // The instrument's own check: too short or another workplace.
        return r.size() < 37 ? DecodeStatus::TooShort : DecodeStatus::WrongWorkplace;
    }
    if (r.size() < 37)
        return DecodeStatus::TooShort;
    const bool hasHell = !IsOldFirmware(ctx.deviceVersion, ctx.quadrovanMode);
    const Readings readings(record, hasHell, ctx.usbLink);
    if (!readings.complete())
        return DecodeStatus::TooShort;

    RawRow out = row;
    if (!ctx.partial) {
        const std::string nameAndType = ReplaceDisplayUmlauts(r.text(kNameOffset, 12));
        out.Name = FieldText(std::string_view(nameAndType).substr(0, kNameLength));
        out.Type = FieldText(std::string_view(nameAndType).substr(kTypeOffset - kNameOffset, 4));
        for (const Reading& reading : kBasicReadings)
            *out.number(reading.field) = Plain(readings.word(reading.offset));
        if (out.Feu < 1 || out.Feu > 999)
            out.Feu = NoValue;
    }
    out.Hell = hasHell && !ctx.partial ? Plain(r.word(kReadingsOffset + kHellOffset)) : 0;
    if (ctx.quadrovanMode) {
        const std::uint16_t gt = readings.word(kGlobeOffset);
        out.GT = gt == 0xFFFE ? NoValue : DivideBy10HalfEven(SignedWord(gt));
        const std::uint16_t co2 = readings.word(kCO2Offset);
        out.CO2 = co2 == 0xFFFE ? NoValue : co2;
    } else {
        out.GT = NoValue;
        out.CO2 = NoValue;
    }
    for (Field f : kNotMeasured)
        *out.number(f) = NoValue;
    row = std::move(out);
    return DecodeStatus::Decoded;
}

} // namespace vamok
