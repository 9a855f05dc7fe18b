#pragma once
// The evaluation bar under each value of the online table.
#include "core/Painting.h"
#include "types/TAPDef.h"

#include <optional>
#include <string>

namespace vamok {

// The bar of table row `row` (1..20) for the shown text, rated by `type`:
// nothing for rows without a bar, for a text that is no number and when no
// type is given.
std::optional<ThresholdBar> OnlineBarFor(int row, const std::string& text, const TAPDef* type, char decimalSep);

} // namespace vamok
