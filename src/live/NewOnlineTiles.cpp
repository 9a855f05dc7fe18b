#include "live/NewOnlineTiles.h"

#include "types/TAPDef.h"

#include <algorithm>
#include <cmath>

namespace vamok {

namespace {
constexpr int kLargeFontRow = 36;
constexpr int kLargeValueColumn = 410;
} // namespace

const std::array<TileSpec, kTileCount>& NewOnlineTiles()
{
    using F = TVamokAPDatenStrg;
    static const std::array<TileSpec, kTileCount> tiles{{
        {F::AirTemperature, {TypeRow::Temperature, 15, 30, 1}, "\xB0" "C", "Img_Temp"},
        {F::Humidity, {TypeRow::Humidity, 0, 100, 1}, "%", "Img_Feu"},
        {F::NoiseCurrent, {TypeRow::NoiseCurrent, 30, 100, 1}, "dB(A)", "Img_Lae"},
        {F::Illuminance, {TypeRow::Illuminance, 0, 1000, 1}, "lux", "Img_Bel"},
        {F::AirVelocity, {TypeRow::AirVelocity, 0, 100, 100}, "m/s", "Img_Luft"},
        {F::CO2, {TypeRow::CO2, 350, 5000, 1}, "ppm", "Img_CO2"},
        {F::TVOC, {TypeRow::TVOC, 100, 5000, 1}, "ppb", "Img_VOC"},
        {F::CO, {TypeRow::CO, 0, 100, 1}, "ppm", "Img_CO"},
        {F::PMV, {TypeRow::PMV, -300, 300, 100}, "", "Img_PMV"},
        {F::PM1, {TypeRow::PM1, 0, 100, 1}, "ug/m\xB3", "Img_Fein"},
        {F::PM25, {TypeRow::PM25, 0, 100, 1}, "ug/m\xB3", "Img_Fein25"},
        {F::PM10, {TypeRow::PM10, 0, 100, 1}, "ug/m\xB3", "Img_Fein10"},
    }};
    return tiles;
}

TileGeometry ComputeTileGeometry(int height, int width, int logoWidth)
{
    TileGeometry g;
    g.LogoWidth = logoWidth;
    g.Width = width;
    g.RowHeight = static_cast<int>(std::lround(height / 12.0));
    g.Margin = static_cast<int>(std::lround(g.RowHeight / 10.0));
    g.PictureSize = std::max(g.RowHeight - 2 * g.Margin, 0);
    const int s = g.RowHeight / 2;
    if (s > 35) {
        g.FontSize = kLargeFontRow;
        g.ValueColumn = kLargeValueColumn;
    } else {
        g.FontSize = s;
        g.ValueColumn = static_cast<int>(std::lround(s * 410.0 / 36.0 + 0.5));
    }
    const int m = g.Margin;
    g.BarLeft = 2 * m + g.PictureSize + logoWidth + 3 * m;
    g.BarWidth = std::max(width - g.PictureSize - 2 * m - g.ValueColumn - logoWidth - 3 * m, 0);
    return g;
}

QRect TileGeometry::Bar(int tile) const
{
    return QRect(QPoint(BarLeft, (tile - 1) * RowHeight), QPoint(BarLeft + BarWidth, tile * RowHeight));
}

QRect TileGeometry::Picture(int tile) const
{
    const int left = Margin + LogoWidth;
    return QRect(QPoint(left, 2 * Margin + (tile - 1) * RowHeight), QPoint(left + PictureSize, tile * RowHeight));
}

QRect TileGeometry::Row(int tile) const
{
    return QRect(0, (tile - 1) * RowHeight, Width, RowHeight);
}

std::string TileValueText(const std::string& fieldText)
{
    std::string text = fieldText;
    while (!text.empty() && text.front() == ' ' && text.size() > 6)
        text.erase(0, 1);
    return text;
}

std::optional<ThresholdBar> TileBar(const TileSpec& tile, const std::string& text, const TAPDef* type,
                                    char decimalSep, bool stripOn)
{
    std::optional<ThresholdBar> bar = QuantityBar(tile.Scale, text, type, decimalSep);
    if (bar) {
        bar->bandOn = true;
        bar->stripOn = stripOn;
    }
    return bar;
}

std::string TileDescription(const TileSpec& tile, const std::string& text, const TAPDef* type, char decimalSep,
                            const RatingWords& words)
{
    const auto first = text.find_first_not_of(' ');
    std::string out = first == std::string::npos ? std::string() : text.substr(first);
    while (!out.empty() && out.back() == ' ')
        out.pop_back();
    if (*tile.Unit != '\0')
        out += std::string(" ") + tile.Unit;
    if (const std::optional<ThresholdBar> bar = QuantityBar(tile.Scale, text, type, decimalSep)) {
        const std::string spoken = SpokenRating(BarRating(*bar), words);
        if (!spoken.empty())
            out += ". " + spoken;
    }
    return out;
}

void TileChanges::Reset()
{
    previous_.fill("-999");
}

bool TileChanges::Take(int tile, const std::string& text)
{
    if (tile < 1 || tile > kTileCount)
        return false;
    std::string& previous = previous_[static_cast<std::size_t>(tile - 1)];
    const bool changed = previous != text;
    previous = text;
    return changed;
}

} // namespace vamok
