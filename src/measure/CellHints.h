#pragma once
// The rich hint of a measurement table cell: sub-values that the grid does
// not show (anemometer temperature and turbulence, luminances, durations),
// derived values (dew point, mean radiant temperature, PPD) and the profile
// name. Texts are CP1252 bytes.
#include "measure/MeasurementTable.h"

#include <array>
#include <string>

namespace vamok {

// The words of the hints, from the window's translatable list.
struct HintWords {
    std::string at = "Bei ";                       // entry 46
    std::string turbulence = "Tu";                 // entry 91
    std::string noiseDuration = "L\xE4rm Dauer";   // entry 86
    std::string measuringTime = "Messzeit";        // entry 88
    std::string dewPoint = "Taupunkt";             // entry 109
};

struct HintContext {
    HintWords words;
    bool turbulenceShown = true; // the turbulence display (App().TurbulenceMode)
    bool valuesAreGlobe = true;  // GT holds globe temperatures
    int airVelocity100 = 0;      // the row's air velocity for the PMV
    std::array<std::string, 10> profileNames{};
    char decimalSep = ',';
};

struct CellHint {
    std::string text;
    // Workplace rows are shown on aqua; the header and the grid's own hint
    // on the tooltip colour.
    bool aqua = false;
    // No hint of its own: the grid's hint is shown.
    bool gridHint = false;
};

// The header cell: its text, for the three series followed by their height.
CellHint HeaderHint(ColumnKind kind, const std::string& headerText);

// A workplace row's cell.
CellHint RowHint(ColumnKind kind, const RowTexts& texts, const HintContext& context);

// Dew point after Magnus from the Temp and Feu texts, "%3.1f" with the
// separator; "--,-" when either is not a number, the humidity is not above
// 0 or the temperature above 60 °C.
std::string DewPointText(const std::string& temp, const std::string& humidity, char decimalSep);

} // namespace vamok
