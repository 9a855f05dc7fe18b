#pragma once
// What the memory-record decoders share: a bounds-checked view of the bytes
// after "MEM", the decoding context, and the decoder interface. One decoder
// per instrument family lives in its own unit.
#include "measure/MeasurementTable.h"
#include "measure/RowFormatting.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vamok {

// The record of a reply: the bytes after the first "MEM", or nullopt when
// the reply holds no "MEM".
std::optional<std::string_view> RecordOfReply(std::string_view reply);

// Reads from a record without ever going past its end.
class RecordBytes {
public:
    explicit RecordBytes(std::string_view bytes) : bytes_(bytes) {}
    std::size_t size() const { return bytes_.size(); }
    bool has(std::size_t offset, std::size_t length) const
    {
        return offset <= bytes_.size() && length <= bytes_.size() - offset;
    }
    // Callers check has() first; out-of-range reads give 0 / "".
    std::uint8_t byte(std::size_t offset) const;
    // Big-endian 16-bit word at offset.
    std::uint16_t word(std::size_t offset) const;
    std::uint32_t dword(std::size_t offset) const;
    std::string text(std::size_t offset, std::size_t length) const;

private:
    std::string_view bytes_;
};

// Offset 0 of every record holds its workplace number.
bool IsRecordFor(std::string_view record, int workplace);

// A text field of a record ends at its first 0x00 byte, if any.
std::string FieldText(std::string_view field);

// Blanks removed at both ends (names of the USB instruments).
std::string TrimBlanks(std::string_view s);

// 16-bit reading conversions shared by the families.
std::int32_t SignedWord(std::uint16_t w);
// Integer division by 10, rounded to nearest, halves to even.
std::int32_t DivideBy10HalfEven(std::int32_t v);

struct DecodeContext {
    int workplace = 1;               // the number requested
    std::int64_t firmware = -1;      // instrument firmware a.b.c as a*65536 + b*256 + c, or -1
    std::string deviceVersion;       // the version text as identified
    bool quadrovanMode = false;
    bool usbLink = false;
    bool partial = false;            // one of the partial readouts
};

enum class DecodeStatus {
    Decoded,        // raw row replaced
    WrongWorkplace, // record of another workplace; raw row unchanged
    TooShort,       // record ends before its layout does; raw row unchanged
};

class MemoryRecordDecoder {
public:
    virtual ~MemoryRecordDecoder() = default;
    // record: the bytes after "MEM". Replaces the raw row only on Decoded.
    virtual DecodeStatus Decode(std::string_view record, const DecodeContext& ctx,
                                RawRow& row) const = 0;
    // The formatting scope of the full and of the partial readouts for this
    // family.
    virtual FormatScope FullScope() const { return FormatScope::Full; }
    virtual FormatScope PartialScope() const = 0;
    // A reply without "MEM" is reported as a decoding error (rix, Ventiq).
    virtual bool ReportsMissingRecord() const = 0;
    // A record of another workplace counts as no answer and is asked for
    // again (rix, Ventiq); otherwise it is reported as an error.
    virtual bool RetriesOtherWorkplace() const = 0;
};

} // namespace vamok
