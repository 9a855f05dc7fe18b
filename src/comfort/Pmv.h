#pragma once
// Thermal comfort after Fanger (ISO 7730): predicted mean vote PMV,
// predicted percentage of dissatisfied PPD, and the mean radiant temperature
// from a globe thermometer (ISO 7726). Inputs and results are scaled
// integers: temperatures and humidity x 10, air velocity, clo and met x 100.
#include <string>

namespace vamok {

// PMV x 100 when no PMV can be computed (shown as 655,35).
inline constexpr int kNoPMV = 65535;
// Mean radiant temperature x 100 when none can be computed.
inline constexpr int kNoTmrt = -999999;

// Globe diameters in metres: the instruments' globe and the standard one.
inline constexpr long double kGlobeDiameter = 0.16L;
inline constexpr long double kStandardGlobeDiameter = 0.15L;

// Mean radiant temperature x 100 from air velocity, globe and air
// temperature, or kNoTmrt.
int ComputeTmrt(int v100, int tg10, int ta10, long double diameter);

// PMV x 100, or kNoPMV outside the valid ranges (ta, tr 0,1..50 °C, rh
// 0,1..99,9 %, v 0..5 m/s, clo and met 0,01..10). With `isGlobe` set, t10 is
// a globe temperature first converted with the 15 cm (`globe15`) or the
// 16 cm globe; otherwise it is the mean radiant temperature.
int ComputePMV(int ta10, int t10, int rh10, bool globe15, bool isGlobe, int met100, int clo100, int v100);

// PMV x 100 as the table shows it: "%.2f" with App().DecimalSep.
std::string PMVText(int pmv100);

// The PPD of a PMV text (App().DecimalSep): "16,8%", or ">99%" above
// 99,94 % and for the missing-value text "-,--".
std::string PPDText(const std::string& pmvText);

// The mean radiant temperature of two temperature texts with one decimal
// and v x 100 (16 cm globe): "%.2f °C", or "--.- °C".
std::string TmrtText(const std::string& taText, const std::string& tgText, int v100);

} // namespace vamok
