#pragma once
// Which air velocity of a row feeds its PMV.
#include "measure/MeasurementTable.h"

namespace vamok {

// Settings of "PMV_Luftg": 0 mean of the three series, 1 series I, 2 single
// value, 3 automatic (default), 4 series II, 5 series III, other: single value.
inline constexpr int kPmvWindAutomatic = 3;

// Air velocity in hundredths of m/s. A missing series value ("-,--" or
// empty) takes no part in a mean; a mean of no values is 0.
int AirVelocityForPmv(const RowTexts& texts, int setting);

// A text that holds no value: empty or only the "-,--" style marker.
bool IsMissingValueText(const std::string& text);

} // namespace vamok
