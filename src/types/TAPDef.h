#pragma once
// A workplace type: a 4-character name and, for each of 17 quantities, four
// band limits and a display target; row 18 carries clothing and activity for
// PMV. Values are whole units except the hundredths rows (10, 17, 18).
#include <array>
#include <cstdint>
#include <string>

namespace vamok {

inline constexpr int kTypeColumnCount = 5;
inline constexpr int kTypeRowCount = 18;
inline constexpr int kTypeNameLength = 4;

// Quantity rows of a type record, numbered as in the library file.
namespace TypeRow {
enum : int {
    Temperature = 1,
    Humidity = 2,
    NoiseCurrent = 3,
    NoiseMinute = 4,
    Illuminance = 5,
    Flicker = 6,
    ScreenLuminance = 7,
    Contrast = 8,
    LuminanceRatio = 9,
    AirVelocity = 10,
    CO2 = 11,
    TVOC = 12,
    CO = 13,
    PM1 = 14,
    PM25 = 15,
    PM10 = 16,
    PMV = 17,
    Clothing = 18,
};
} // namespace TypeRow

// Columns of rows 1..17: the lowest value of each band above red, and the
// display target (0 switches the rating of the quantity off).
namespace TypeColumn {
enum : int {
    RedToYellow = 1,
    YellowToGreen = 2,
    GreenToYellow = 3,
    YellowToRed = 4,
    Target = 5,
};
} // namespace TypeColumn

// Columns of the clothing row 18 (all in hundredths).
namespace ClothingColumn {
enum : int {
    Summer = 1,  // clo of light clothing
    Mean = 2,    // clo of medium clothing
    Winter = 3,  // clo of heavy clothing
    Met = 4,     // activity level
    Marker = 5,  // kClothingMarker when the row is valid
};
} // namespace ClothingColumn

// Row 18, column 5 of every record the program loads, saves, edits or resets
// (written "441,15"); a device type without it has no valid clothing row.
inline constexpr std::int32_t kClothingMarker = 44115;

struct TAPDef {
    std::string Name = "    "; // always exactly 4 CP1252 characters
    // Values[column - 1][row - 1], columns 1..5, rows 1..18.
    std::array<std::array<std::int32_t, kTypeRowCount>, kTypeColumnCount> Values{};

    // 1-based access; throws std::out_of_range outside 1..5 / 1..18.
    std::int32_t& at(int column, int row) { return Values.at(column - 1).at(row - 1); }
    std::int32_t at(int column, int row) const { return Values.at(column - 1).at(row - 1); }

    void SetName(const std::string& name) { Name = TypeName(name); }
    void SetMarker() { at(ClothingColumn::Marker, TypeRow::Clothing) = kClothingMarker; }
    bool HasMarker() const { return at(ClothingColumn::Marker, TypeRow::Clothing) == kClothingMarker; }

    // A name padded with blanks or cut to exactly 4 characters.
    static std::string TypeName(const std::string& name)
    {
        std::string n = name.substr(0, kTypeNameLength);
        n.resize(kTypeNameLength, ' ');
        return n;
    }

    bool operator==(const TAPDef&) const = default;
};

// Rows stored in hundredths (air velocity, PMV, clothing/activity).
inline constexpr bool IsHundredthsRow(int row)
{
    return row == TypeRow::AirVelocity || row == TypeRow::PMV || row == TypeRow::Clothing;
}

} // namespace vamok
