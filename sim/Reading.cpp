#include "sim/Reading.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace vamok::sim {

namespace {
constexpr ReadingInfo kReadings[] = {
    {Reading::Temp, "Temp", 1, true},         {Reading::Feu, "Feu", 1, false},
    {Reading::Lae, "Lae", 1, false},          {Reading::LaeM, "LaeM", 1, false},
    {Reading::Bel, "Bel", 0, false},          {Reading::Fre, "Fre", 1, false},
    {Reading::Hell, "Hell", 1, false},        {Reading::SWK, "SWK", 1, false},
    {Reading::LdS, "LdS", 1, false},          {Reading::LdW, "LdW", 1, false},
    {Reading::MUK, "MUK", 1, false},          {Reading::LdMon, "LdMon", 1, false},
    {Reading::LdUmg, "LdUmg", 1, false},      {Reading::Wind, "Wind", 2, false},
    {Reading::WindT, "WindT", 1, false},       {Reading::WindI, "WindI", 2, false},
    {Reading::WindTI, "WindTI", 1, false},     {Reading::WindII, "WindII", 2, false},
    {Reading::WindTII, "WindTII", 1, false},   {Reading::WindIII, "WindIII", 2, false},
    {Reading::WindTIII, "WindTIII", 1, false}, {Reading::GT, "GT", 1, true},
    {Reading::CO2, "CO2", 0, false},          {Reading::VOC, "VOC", 0, false},
    {Reading::CO, "CO", 0, false},            {Reading::LaeUser, "LaeUser", 1, false},
    {Reading::LaeDauer, "LaeDauer", 0, false}, {Reading::CPeak, "CPeak", 1, false},
    {Reading::CPeakUser, "CPeakUser", 1, false}, {Reading::Tu, "Tu", 0, false},
    {Reading::TuI, "TuI", 0, false},          {Reading::TuII, "TuII", 0, false},
    {Reading::TuIII, "TuIII", 0, false},      {Reading::PM1u0, "PM1u0", 0, false},
    {Reading::PM2u5, "PM2u5", 0, false},      {Reading::PM10u, "PM10u", 0, false},
    {Reading::TIR, "TIR", 1, true},           {Reading::Emiss, "Emiss", 2, false},
};
} // namespace

const ReadingInfo& InfoOf(Reading r)
{
    return *std::find_if(std::begin(kReadings), std::end(kReadings),
                         [r](const ReadingInfo& info) { return info.reading == r; });
}

std::optional<Reading> ReadingByKey(const std::string& key)
{
    for (const auto& info : kReadings)
        if (key == info.key)
            return info.reading;
    return std::nullopt;
}

std::uint16_t ScaledWord(double value, int decimals, bool isSigned)
{
    double scaled = std::round(value * std::pow(10.0, decimals));
    if (!std::isfinite(scaled))
        scaled = 0;
    if (isSigned) {
        const auto v = static_cast<long>(std::clamp(scaled, -32768.0, 32766.0));
        return static_cast<std::uint16_t>(v & 0xFFFF);
    }
    return static_cast<std::uint16_t>(std::clamp(scaled, 0.0, 65533.0));
}

} // namespace vamok::sim
