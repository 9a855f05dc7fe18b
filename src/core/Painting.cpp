#include "core/Painting.h"

#include <QColor>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRect>

#include <algorithm>
#include <cmath>

namespace vamok {

namespace {

const QColor kGreen(0, 128, 0);
const QColor kYellow(255, 255, 0);
const QColor kRed(255, 0, 0);
const QColor kDarkGreen(0, 64, 0);
const QColor kOlive(128, 128, 0);
const QColor kDarkRed(128, 0, 0);
const QColor kOrange(255, 128, 0);
const QColor kYellowGreen(128, 192, 0);
const QColor kMarkerBlue(0, 0, 255);

struct GradientPreset {
    QColor left;
    QColor right;
};

const std::array<GradientPreset, 27>& GradientPresets()
{
    static const std::array<GradientPreset, 27> presets{{
        {kRed, kYellow},             // 1
        {kYellow, kGreen},           // 2
        {kGreen, kYellow},           // 3
        {kYellow, kRed},             // 4
        {kDarkRed, kYellow},         // 5
        {kOlive, kGreen},            // 6
        {kDarkGreen, kYellow},       // 7
        {kOlive, kRed},              // 8
        {kRed, kOlive},              // 9
        {kYellow, kDarkGreen},       // 10
        {kGreen, kOlive},            // 11
        {kOlive, kDarkRed},          // 12
        {kDarkRed, kOlive},          // 13
        {kOlive, kDarkGreen},        // 14
        {kDarkGreen, kOlive},        // 15
        {kYellow, kDarkRed},         // 16
        {kOlive, kYellow},           // 17
        {kDarkRed, kRed},            // 18
        {kDarkGreen, kGreen},        // 19
        {kOrange, kYellow},          // 20
        {kYellow, kOrange},          // 21
        {kYellowGreen, kYellow},     // 22
        {kYellow, kYellowGreen},     // 23
        {kYellowGreen, kGreen},      // 24
        {kGreen, kYellowGreen},      // 25
        {kOrange, kRed},             // 26
        {kRed, kOrange},             // 27
    }};
    return presets;
}

// Division rounded to the nearest integer, ties to even.
int RoundedDiv(double numerator, double denominator)
{
    return static_cast<int>(std::nearbyint(numerator / denominator));
}

int LeftFadePreset(int style)
{
    switch (style) {
    case 2: return 20;
    case 3: return 24;
    case 4: return 22;
    case 28: return 26;
    default: return 0;
    }
}

int RightFadePreset(int style)
{
    switch (style) {
    case 1: return 27;
    case 2: return 23;
    case 3: return 25;
    case 4: return 21;
    default: return 0;
    }
}

constexpr int kFadeWidth = 20;
constexpr int kStripHeight = 5;

// One coloured stretch of the scale, as band (pass 0) and strip (pass 1).
class BarPainter {
public:
    BarPainter(QPainter& canvas, const ThresholdBar& bar, int bandLeft, int bandTop, int bandBottom,
               int width)
        : canvas_(canvas), bar_(bar), left_(bandLeft), top_(bandTop), bottom_(bandBottom), width_(width)
    {
    }

    void segment(int from, int to, const QColor& colour, int style)
    {
        draw(from, to, colour, style, 0);
        draw(from, to, colour, style, 1);
    }

private:
    void draw(int from, int to, const QColor& colour, int style, int pass)
    {
        if ((pass == 0 && !bar_.bandOn) || (pass == 1 && !bar_.stripOn)) {
            return;
        }
        from = std::max(from, bar_.min);
        to = std::min(to, bar_.max);
        const double span = static_cast<double>(bar_.max) - bar_.min;
        const int length =
            static_cast<int>(std::nearbyint((static_cast<double>(to) - from) * width_ / span + 0.5));
        if (length <= 0) {
            return;
        }
        const int left = left_ + RoundedDiv((static_cast<double>(from) - bar_.min) * width_, span);
        const int top = pass == 0 ? top_ : bottom_;
        const int height = pass == 0 ? bottom_ - top_ : kStripHeight;

        // A style without a fade colour has no fade; its colour fills the edge.
        const int leftPreset = LeftFadePreset(style);
        const int rightPreset = RightFadePreset(style);
        const int leftFade =
            (pass == 1 || from == bar_.min || leftPreset == 0) ? 0 : std::min(kFadeWidth, length);
        const int rightFade = (pass == 1 || to == bar_.max || rightPreset == 0)
                                  ? 0
                                  : std::min(kFadeWidth, length - leftFade);
        if (leftFade > 0) {
            FillGradient(canvas_, QRect(left, top, leftFade, height), leftPreset);
        }
        canvas_.fillRect(QRect(left + leftFade, top, length - leftFade - rightFade, height), colour);
        if (rightFade > 0) {
            FillGradient(canvas_, QRect(left + length - rightFade, top, rightFade, height), rightPreset);
        }
    }

