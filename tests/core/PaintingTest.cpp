#include "core/Painting.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <vector>

using namespace vamok;

namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kRedPx = qRgb(255, 0, 0);
const QRgb kYellowPx = qRgb(255, 255, 0);
const QRgb kGreenPx = qRgb(0, 128, 0);
const QRgb kBluePx = qRgb(0, 0, 255);

// A 500 x 40 bar at x 10 on a white canvas whose brush is white.
// Without a picture: band y 20..29, strip y 30..34, marker area y 0..19.
QImage Paint(const ThresholdBar& bar)
{
    QImage image(540, 60, QImage::Format_RGB32);
    image.fill(kWhite);
    QPainter painter(&image);
    painter.setBrush(Qt::white);
    DrawThresholdBar(painter, QRect(10, 0, 500, 40), bar);
    return image;
}

int Distance(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}

} // namespace

TEST(FillGradient, BlendsFromLeftToRightColour)
{
    QImage image(120, 10, QImage::Format_RGB32);
    image.fill(kWhite);
    QPainter painter(&image);
    FillGradient(painter, QRect(10, 0, 100, 10), 1); // red -> yellow
    FillGradient(painter, QRect(0, 0, 10, 10), 28);  // no such preset
    painter.end();
    EXPECT_LE(Distance(image.pixel(10, 5), kRedPx), 6);
    EXPECT_LE(Distance(image.pixel(109, 5), kYellowPx), 6);
    EXPECT_NEAR(qGreen(image.pixel(60, 5)), 128, 6);
    EXPECT_EQ(image.pixel(5, 5), kWhite);
    EXPECT_EQ(image.pixel(115, 5), kWhite);
}

TEST(ThresholdBar, BandsFollowTheLimits)
{
    const QImage image = Paint({{20, 40, 60, 80}, 0, 50, 100, nullptr, true, true});
    // Strip: hard edges exactly at the limits (100 px per band).
    const std::vector<std::pair<int, QRgb>> strip{
        {10, kRedPx},     {109, kRedPx},    {110, kYellowPx}, {209, kYellowPx}, {210, kGreenPx},
        {309, kGreenPx},  {310, kYellowPx}, {409, kYellowPx}, {410, kRedPx},    {509, kRedPx}};
    for (const auto& [x, colour] : strip) {
        EXPECT_EQ(image.pixel(x, 32), colour) << "strip x " << x;
    }
    EXPECT_EQ(image.pixel(510, 32), kWhite);
    // Band: the pure colours away from the 20-pixel blends.
    for (const auto& [x, colour] : std::vector<std::pair<int, QRgb>>{
             {50, kRedPx}, {160, kYellowPx}, {260, kGreenPx}, {360, kYellowPx}, {470, kRedPx}}) {
        EXPECT_EQ(image.pixel(x, 25), colour) << "band x " << x;
    }
    // Blends at the inner limits: red -> orange before L1, orange -> yellow after it.
    EXPECT_NEAR(qGreen(image.pixel(108, 25)), 128, 12);
    EXPECT_NEAR(qGreen(image.pixel(111, 25)), 128, 12);
    // Marker at the value, 4 pixels wide, above the band.
    EXPECT_EQ(image.pixel(258, 10), kBluePx);
    EXPECT_EQ(image.pixel(261, 10), kBluePx);
    EXPECT_EQ(image.pixel(257, 10), kWhite);
    EXPECT_EQ(image.pixel(262, 10), kWhite);
    EXPECT_EQ(image.pixel(260, 21), kGreenPx);
}

TEST(ThresholdBar, ValueOutsideTheScaleSitsAtTheNearerEnd)
{
    const QImage high = Paint({{20, 40, 60, 80}, 0, 250, 100, nullptr, true, true});
    EXPECT_EQ(high.pixel(508, 10), kBluePx);
    EXPECT_EQ(high.pixel(511, 10), kBluePx);
    EXPECT_EQ(high.pixel(506, 10), kWhite);

    const QImage low = Paint({{20, 40, 60, 80}, 0, -30, 100, nullptr, true, true});
    EXPECT_EQ(low.pixel(8, 10), kBluePx);
    EXPECT_EQ(low.pixel(11, 10), kBluePx);
    EXPECT_EQ(low.pixel(12, 10), kWhite);
}

