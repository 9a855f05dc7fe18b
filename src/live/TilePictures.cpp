#include "live/TilePictures.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace vamok {

namespace {

constexpr double kUnit = 100.0; // shapes are drawn on a 100 x 100 grid

void Thermometer(QPainter& p)
{
    p.drawRoundedRect(QRectF(42, 8, 16, 62), 8, 8);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(50, 78), 14, 14);
    p.drawRect(QRectF(47, 35, 6, 40));
    for (int y = 20; y <= 60; y += 10)
        p.drawLine(QPointF(62, y), QPointF(70, y));
}

void Droplet(QPainter& p)
{
    QPainterPath drop;
    drop.moveTo(50, 8);
    drop.cubicTo(50, 8, 20, 48, 20, 64);
    drop.cubicTo(20, 82, 34, 92, 50, 92);
    drop.cubicTo(66, 92, 80, 82, 80, 64);
    drop.cubicTo(80, 48, 50, 8, 50, 8);
    p.drawPath(drop);
}

void Speaker(QPainter& p)
{
    QPainterPath body;
    body.moveTo(12, 38);
    body.lineTo(30, 38);
    body.lineTo(52, 18);
    body.lineTo(52, 82);
    body.lineTo(30, 62);
    body.lineTo(12, 62);
    body.closeSubpath();
    p.setBrush(Qt::white);
    p.drawPath(body);
    p.setBrush(Qt::NoBrush);
    for (int r = 14; r <= 38; r += 12)
        p.drawArc(QRectF(52 - r, 50 - r, 2 * r, 2 * r), -45 * 16, 90 * 16);
}

void Bulb(QPainter& p)
{
    p.drawEllipse(QPointF(50, 40), 26, 26);
    p.drawRect(QRectF(38, 66, 24, 18));
    p.drawLine(QPointF(40, 74), QPointF(60, 74));
    p.drawLine(QPointF(44, 90), QPointF(56, 90));
}

void Wind(QPainter& p)
{
    for (int k = 0; k < 3; ++k) {
        const double y = 28 + k * 22;
        QPainterPath line;
        line.moveTo(10, y);
        line.lineTo(70 - k * 10, y);
        line.cubicTo(90 - k * 10, y, 90 - k * 10, y - 18, 74 - k * 10, y - 16);
        p.drawPath(line);
    }
}

void Label(QPainter& p, const QString& text, int pointSize)
{
    QFont font("Arial");
    font.setBold(true);
    font.setPixelSize(pointSize);
    p.setFont(font);
    p.drawText(QRectF(0, 0, kUnit, kUnit), Qt::AlignCenter, text);
}

// A gas: its formula in a rounded frame, large enough to read on the tile.
void Gas(QPainter& p, const QString& text)
{
    p.drawRoundedRect(QRectF(6, 22, 88, 56), 18, 18);
    Label(p, text, text.size() > 2 ? 30 : 38);
}

void Dust(QPainter& p, const QString& text)
{
    const QPointF dots[] = {{20, 20}, {40, 14}, {64, 22}, {82, 16}, {28, 36}, {74, 38}, {14, 80}, {86, 84}, {50, 88}};
    p.setBrush(Qt::white);
    for (const QPointF& d : dots)
        p.drawEllipse(d, 4, 4);
    p.setBrush(Qt::NoBrush);
    Label(p, text, 28);
}

void Comfort(QPainter& p)
{
    p.drawEllipse(QPointF(50, 22), 11, 11);
    p.drawLine(QPointF(50, 33), QPointF(50, 64));
    p.drawLine(QPointF(26, 44), QPointF(74, 44));
    p.drawLine(QPointF(50, 64), QPointF(34, 90));
    p.drawLine(QPointF(50, 64), QPointF(66, 90));
}

} // namespace

QImage TilePicture(const std::string& name, int size)
{
    QImage image(std::max(size, 1), std::max(size, 1), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(image.width() / kUnit, image.height() / kUnit);
    QPen pen(Qt::white, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    if (name == "Img_Temp")
        Thermometer(p);
    else if (name == "Img_Feu")
        Droplet(p);
    else if (name == "Img_Lae")
        Speaker(p);
    else if (name == "Img_Bel")
        Bulb(p);
    else if (name == "Img_Luft")
        Wind(p);
    else if (name == "Img_CO2")
        Gas(p, "CO2");
    else if (name == "Img_VOC")
        Gas(p, "VOC");
    else if (name == "Img_CO")
        Gas(p, "CO");
    else if (name == "Img_PMV")
        Comfort(p);
    else if (name == "Img_Fein")
        Dust(p, "1");
    else if (name == "Img_Fein25")
        Dust(p, "2.5");
    else if (name == "Img_Fein10")
        Dust(p, "10");
    return image;
}

QImage LogoPicture(int width, int height)
{
    QImage image(std::max(width, 1), std::max(height, 1), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const int bar = std::max(height / 12, 2);
    p.fillRect(QRect(12, height / 2 + height / 5, width - 24, bar), QColor(0, 160, 0));
    p.fillRect(QRect(12, height / 2 + height / 5 + bar, (width - 24) / 3, bar), QColor(230, 200, 0));
    QFont font("Arial");
    font.setBold(true);
    font.setPixelSize(std::max(height / 3, 8));
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, width, height / 2 + height / 5), Qt::AlignHCenter | Qt::AlignBottom, "VAMOK");
    return image;
}

QImage MarkerPicture(int height)
{
    const int h = std::max(height, 4);
    const int w = std::max(h * 2 / 3, 3);
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath arrow;
    arrow.moveTo(w / 2.0, h);
    arrow.lineTo(0, 0);
    arrow.lineTo(w, 0);
    arrow.closeSubpath();
    p.fillPath(arrow, Qt::white);
    return image;
}

} // namespace vamok