    QPainter& canvas_;
    const ThresholdBar& bar_;
    int left_;
    int top_;
    int bottom_;
    int width_;
};

// The stretch from the highest limit below max up to max, and its start.
int DrawTopSegment(BarPainter& painter, const ThresholdBar& bar)
{
    const auto [l1, l2, l3, l4] = bar.limits;
    struct Top {
        int from;
        QColor colour;
        int style;
    };
    Top top{l4, kRed, 1};
    if (bar.max > l4) {
        top = {l4, kRed, 28};
    } else if (bar.max > l3) {
        top = {l3, kYellow, 3};
    } else if (bar.max > l2) {
        top = {l2, kGreen, 3};
    } else if (bar.max > l1) {
        top = {l1, kYellow, 1};
    }
    painter.segment(top.from, bar.max, top.colour, top.style);
    return top.from;
}

void DrawLowerSegments(BarPainter& painter, const ThresholdBar& bar, int topStart)
{
    const auto [l1, l2, l3, l4] = bar.limits;
    if (bar.max <= l1) {
        return;
    }
    if (bar.max <= l2) {
        painter.segment(bar.min, topStart, kRed, 1);
        return;
    }
    painter.segment(bar.min, l1, kRed, 1);
    if (bar.max <= l3) {
        painter.segment(l1, topStart, kYellow, 2);
        return;
    }
    painter.segment(l1, l2, kYellow, 2);
    if (bar.max <= l4) {
        painter.segment(l2, topStart, kGreen, 3);
        return;
    }
    painter.segment(l2, l3, kGreen, 3);
    painter.segment(l3, l4, kYellow, 4);
}

// Where the band, the strip below it and the marker go inside rect.
struct BarGeometry {
    bool withPicture;
    int markerHalf;
    int markerTop;
    int markerBottom;
    int bandTop;
    int bandBottom; // the strip starts here
};

BarGeometry GeometryOf(const QRect& rect, const ThresholdBar& bar)
{
    const int height = rect.height();
    const bool withPicture = bar.picture != nullptr && !bar.picture->isNull();
    const int offset = withPicture ? RoundedDiv(3.0 * height, 4.0) : RoundedDiv(height, 2.0);
    const int markerTopShift = withPicture ? RoundedDiv(height, 4.0) : RoundedDiv(height, 2.0);
    BarGeometry g{};
    g.withPicture = withPicture;
    g.markerHalf = withPicture ? RoundedDiv(height, 4.0) : 2;
    g.bandTop = rect.top() + offset;
    g.bandBottom = g.bandTop + (rect.top() + height - g.bandTop) / 2;
    g.markerTop = rect.top() + offset - markerTopShift;
    g.markerBottom = rect.top() + offset;
    return g;
}

} // namespace

void FillGradient(QPainter& canvas, const QRect& rect, int preset)
{
    if (preset < 1 || preset > static_cast<int>(GradientPresets().size())) {
        return;
    }
    const GradientPreset& colours = GradientPresets()[static_cast<std::size_t>(preset - 1)];
    QLinearGradient gradient(QPointF(rect.left(), 0), QPointF(rect.left() + rect.width(), 0));
    gradient.setColorAt(0.0, colours.left);
    gradient.setColorAt(1.0, colours.right);
    canvas.fillRect(rect, gradient);
}

std::optional<BarLimits> FixedFineDustLimits(int row)
{
    switch (row) {
    case 14: return BarLimits{0, 0, 10, 20};
    case 15: return BarLimits{0, 0, 20, 25};
    case 16: return BarLimits{0, 0, 20, 50};
    default: return std::nullopt;
    }
}

void DrawThresholdBar(QPainter& canvas, const QRect& rect, const ThresholdBar& bar)
{
    const BarGeometry g = GeometryOf(rect, bar);

    // An empty scale has no place for any limit; only the marker is drawn.
    const bool hasScale = bar.max > bar.min;
    const int value = hasScale ? std::clamp(bar.value, bar.min, bar.max) : bar.min;
    if (hasScale) {
        BarPainter painter(canvas, bar, rect.left(), g.bandTop, g.bandBottom, rect.width());
        const int topStart = DrawTopSegment(painter, bar);
        DrawLowerSegments(painter, bar, topStart);
    }

    const QColor background = canvas.brush().color();
    canvas.fillRect(QRect(rect.left() - g.markerHalf, g.markerTop, rect.width() + g.markerHalf,
                          g.markerBottom - g.markerTop),
                    background);

    const int x = hasScale ? rect.left() + RoundedDiv((static_cast<double>(value) - bar.min) * rect.width(),
                                                      static_cast<double>(bar.max) - bar.min)
                           : rect.left();
    const QRect marker(x - g.markerHalf, g.markerTop, 2 * g.markerHalf, g.markerBottom - g.markerTop);
    if (g.withPicture) {
        canvas.drawImage(marker, *bar.picture);
    } else {
        canvas.fillRect(marker, kMarkerBlue);
    }
}

QRect ThresholdBarArea(const QRect& rect, const ThresholdBar& bar)
{
    const BarGeometry g = GeometryOf(rect, bar);
    const int top = std::min(g.markerTop, g.bandTop);
    const int bottom = std::max({g.markerBottom, g.bandBottom, bar.stripOn ? g.bandBottom + kStripHeight : 0});
    // The marker reaches markerHalf beyond either end of the scale.
    return QRect(rect.left() - g.markerHalf, top, rect.width() + 2 * g.markerHalf, bottom - top);
}

} // namespace vamok
