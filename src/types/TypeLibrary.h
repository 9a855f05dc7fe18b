#pragma once
// The two process-wide type lists: the PC library (entry 0 is the
// placeholder "NONE", never shown, written or found) and the types last read
// from the instrument (no placeholder, at most 9).
#include "types/TAPDef.h"

#include <string>
#include <vector>

namespace vamok {

using TAPListe = std::vector<TAPDef>;

inline constexpr const char* kPlaceholderTypeName = "NONE";
inline constexpr const char* kPredefinedTypeName = "VAM ";

TAPListe& PCTypes();
TAPListe& DeviceTypes();

// Resets PCTypes to the placeholder alone.
void ResetPCTypes();

// Index of the first real PC type: 1 once any type is in the list, else 0.
int FirstTypeIndex();

// Index of the first entry named `name` (padded to 4 characters, exact and
// case-sensitive), or -1 for "NONE", for a list shorter than two entries and
// when no entry has the name. Callers that need an index use 0 when the type
// is not found, which is the placeholder and rates nothing.
int FindType(const TAPListe& list, const std::string& name);

// FindType on PCTypes with 0 for "not found".
int PCTypeIndex(const std::string& name);

struct AddTypeResult {
    int index = 0;               // the PC entry that holds the name now
    bool alreadyPresent = false; // the name was in PCTypes; nothing was added
};

// Adds a type by name. A record from the instrument first replaces the
// entry of the same name in DeviceTypes, or is appended there. A name that
// is already in PCTypes adds nothing (see TypeExistsNotice); otherwise the
// record is appended to PCTypes with its clothing marker.
AddTypeResult AddType(const TAPDef& record, bool fromDevice);

// "Typ "NAME" schon vorhanden!", shown for 3000 ms when AddType adds nothing.
std::string TypeExistsNotice(const std::string& name);

} // namespace vamok
