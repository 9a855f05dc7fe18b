#pragma once
// The byte form of a workplace type in the instrument's slots: the 4-byte
// name, then 16-bit big-endian words in the order rows 1-7, 10, 11, 8, 17,
// 18, 9, 12-13, 14-16. Rows 1-4 and 6-9 and the illuminance target are held
// in tenths of the library's whole units, the rest as in the library; the
// PMV row is signed.
#include "device/LinkMode.h"
#include "types/TAPDef.h"

#include <optional>
#include <string>
#include <vector>

namespace vamok {

// What the attached instrument's records hold.
struct TypeRecordForm {
    bool displayCodes = true; // altarim and Quadrovan: umlauts in display codes
    bool flicker = true;      // row 6 (not on early altarim firmware)
    bool gas = false;         // rows 12, 13 are written (USB, firmware 1.4.3 on)
    bool dust = false;        // rows 14-16 are written (USB, firmware 2.0.6 on)
    bool ventiq = false;      // only row 10, then 30 fixed bytes
    bool operator==(const TypeRecordForm&) const = default;
};

TypeRecordForm TypeRecordFormFor(LinkMode link, const std::string& deviceVersion);
inline TypeRecordForm CurrentTypeRecordForm()
{
    return TypeRecordFormFor(CurrentLinkMode(), App().DeviceVersion);
}

// Bytes of the record the form writes (name included): 124, 134, 154, 184 or 44.
std::size_t TypeRecordSize(const TypeRecordForm& form);

struct TypePayload {
    std::string bytes;  // name and words; empty when a value does not fit
    int unfitRow = 0;   // the first row with a value outside its 16-bit field
    int unfitColumn = 0;
};

// The record written for `type` (its marker set first).
TypePayload EncodeTypePayload(TAPDef type, const TypeRecordForm& form);

// A slot reply read into a type (also the read-back after a write).
struct SlotReading {
    int slot = 0;                // the slot byte after "TYP"; 0 when none
    std::optional<TAPDef> type;  // nothing: an empty slot or a reply too short
    std::string renameReport;    // the clash of this name, CR LF-ended
};

// Parses `reply` ("TYP", slot byte, record and what follows it). The name
// is compared with `usedTypes` (entry k for slot k + 1): listed at another
// slot it is a duplicate, renamed unless `keepDuplicates`; a name not
// listed for its own slot is appended. Rows the reply does not hold (by its
// length, by the form) and an invalid clothing row take the defaults.
SlotReading ParseSlotReply(const std::string& reply, const TypeRecordForm& form,
                           std::vector<std::string>& usedTypes, bool keepDuplicates);

// A Ventiq reply ("TYP", slot, name, row 10, fixed rows, tail) widened to
// the altarim form; nothing when it is too short to hold name and row 10.
std::optional<std::string> WidenVentiqReply(const std::string& reply);

// "NAME", row 3 "X", row 4 the first of "1".."9" that differs from the old one.
std::string DuplicateTypeName(const std::string& name);

} // namespace vamok
