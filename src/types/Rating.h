#pragma once
// The green/yellow/red rating of a displayed value against the limits of a
// workplace type.
#include "core/Painting.h"

#include <array>
#include <cstdint>
#include <string>

namespace vamok {

using Rating = std::uint8_t;
inline constexpr Rating kNotRated = 0;
inline constexpr Rating kGreen = 1;
inline constexpr Rating kYellow = 2;
inline constexpr Rating kRed = 3;

// "ok", "tb", "aG" for green, yellow, red; "" for not rated. The table
// window's translated list may override them.
const char* RatingWord(Rating rating);

// The value of a displayed decimal text as an integer with the separator
// `sep` removed ("21,5" -> 215, "1 / 5,3" -> 53, "2,4 / 1" -> 24);
// `fallback` when what remains is not an integer.
std::int32_t ReadScaledInt(const std::string& text, std::int32_t fallback, char sep);
// The same with the locale's separator App().DecimalSep.
std::int32_t ReadScaledInt(const std::string& text, std::int32_t fallback);

// The rating of `text` for quantity row `row` (1..17) of PC type
// `typeIndex` (0 or an invalid index: not rated). A text without any digit
// is a missing value and never rated.
Rating RateValue(int typeIndex, int row, const std::string& text);

// The quantity row (0 = not rated) of measurement-table column `column`,
// given the grid column of each of the 32 column kinds (-1 = hidden).
int RowOfColumn(int column, const std::array<int, 32>& columnOfKind);

// The four band limits of a row as the threshold bar draws them: the fixed
// fine-dust limits for rows 14 to 16, else columns 1 to 4 of the row of PC
// type `typeIndex` (all zero for an invalid type index or row).
BarLimits ThresholdBarLimits(int typeIndex, int row);

} // namespace vamok
