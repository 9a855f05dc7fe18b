#include "types/TypeDefaults.h"

#include "core/TextHelpers.h"
#include "types/TypeLibrary.h"

#include <cmath>

namespace vamok {

namespace {

// Position of each type row in the defaults table.
constexpr std::array<int, kTypeRowCount> kDefaultsSlot{0, 1, 2, 3, 4, 5, 6, 7, 8, 9,
                                                       12, 13, 14, 15, 16, 17, 10, 11};

} // namespace

const std::array<const char*, 90>& TypeDefaults()
{
    static const std::array<const char*, 90> defaults{
        "20",    "21",    "22",    "26",    "21",      // 1 temperature
        "30",    "50",    "65",    "75",    "55",      // 2 humidity
        "0",     "35",    "55",    "70",    "55",      // 3 noise, current
        "0",     "35",    "55",    "70",    "55",      // 4 noise per minute
        "300",   "400",   "30000", "31000", "500",     // 5 illuminance
        "73",    "84",    "456",   "460",   "85",      // 6 flicker
        "80",    "100",   "3000",  "3100",  "100",     // 7 screen luminance
        "3",     "5",     "11",    "15",    "0",       // 8 contrast
        "0",     "0",     "3",     "20",    "3",       // 9 luminance ratio
        "0,00",  "0,00",  "0,10",  "0,20",  "0,01",    // 10 air velocity
        "-0,70", "-0,50", "0,50",  "0,70",  "0,01",    // 17 PMV
        "0,60",  "0,90",  "1,20",  "1,30",  "441,15",  // 18 clothing
        "0",     "0",     "1000",  "1500",  "380",     // 11 CO2
        "0",     "0",     "500",   "1000",  "0",       // 12 TVOC
        "0",     "0",     "20",    "30",    "1",       // 13 CO
        "0",     "0",     "10",    "20",    "0",       // 14 PM1
        "0",     "0",     "10",    "25",    "1",       // 15 PM2.5
        "0",     "0",     "10",    "40",    "1",       // 16 PM10
    };
    return defaults;
}

void ApplyDefaultRow(TAPDef& type, int row)
{
    const int slot = kDefaultsSlot.at(row - 1);
    const double factor = IsHundredthsRow(row) ? 100.0 : 1.0;
    for (int column = 1; column <= kTypeColumnCount; ++column) {
        const double value = TextToFloat(TypeDefaults()[slot * kTypeColumnCount + column - 1]);
        type.at(column, row) = static_cast<std::int32_t>(std::nearbyint(value * factor));
    }
}

void ApplyDefaults(TAPDef& type)
{
    for (int row = 1; row <= kTypeRowCount; ++row)
        ApplyDefaultRow(type, row);
    type.SetMarker();
}

TAPDef DefaultType()
{
    TAPDef type;
    type.SetName(kPredefinedTypeName);
    ApplyDefaults(type);
    return type;
}

} // namespace vamok
