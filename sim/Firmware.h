#pragma once
#include <string>

namespace vamok::sim {

// Firmware version "a.b.c" as a × 65536 + b × 256 + c; missing or
// non-numeric parts count as 0.
long FirmwareNumber(const std::string& version);
// The first altarim firmware generations ("0.x", "1.0x") have no screen
// luminance sensor: their records carry no luminance word and their type
// records no flicker-frequency row.
bool IsEarlyAltarimFirmware(const std::string& version);

// Firmware levels at which the rix gained new readings.
inline constexpr long kRixCPeak = 0x1000B;      // 1.0.11
inline constexpr long kRixTurbulence = 0x10103; // 1.1.3
inline constexpr long kRixGas = 0x10403;        // 1.4.3: TVOC, CO
inline constexpr long kRixDust = 0x20006;       // 2.0.6: fine dust, 64-bit profile masks
inline constexpr long kRixInfrared = 0x30000;   // 3.0.0

} // namespace vamok::sim
