#include "live/TickerMotion.h"

#include <algorithm>

namespace vamok {

namespace {
constexpr int kGap = 20;
} // namespace

void TickerMotion::Restart(int textWidth, int controlWidth)
{
    width_ = std::max(textWidth, 0);
    first_ = 0;
    second_ = controlWidth;
}

void TickerMotion::Step()
{
    const int w = width_;
    int b = std::min(first_, w) - 1;
    int c = std::min(second_, w) - 1;
    if (c < b + w + kGap && b < 0)
        c = b + w + kGap + 1;
    if (b < c + w + kGap && c < 0)
        b = c + w + kGap + 1;
    if (b == 0)
        c = w;
    if (c == 0)
        b = w;
    first_ = b;
    second_ = c;
}

} // namespace vamok
