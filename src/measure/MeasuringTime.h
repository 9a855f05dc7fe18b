#pragma once
// The instruments' measuring time: seconds since 2000-01-01 00:00:00.
#include <cstdint>
#include <string>

namespace vamok {

// Date and time as the table shows it ("dd.MM.yyyy hh:mm:ss"; the time is
// left out at exactly midnight). The "not set" patterns 0 and 0xFFFFFFFF
// give an empty text.
std::string MeasuringTimeText(std::uint32_t secondsSince2000);

} // namespace vamok
