// libFuzzer target: what the instruments send back, as the program reads
// it: identification and live-value replies of every dialect, and memory
// records of each family and firmware, formatted as the table shows them. A
// record that is not decoded leaves the row as it was.
#include "live/IdentificationParser.h"
#include "live/LiveValueParser.h"
#include "measure/AltarimRecordDecoder.h"
#include "measure/RixRecordDecoder.h"
#include "measure/RowFormatting.h"
#include "measure/VentiqRecordDecoder.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace vamok;

namespace {

void ParseLive(const std::string& reply, std::uint8_t options)
{
    LiveParseOptions o;
    o.UsbMode = options & 1;
    o.VentiqMode = options & 2;
    o.LuminanceTest = options & 4;
    o.OldFirmware = options & 8;
    o.DecimalSep = (options & 16) ? '.' : ',';
    ParseLiveValues(PrefixWithLength(reply), o);
    ParseIdentification(PrefixWithLength(reply), o.UsbMode);
    if (options & 32)
        ParseLiveValues(PrefixWithLength(AppendGlobeValues(reply, reply.substr(0, 6))), o);
}

void DecodeRecord(const std::string& reply, std::uint8_t family, std::uint32_t firmware)
{
    static const AltarimRecordDecoder altarim;
    static const RixRecordDecoder rix;
    static const VentiqRecordDecoder ventiq;
    const MemoryRecordDecoder* decoders[] = {&altarim, &rix, &ventiq};
    const MemoryRecordDecoder& decoder = *decoders[family % 3];

    DecodeContext ctx;
    ctx.workplace = 1 + (family >> 2) % 99;
    ctx.firmware = (family & 0x80) ? -1 : static_cast<std::int64_t>(firmware & 0xFFFFFF);
    ctx.deviceVersion = reply.substr(0, 4);
    ctx.quadrovanMode = family & 0x40;
    ctx.usbLink = family % 3 != 0;
    const std::optional<std::string_view> record = RecordOfReply(reply);
    if (!record)
        return;
    WorkplaceRow row;
    row.raw.Name = "unchanged";
    const RawRow before = row.raw;
    if (decoder.Decode(*record, ctx, row.raw) != DecodeStatus::Decoded) {
        if (!(row.raw == before))
            std::abort();
        return;
    }
    FormatRowTexts(row, decoder.FullScope(), PmvSettings{});
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Byte 0: live options; byte 1: record family and context; bytes 2-4:
    // firmware; the rest: the reply.
    if (size < 5)
        return 0;
    const std::string reply(reinterpret_cast<const char*>(data + 5), size - 5);
    ParseLive(reply, data[0]);
    DecodeRecord(reply, data[1], static_cast<std::uint32_t>(data[2]) << 16 | data[3] << 8 | data[4]);
    return 0;
}
