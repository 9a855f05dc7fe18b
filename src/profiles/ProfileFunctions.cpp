#include "profiles/ProfileFunctions.h"

#include <stdexcept>

namespace vamok {

namespace {

std::vector<ProfileBox> MakeBoxes()
{
    using K = ProfileBoxKind;
    std::vector<ProfileBox> boxes = {
        {0, "ShowTemp", "Temp", K::Plain, false, {}},
        {1, "ShowFeu", "rel. Feuchte", K::Plain, false, {}},
        {2, "ShowWind", "Luftgeschw.akt.", K::Plain, false, {3}},
        {3, "ShowWindTemp", "Luft_Temp", K::Detail, true, {}},
        {4, "ShowWindI", "Luftg.(3min)I", K::Plain, false, {5}},
        {5, "ShowWindTempI", "Luft_TempI", K::Detail, true, {}},
        {6, "ShowWindII", "Luftg.(3min)II", K::Plain, false, {7}},
        {7, "ShowWindTempII", "Luft_TempII", K::Detail, true, {}},
        {8, "ShowWindIII", "Luftg.(3min)III", K::Plain, false, {9}},
        {9, "ShowWindTempIII", "Luft_TempIII", K::Detail, true, {}},
        {10, "ShowLae", "L\xE4rm", K::Plain, false, {11, 24, 25}},
        {11, "ShowLaeM", "L\xE4rm/min", K::Detail, true, {}},
        {12, "ShowBel", "Beleuchtung", K::Plain, false, {}},
        {13, "ShowFre", "Frequenz", K::Plain, false, {}},
        {14, "ShowHell", "max Bildsch.H.", K::Plain, false, {}},
        {15, "ShowSWK_S", "LD_Schwarz", K::Detail, true, {}},
        {16, "ShowSWK_W", "LD_Weiss", K::Detail, true, {}},
        {17, "ShowSWK", "SW-Kontrast", K::Plain, false, {15, 16}},
        {18, "ShowMUK_M", "LD_Monitor", K::Detail, true, {}},
        {19, "ShowMUK_U", "LD_Umgebung", K::Detail, true, {}},
        {20, "ShowMUK", "MU-Kontrast", K::Plain, false, {18, 19}},
        {21, "ShowGT", "(MS-) Globe-Temp", K::Plain, false, {}},
        {22, "ShowCO2", "CO2/TVOC/CO", K::Plain, false, {32, 33}},
        {23, "ShowPMV1", "PMV", K::Plain, false, {}},
        {24, "ShowLaeUser", "L\xE4rm User", K::Detail, true, {}},
        {25, "ShowLaeUserZ", "Dauer (L\xE4rm User)", K::Detail, true, {}},
        {26, "ShowCPeak", "CPeak", K::Hidden, false, {}},
        {27, "ShowCPeakUser", "CPeakUser", K::Hidden, false, {}},
        {28, "ShowWindTurbulenz", "LuTurb", K::Hidden, false, {}},
        {29, "ShowWindTurbulenzI", "LuTurbI", K::Hidden, false, {}},
        {30, "ShowWindTurbulenzII", "LuTurbII", K::Hidden, false, {}},
        {31, "ShowWindTurbulenzIII", "LuTurbIII", K::Hidden, false, {}},
        {32, "ShowVOC", "VOC", K::Detail, false, {}},
        {33, "ShowCO", "CO", K::Detail, false, {}},
        {34, "ShowPM1u0", "Feinstaub, PM 1/2,5/10", K::Plain, false, {35, 36}},
        {35, "ShowPM2u5", "PM 2,5", K::Detail, false, {}},
        {36, "ShowPM10u", "PM 10", K::Detail, false, {}},
    };
    for (int bit = kNamedProfileBits; bit < kProfileBitCount; ++bit)
        boxes.push_back({bit, "ShowBox" + std::to_string(bit + 1), "", K::Hidden, false, {}});
    return boxes;
}

} // namespace

const std::vector<ProfileBox>& ProfileBoxes()
{
    static const std::vector<ProfileBox> boxes = MakeBoxes();
    return boxes;
}

const ProfileBox& ProfileBoxOf(int bit)
{
    if (bit < 0 || bit >= kProfileBitCount)
        throw std::out_of_range("profile bit " + std::to_string(bit));
    return ProfileBoxes()[static_cast<std::size_t>(bit)];
}

bool MaskBit(std::uint64_t mask, int bit)
{
    return bit >= 0 && bit < kProfileBitCount && (mask >> bit & 1u) != 0;
}

std::uint64_t WithBit(std::uint64_t mask, int bit, bool on)
{
    if (bit < 0 || bit >= kProfileBitCount)
        return mask;
    const std::uint64_t b = std::uint64_t{1} << bit;
    return on ? mask | b : mask & ~b;
}

std::uint64_t ChangeDrivingBit(std::uint64_t mask, int bit, bool on)
{
    mask = WithBit(mask, bit, on);
    for (int driven : ProfileBoxOf(bit).drives)
        mask = WithBit(mask, driven, on);
    return mask;
}

} // namespace vamok
