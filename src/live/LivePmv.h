#pragma once
// The PMV of the live values, with clothing and activity of a workplace type.
#include "live/LiveRecord.h"
#include "types/TAPDef.h"

#include <string>

namespace vamok {

// The PMV field text ("%8.2f"), or kNotAvailable when a reading is missing
// or negative, when no type is given or when no PMV can be computed.
std::string LivePmvText(const TVamokAPDatenStrg& record, const TAPDef* type, char decimalSep);

// The first PC type after the placeholder, or nullptr when the library
// holds none.
const TAPDef* FirstPcTypeOrNull();

} // namespace vamok
