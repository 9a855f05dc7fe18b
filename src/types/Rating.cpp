#include "types/Rating.h"

#include "core/AppState.h"
#include "core/TextHelpers.h"
#include "types/TypeLibrary.h"

#include <algorithm>
#include <utility>

namespace vamok {

namespace {

bool ValidTypeIndex(int typeIndex)
{
    return typeIndex > 0 && static_cast<std::size_t>(typeIndex) < PCTypes().size();
}

// Factor applied to a row's stored limits to match the decimals its display
// text carries.
int ThresholdFactor(int row)
{
    switch (row) {
    case TypeRow::Illuminance:
    case TypeRow::AirVelocity:
    case TypeRow::CO2:
    case TypeRow::TVOC:
    case TypeRow::CO:
    case TypeRow::PM1:
    case TypeRow::PM25:
    case TypeRow::PM10:
    case TypeRow::PMV: return 1;
    default: return 10;
    }
}

bool HasDigit(const std::string& text)
{
    return std::any_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

const char* RatingWord(Rating rating)
{
    switch (rating) {
    case kGreen: return "ok";
    case kYellow: return "tb";
    case kRed: return "aG";
    default: return "";
    }
}

std::int32_t ReadScaledInt(const std::string& input, std::int32_t fallback, char sep)
{
    std::string text = input;
    if (text.starts_with("1 / ")) // contrast shown as 1 / x
        text.erase(0, 4);
    const std::size_t ratio = text.find("/ 1"); // ratio shown as x / 1
    if (ratio != std::string::npos)
        text.erase(ratio);
    if (text.find("1 / ") != std::string::npos)
        return 0;
    if (!text.starts_with('-'))
        std::erase_if(text, [sep](char c) { return !(c >= '0' && c <= '9') && c != sep; });
    if (!text.empty() && text.front() == sep)
        text.insert(text.begin(), '0');
    const std::size_t point = text.find(sep);
    if (point != std::string::npos)
        text.erase(point, 1);
    return ParseInt32(text).value_or(fallback);
}

std::int32_t ReadScaledInt(const std::string& text, std::int32_t fallback)
{
    return ReadScaledInt(text, fallback, App().DecimalSep);
}

// The PMV text of a row for which no PMV could be computed ("655,35").
constexpr long long kNoPmv = 65535;

Rating RateValue(int typeIndex, int row, const std::string& input)
{
    // Clothing (row 18) is never rated.
    if (row < 1 || row >= TypeRow::Clothing || !HasDigit(input) || !ValidTypeIndex(typeIndex))
        return kNotRated;
    const char sep = App().DecimalSep;
    std::string text = input;
    const std::size_t point = text.find(sep);
    if ((row == TypeRow::AirVelocity || row == TypeRow::PMV) && point != std::string::npos
        && point + 2 == text.size())
        text += '0'; // 0,1 means 0,10
    const long long v = ReadScaledInt(text, 0, sep);
    if (v <= -99999 && row != TypeRow::PMV)
        return kNotRated;
    // 655,35 stands for "no PMV could be computed": a missing value, not a red one.
    if (row == TypeRow::PMV && v == kNoPmv)
        return kNotRated;
    const TAPDef& type = PCTypes()[static_cast<std::size_t>(typeIndex)];
    if (type.at(TypeColumn::Target, row) == 0)
        return kNotRated;
    const long long factor = ThresholdFactor(row);
    const auto limit = [&](int column) { return static_cast<long long>(type.at(column, row)) * factor; };
    if (v < -65535)
        return kNotRated;
    if (v < limit(TypeColumn::RedToYellow))
        return kRed;
    if (v < limit(TypeColumn::YellowToGreen))
        return kYellow;
    if (v < limit(TypeColumn::GreenToYellow))
        return kGreen;
    if (v < limit(TypeColumn::YellowToRed))
        return kYellow;
    return kRed;
}

int RowOfColumn(int column, const std::array<int, 32>& columnOfKind)
{
    // Column kinds (by index) and their quantity rows, in the order they are
    // compared; the last match wins.
    static constexpr std::pair<int, int> kKindRows[] = {
        {4, TypeRow::Temperature},  {5, TypeRow::Humidity},     {6, TypeRow::NoiseCurrent},
        {7, TypeRow::NoiseMinute},  {8, TypeRow::Illuminance},  {9, TypeRow::Flicker},
        {10, TypeRow::ScreenLuminance}, {11, TypeRow::Contrast}, {12, TypeRow::LuminanceRatio},
        {13, TypeRow::AirVelocity}, {14, TypeRow::AirVelocity}, {15, TypeRow::AirVelocity},
        {16, TypeRow::AirVelocity}, {20, 0},                    {21, TypeRow::PMV},
        {22, TypeRow::PMV},         {23, TypeRow::PMV},         {17, TypeRow::CO2},
        {18, TypeRow::TVOC},        {19, TypeRow::CO},          {24, TypeRow::NoiseCurrent},
        {27, TypeRow::PM1},         {28, TypeRow::PM25},        {29, TypeRow::PM10},
    };
    if (column < 0) // hidden kinds hold -1; no grid column matches them
        return 0;
    int row = 0;
    for (const auto& [kind, kindRow] : kKindRows) {
        if (columnOfKind[static_cast<std::size_t>(kind)] == column)
            row = kindRow;
    }
    return row;
}

BarLimits ThresholdBarLimits(int typeIndex, int row)
{
    if (const std::optional<BarLimits> fixed = FixedFineDustLimits(row))
        return *fixed;
    if (!ValidTypeIndex(typeIndex) || row < 1 || row > kTypeRowCount)
        return {0, 0, 0, 0};
    const TAPDef& type = PCTypes()[static_cast<std::size_t>(typeIndex)];
    return {type.at(1, row), type.at(2, row), type.at(3, row), type.at(4, row)};
}

} // namespace vamok
