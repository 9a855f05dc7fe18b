#pragma once
// The twelve tiles of the large live display: which value each shows, how
// the paint area is divided among them, and which tiles a new record
// changes.
#include "core/Painting.h"
#include "live/LiveRecord.h"
#include "live/OnlineBars.h"
#include "types/RatingText.h"

#include <QRect>

#include <array>
#include <optional>
#include <string>

namespace vamok {

inline constexpr int kTileCount = 12;

struct TileSpec {
    TVamokAPDatenStrg::Field Field;
    BarScale Scale;
    const char* Unit;    // CP1252; empty for PMV
    const char* Picture; // the picture's name ("Img_Temp", ...)
};

// Tiles 1..12 top to bottom (index 0..11).
const std::array<TileSpec, kTileCount>& NewOnlineTiles();

// Where things go in a paint area of the given size beside the logo.
struct TileGeometry {
    int RowHeight = 0;   // a
    int Margin = 0;      // m
    int PictureSize = 0; // p
    int FontSize = 0;
    int ValueColumn = 0; // C
    int BarLeft = 0;
    int BarWidth = 0;    // B, never below 0
    QRect Bar(int tile) const;     // tile 1..12
    QRect Picture(int tile) const; // tile 1..12
    QRect Row(int tile) const;     // the whole row
    int LogoWidth = 0;
    int Width = 0;
};
TileGeometry ComputeTileGeometry(int height, int width, int logoWidth);

// The field's text as a tile shows it: leading blanks dropped while the
// text begins with one and is longer than 6 characters ("   -NA-" becomes
// "  -NA-").
std::string TileValueText(const std::string& fieldText);

// The bar of a tile for its shown text, rated by `type`; nothing for a
// missing or non-numeric value.
std::optional<ThresholdBar> TileBar(const TileSpec& tile, const std::string& text, const TAPDef* type,
                                    char decimalSep, bool stripOn);

// What a tile says to assistive technology: its value and unit, then its
// spoken rating ("22,4 °C. Bewertung: grün").
std::string TileDescription(const TileSpec& tile, const std::string& text, const TAPDef* type, char decimalSep,
                            const RatingWords& words);

// The previous text of every tile, so that only tiles whose text changed
// are repainted.
class TileChanges {
public:
    TileChanges() { Reset(); }
    // Every tile counts as changed at the next update.
    void Reset();
    // Whether the text differs from the tile's previous one; it becomes the
    // previous one.
    bool Take(int tile, const std::string& text);

private:
    std::array<std::string, kTileCount> previous_;
};

} // namespace vamok
