#pragma once
// Firmware levels at which the instruments changed what they hold.
// Header-only: the type and record layouts of several subsystems read it.
#include "core/TextHelpers.h"

#include <string>

namespace vamok {

// The first altarim generations ("0.x", "1.0x", not a Quadrovan) have no
// screen-luminance sensor: no luminance word in their records and no
// flicker-frequency row in their type records.
inline bool IsEarlyAltarimFirmware(const std::string& deviceVersion, bool quadrovanMode)
{
    return !quadrovanMode && (deviceVersion.find("0.") != std::string::npos ||
                              deviceVersion.find("1.0") != std::string::npos);
}

// The rix gained TVOC and CO at 1.4.3 and fine dust at 2.0.6; an altarim
// checks duplicate type names from 1.4.4 on.
inline bool FirmwareAtLeast(const std::string& deviceVersion, const char* level)
{
    return VersionToNumber(deviceVersion, 3) >= VersionToNumber(level, 3);
}
inline constexpr const char* kFirmwareGas = "1.4.3";
inline constexpr const char* kFirmwareDust = "2.0.6";
inline constexpr const char* kFirmwareTypeNameCheck = "1.4.4";

} // namespace vamok
