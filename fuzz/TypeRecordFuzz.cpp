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

TypeRecordForm FormOf(std::uint8_t bits)
{
    TypeRecordForm form;
    form.displayCodes = bits & 1;
    form.flicker = bits & 2;
    form.gas = bits & 4;
    form.dust = bits & 8;
    form.ventiq = bits & 16;
    return form;
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
