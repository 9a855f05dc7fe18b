#pragma once
// Turns a live-values reply ("MmCkSr", altarim form, prefixed with its
// length) into the display texts of the live-value record.
#include "live/LiveRecord.h"

#include <string>

namespace vamok {

struct LiveParseOptions {
    bool UsbMode = false;       // signed temperature, 0x7FFF as "no value"
    bool VentiqMode = false;    // hex-text values, four markers only
    bool LuminanceTest = false; // developer and sensor-test mode: raw luminance
    bool OldFirmware = false;   // firmware before 1.4.3: no TVOC, no CO
    char DecimalSep = ',';
};

// Fills every value field except PMV (left empty; see LivePmv.h).
TVamokAPDatenStrg ParseLiveValues(const std::string& prefixedReply, const LiveParseOptions& options);

// printf-style `format` of one double, with decimalSep for the point.
std::string FormatLiveNumber(const char* format, double value, char decimalSep);

// The Quadrovan's extra values: with a "GVR" reply of at least 4 bytes,
// "Mf" + bytes 1-2 (globe temperature) and "Mg" + bytes 3-4 (CO2) are
// appended to the values reply.
std::string AppendGlobeValues(const std::string& valuesReply, const std::string& gvrReply);

} // namespace vamok
