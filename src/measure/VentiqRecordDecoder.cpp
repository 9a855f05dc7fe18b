#include "measure/VentiqRecordDecoder.h"

#include "measure/MeasuringTime.h"

#include <array>

namespace vamok {

namespace {

constexpr std::size_t kNameOffset = 1;
constexpr std::size_t kNameLength = 20;
constexpr std::size_t kTypeOffset = 21;
// The measuring time sits where the rix keeps it: 4 bytes big-endian at 27.
constexpr std::size_t kTimeOffset = 27;
constexpr std::size_t kReadingsOffset = 51;

// Stored as they come; FF FF is no value for every word.
constexpr std::array<Field, 11> kWords{
    Field::Wind, Field::WindT, Field::WindI, Field::WindTI, Field::TuI, Field::WindII,
    Field::WindTII, Field::TuII, Field::WindIII, Field::WindTIII, Field::TuIII,
};

} // namespace

DecodeStatus VentiqRecordDecoder::Decode(std::string_view record, const DecodeContext& ctx,
                                         RawRow& row) const
{
    const RecordBytes r(record);
    if (!r.has(0, 1))
        return DecodeStatus::TooShort;
    if (!IsRecordFor(record, ctx.workplace))
        return DecodeStatus::WrongWorkplace;
    if (r.size() < kRequiredLength)
        return DecodeStatus::TooShort;

    RawRow out = row;
    out.Name = TrimBlanks(FieldText(r.text(kNameOffset, kNameLength)));
    out.Type = FieldText(r.text(kTypeOffset, 4));
    out.MessZeit = MeasuringTimeText(r.dword(kTimeOffset));
    for (std::size_t i = 0; i < kWords.size(); ++i) {
        const std::uint16_t w = r.word(kReadingsOffset + 2 * i);
        *out.number(kWords[i]) = w == 0xFFFF ? NoValue : w;
    }
    row = std::move(out);
    return DecodeStatus::Decoded;
}

} // namespace vamok
