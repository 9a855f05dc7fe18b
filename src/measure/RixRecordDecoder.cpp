#include "measure/RixRecordDecoder.h"

#include "measure/MeasuringTime.h"

#include <array>

namespace vamok {

namespace {

constexpr std::size_t kNameOffset = 1;
constexpr std::size_t kNameLength = 20;
constexpr std::size_t kTypeOffset = 21;
constexpr std::size_t kProfileOffset = 26;
constexpr std::size_t kTimeOffset = 27;
constexpr std::size_t kReadingsOffset = 91;

enum class Conversion {
    Unsigned,
    Signed,           // signed 16-bit
    Humidity,         // outside 1..999 is no value
    GlobeHundredths,  // signed hundredths of a degree, to tenths
    Turbulence,       // tenths of %, to whole %, at most 999
    InfraRed,         // signed; no value before firmware 3.0.0
};

struct Word {
    Field field;
    std::uint16_t noValue;
    bool alsoFFFE; // 0xFFFE is no value too
    Conversion conversion;
    std::int64_t firmware; // lowest firmware that sends the word, 0 = all
};

constexpr std::int64_t k1_0_11 = 0x1000B;
constexpr std::int64_t k1_1_3 = 0x10103;
constexpr std::int64_t k1_4_3 = 0x10403;
constexpr std::int64_t k2_0_6 = 0x20006;
constexpr std::int64_t k3_0_0 = 0x30000;

using C = Conversion;
constexpr std::array<Word, 38> kWords{{
    {Field::Temp, 0x7FFF, false, C::Signed, 0},
    {Field::Feu, 0x7FFF, false, C::Humidity, 0},
    {Field::Wind, 0xFFFF, false, C::Unsigned, 0},
    {Field::WindT, 0xFFFF, false, C::Unsigned, 0},
    {Field::WindI, 0xFFFF, false, C::Unsigned, 0},
    {Field::WindTI, 0xFFFF, false, C::Unsigned, 0},
    {Field::WindII, 0xFFFF, false, C::Unsigned, 0},
    {Field::WindTII, 0xFFFF, false, C::Unsigned, 0},
    {Field::WindIII, 0xFFFF, false, C::Unsigned, 0},
    {Field::WindTIII, 0xFFFF, false, C::Unsigned, 0},
    {Field::Lae, 0xFFFF, false, C::Unsigned, 0},
    {Field::LaeM, 0xFFFF, false, C::Unsigned, 0},
    {Field::Bel, 0xFFFF, false, C::Unsigned, 0},
    {Field::Fre, 0xFFFF, false, C::Unsigned, 0},
    {Field::Hell, 0xFFFF, false, C::Unsigned, 0},
    {Field::LdS, 0xFFFF, false, C::Unsigned, 0},
    {Field::LdW, 0xFFFF, false, C::Unsigned, 0},
    {Field::SWK, 0xFFFF, false, C::Unsigned, 0},
    {Field::LdMon, 0xFFFF, false, C::Unsigned, 0},
    {Field::LdUmg, 0xFFFF, false, C::Unsigned, 0},
    {Field::MUK, 0xFFFF, false, C::Unsigned, 0},
    {Field::GT, 0x7FFF, false, C::GlobeHundredths, 0},
    {Field::CO2, 0xFFFF, true, C::Unsigned, 0},
    {Field::LaeUser, 0xFFFF, false, C::Unsigned, 0},
    {Field::LaeDauer, 0xFFFF, false, C::Unsigned, 0},
    {Field::CPeak, 0xFFFF, false, C::Unsigned, k1_0_11},
    {Field::CPeakUser, 0xFFFF, false, C::Unsigned, k1_0_11},
    {Field::Tu, 0xFFFF, false, C::Turbulence, k1_1_3},
    {Field::TuI, 0xFFFF, false, C::Turbulence, k1_1_3},
    {Field::TuII, 0xFFFF, false, C::Turbulence, k1_1_3},
    {Field::TuIII, 0xFFFF, false, C::Turbulence, k1_1_3},
    {Field::VOC, 0xFFFF, true, C::Unsigned, k1_4_3},
    {Field::CO, 0xFFFF, true, C::Unsigned, k1_4_3},
    {Field::PM1u0, 0xFFFF, false, C::Unsigned, k2_0_6},
    {Field::PM2u5, 0xFFFF, false, C::Unsigned, k2_0_6},
    {Field::PM10u, 0xFFFF, false, C::Unsigned, k2_0_6},
    {Field::TIR, 0x7FFF, false, C::InfraRed, k3_0_0},
    {Field::Emiss, 0xFFFF, false, C::Unsigned, k3_0_0},
}};

std::int32_t Convert(const Word& w, std::uint16_t value, std::int64_t firmware)
{
    if (value == w.noValue || (w.alsoFFFE && value == 0xFFFE))
        return NoValue;
    switch (w.conversion) {
    case C::Unsigned:
        return value;
    case C::Signed:
        return SignedWord(value);
    case C::Humidity:
        return value >= 1 && value <= 999 ? value : NoValue;
    case C::GlobeHundredths:
        return DivideBy10HalfEven(SignedWord(value));
    case C::Turbulence: {
        const std::int32_t tu = DivideBy10HalfEven(value);
        return tu > 999 ? 999 : tu;
    }
    case C::InfraRed:
        return firmware < k3_0_0 ? NoValue : SignedWord(value);
    }
    return NoValue;
}

// Every firmware sends the first 25 words.
bool Sends(std::int64_t firmware, const Word& w) { return w.firmware == 0 || firmware >= w.firmware; }

} // namespace

std::size_t RixRecordDecoder::RequiredLength(std::int64_t firmware)
{
    std::size_t sent = 0;
    for (const Word& w : kWords)
        if (Sends(firmware, w))
            ++sent;
    // The words are in firmware order, so the sent ones are a prefix.
    return kReadingsOffset + 2 * sent;
}

DecodeStatus RixRecordDecoder::Decode(std::string_view record, const DecodeContext& ctx,
                                      RawRow& row) const
{
    const RecordBytes r(record);
    if (!r.has(0, 1))
        return DecodeStatus::TooShort;
    if (!IsRecordFor(record, ctx.workplace))
        return DecodeStatus::WrongWorkplace;
    if (r.size() < RequiredLength(ctx.firmware))
        return DecodeStatus::TooShort;

    RawRow out = row;
    out.Name = TrimBlanks(FieldText(r.text(kNameOffset, kNameLength)));
    out.Type = FieldText(r.text(kTypeOffset, 4));
    const int profile = r.byte(kProfileOffset);
    out.Profile = std::to_string(profile > 9 ? 0 : profile);
    out.MessZeit = MeasuringTimeText(r.dword(kTimeOffset));
    for (std::size_t i = 0; i < kWords.size(); ++i) {
        const Word& w = kWords[i];
        // A word the firmware does not send reads as FF FF.
        const std::uint16_t value =
            Sends(ctx.firmware, w) ? r.word(kReadingsOffset + 2 * i) : 0xFFFF;
        *out.number(w.field) = Convert(w, value, ctx.firmware);
    }
    row = std::move(out);
    return DecodeStatus::Decoded;
}

} // namespace vamok
