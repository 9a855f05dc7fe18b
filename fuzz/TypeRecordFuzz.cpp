// libFuzzer target: type slot replies of every record form. A type read
// from any reply, written back in the same form and read again, gives the
// same bytes: nothing outside a field's range survives a read.
#include "types/TypeRecordBytes.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

using namespace vamok;

namespace {

// The record forms the instruments have: a model and a firmware version.
TypeRecordForm FormOf(std::uint8_t bits)
{
    constexpr LinkMode kLinks[] = {LinkMode::AltarimCom, LinkMode::QuadrovanCom, LinkMode::RixUsb,
                                   LinkMode::VentiqUsb};
    constexpr const char* kVersions[] = {"2.10", "1.05", "1.2", "1.1.3", "1.4.3", "2.0.6", "3.0.0", "1.0.3"};
    return TypeRecordFormFor(kLinks[bits & 3], kVersions[(bits >> 2) & 7]);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Byte 0: the record form and whether duplicates are kept; the rest: the
    // reply as the instrument sent it.
    if (size == 0)
        return 0;
    const TypeRecordForm form = FormOf(data[0]);
    const bool keepDuplicates = data[0] & 32;
    std::string reply(reinterpret_cast<const char*>(data + 1), size - 1);
    if (form.ventiq) {
        const std::optional<std::string> widened = WidenVentiqReply(reply);
        if (!widened)
            return 0;
        reply = *widened;
    }
    std::vector<std::string> used{"VAM ", "BUER", "", "LAGE"};
    const SlotReading read = ParseSlotReply(reply, form, used, keepDuplicates);
    if (!read.type || form.ventiq)
        return 0;
    const TypePayload written = EncodeTypePayload(*read.type, form);
    if (written.bytes.empty())
        return 0;
    if (written.bytes.size() != TypeRecordSize(form))
        std::abort();
    std::vector<std::string> usedAgain = used;
    const std::string again = std::string("TYP") + static_cast<char>(read.slot) + written.bytes;
    const SlotReading reread = ParseSlotReply(again, form, usedAgain, true);
    if (!reread.type || EncodeTypePayload(*reread.type, form).bytes != written.bytes)
        std::abort();
    return 0;
}
