#pragma once
// The online window's zoom: sizes scaled by a percentage.
namespace vamok {

inline constexpr int kOnlineInitialZoom = 130;
inline constexpr int kOnlineZoomIn = 110;
inline constexpr int kOnlineZoomOut = 90;

// x scaled by z %: x * z / 100 when z >= 100, else x * 100 / (200 - z).
inline int ZoomScaled(int x, int z) { return z >= 100 ? x * z / 100 : x * 100 / (200 - z); }

// The grid font's pixel height for a row height.
int ZoomFontPixels(int rowHeight);

} // namespace vamok
