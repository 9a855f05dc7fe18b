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

} // namespace vamok
