#pragma once
// The values of the predefined type "VAM ", kept as texts so that they read
// the same way as the library file does.
#include "types/TAPDef.h"

#include <array>

namespace vamok {

// 90 texts: rows 1 to 10, 17, 18, 11 to 16, five columns per row.
const std::array<const char*, 90>& TypeDefaults();

// Sets one row of `type` from the defaults (whole rows rounded, hundredths
// rows times 100, rounded).
void ApplyDefaultRow(TAPDef& type, int row);

// Sets all 18 rows from the defaults and the clothing marker.
void ApplyDefaults(TAPDef& type);

// The predefined type "VAM " with its defaults.
TAPDef DefaultType();

} // namespace vamok
