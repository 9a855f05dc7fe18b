#pragma once
// Turning a row's raw readings into its display texts.
#include "measure/MeasurementTable.h"
#include "measure/RowPmv.h"

#include <cstdint>
#include <string>

namespace vamok {

enum class FormatScope {
    Full,        // every field, ratio texts, then the PMV texts
    AddOn,       // GT, PMV texts, CO2, VOC, CO, PM1u0, PM2u5, PM10u, TIR, Emiss
    AirVelocity, // Wind..WindTIII, MessZeit, Tu..TuIII
    // What an air-velocity-only record holds: Name, Type, Profile and the
    // AirVelocity scope. The quantities it does not measure stay empty, so
    // they are neither rated nor fed to the PMV as zeros.
    AirVelocityRecord,
};

// "8,5 / 1" when first > second, else "1 / 8,5".
std::string RatioText(std::int32_t ratio, std::int32_t first, std::int32_t second, char decimalSep);

// Formats the texts of `row` from its raw readings in the given scope, with
// App().DecimalSep; the Full and AddOn scopes then recompute the PMV texts.
void FormatRowTexts(WorkplaceRow& row, FormatScope scope, const PmvSettings& pmv);

} // namespace vamok
