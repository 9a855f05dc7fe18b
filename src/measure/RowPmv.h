#pragma once
// The PMV side of a row: which air velocity feeds the PMV, and the three
// season PMV texts computed from the row's texts and its workplace type.
#include "measure/MeasurementTable.h"
#include "measure/PmvAirVelocity.h"

#include <string>

namespace vamok {

struct PmvSettings {
    // Source of the air velocity ("PMV_Luftg", see PmvAirVelocity.h).
    int airVelocitySetting = kPmvWindAutomatic;
    // The GT texts are globe temperatures (false while mean radiant
    // temperature is being entered).
    bool radiantIsGlobe = true;
    // Developer mode selects the 15 cm globe.
    bool smallGlobe = false;
};

// PMV x 100 of season 1 (summer), 2 (mean) or 3 (winter) from the row's
// Temp, GT, Feu, air velocity and the clothing of its type in PCTypes.
int SeasonPmv(const RowTexts& texts, int season, const PmvSettings& pmv);
// The same as text "%.2f" with App().DecimalSep; "655,35" when none.
std::string SeasonPmvText(const RowTexts& texts, int season, const PmvSettings& pmv);
// The painted text of a PMV cell: empty when no PMV can be computed.
bool IsNoPmvText(const std::string& text);

// After formatting: empty PMV texts when GT is empty, else the three seasons.
void UpdateRowPmvTexts(RowTexts& texts, const PmvSettings& pmv);

// Recomputes the PMV texts of every row that has Temp and Feu (an input of
// the PMV changed, or before saving, copying, printing). Sets
// App().MeasurementsModified when a text changed; returns whether one did.
bool RecomputeAllPmvTexts(MeasurementTable& table, const PmvSettings& pmv);

} // namespace vamok
