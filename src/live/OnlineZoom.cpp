#include "live/OnlineZoom.h"

#include <cmath>
#include <cstdlib>

namespace vamok {

int ZoomFontPixels(int rowHeight)
{
    // round(rowHeight / 24 * -11): a negative height is a character height
    // in pixels.
    return std::abs(static_cast<int>(std::nearbyint(rowHeight / 24.0 * -11.0)));
}

} // namespace vamok
