#pragma once
// Fixed-point number texts ("%.Nf") with a chosen decimal separator,
// independent of the C library's locale.
#include <string>

namespace vamok {

std::string FixedText(long double value, int decimals, char sep);

} // namespace vamok
