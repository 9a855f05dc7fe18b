#pragma once
// The evaluation bar under each value of the online table.
#include "core/Painting.h"
#include "types/Rating.h"
#include "types/TAPDef.h"

#include <optional>
#include <string>

namespace vamok {

// A quantity's scale: type row, scale ends, and the factor from the shown
// value to the value on the scale.
struct BarScale {
    int Quantity;
    int Min;
    int Max;
    int Factor;
};

// The bar of one shown text on the scale, rated by `type` (fixed limits for
// fine dust): nothing for a text that is no number and when no type is
// given. Band and strip on.
std::optional<ThresholdBar> QuantityBar(const BarScale& scale, const std::string& text, const TAPDef* type,
                                        char decimalSep);

// The bar of table row `row` (1..20) for the shown text, rated by `type`:
// nothing for rows without a bar, for a text that is no number and when no
// type is given.
std::optional<ThresholdBar> OnlineBarFor(int row, const std::string& text, const TAPDef* type, char decimalSep);

// The band the bar's value stands in, as the bar colours it: red below L1,
// yellow up to L2, green up to L3, yellow up to L4, red from L4 on.
Rating BarRating(const ThresholdBar& bar);

} // namespace vamok