TEST(ThresholdBar, MaxNotAboveL1DrawsOnlyTheMarker)
{
    const QImage image = Paint({{200, 300, 400, 500}, 0, 50, 100, nullptr, true, true});
    for (int x = 0; x < 540; ++x) {
        ASSERT_EQ(image.pixel(x, 25), kWhite) << x;
        ASSERT_EQ(image.pixel(x, 32), kWhite) << x;
    }
    EXPECT_EQ(image.pixel(260, 10), kBluePx);
}

TEST(ThresholdBar, ScaleEndingInsideTheGreenBand)
{
    // max between L2 and L3: red, yellow, then green up to the end.
    const QImage image = Paint({{20, 40, 60, 80}, 0, 0, 50, nullptr, true, false});
    EXPECT_EQ(image.pixel(209, 32), kRedPx);
    EXPECT_EQ(image.pixel(210, 32), kYellowPx);
    EXPECT_EQ(image.pixel(409, 32), kYellowPx);
    EXPECT_EQ(image.pixel(410, 32), kGreenPx);
    EXPECT_EQ(image.pixel(509, 32), kGreenPx);
    EXPECT_EQ(image.pixel(300, 25), kWhite); // band switched off
}

TEST(ThresholdBar, EmptyScaleDoesNotDivideByZero)
{
    const QImage image = Paint({{0, 0, 10, 20}, 5, 5, 5, nullptr, true, true});
    EXPECT_EQ(image.pixel(10, 10), kBluePx);
    EXPECT_EQ(image.pixel(300, 32), kWhite);
}

TEST(ThresholdBar, FineDustRowsHaveFixedLimits)
{
    EXPECT_EQ(FixedFineDustLimits(14), (BarLimits{0, 0, 10, 20}));
    EXPECT_EQ(FixedFineDustLimits(15), (BarLimits{0, 0, 20, 25}));
    EXPECT_EQ(FixedFineDustLimits(16), (BarLimits{0, 0, 20, 50}));
    EXPECT_EQ(FixedFineDustLimits(13), std::nullopt);
}

TEST(ThresholdBar, PaintsNothingOutsideItsArea)
{
    // Every pixel the bar changes, for small and large rects, at both ends of
    // the scale and beyond, lies inside the area it reports; the marker
    // clearing counts as painting (a brush unlike the canvas).
    const QRgb canvasColour = qRgb(1, 2, 3);
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(qRgb(200, 0, 200));
    struct Case {
        int width, height, value;
        bool strip, band, withPicture;
    };
    std::vector<Case> cases;
    for (int height : {1, 2, 5, 9, 10, 11, 12, 17, 24, 40})
        for (int value : {-50, 0, 37, 100, 180})
            for (bool withPicture : {false, true})
                cases.push_back({120, height, value, true, value % 2 == 0, withPicture});
    cases.push_back({60, 12, 50, false, true, false});
    for (const Case& c : cases) {
        const ThresholdBar bar{{20, 40, 60, 80}, 0, c.value, 100, c.withPicture ? &picture : nullptr, c.strip, c.band};
        const QRect rect(30, 30, c.width, c.height);
        QImage image(260, 140, QImage::Format_RGB32);
        image.fill(canvasColour);
        QPainter painter(&image);
        painter.setBrush(Qt::white);
        DrawThresholdBar(painter, rect, bar);
        painter.end();
        const QRect area = ThresholdBarArea(rect, bar);
        QRect painted;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) != canvasColour)
                    painted |= QRect(x, y, 1, 1);
        ASSERT_TRUE(area.contains(painted)) << c.width << "x" << c.height << " value " << c.value
                                            << " picture " << c.withPicture << ": painted " << painted.x() << ","
                                            << painted.y() << " " << painted.width() << "x" << painted.height();
        if (c.height >= 9 && c.strip) {
            // Tight: the strip reaches the area's bottom, the marker its top.
            EXPECT_EQ(painted.bottom(), area.bottom()) << c.height;
            EXPECT_EQ(painted.top(), area.top()) << c.height;
        }
    }
}
