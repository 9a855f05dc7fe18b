// vamok-icon OUTDIR SIZE...: draws the program icon (a hand-held instrument
// showing a green, a yellow and a red bar) as OUTDIR/vamok.svg and as
// OUTDIR/vamok-SIZE.png for every size, from the one list of shapes below.
#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <span>

namespace {

constexpr double kCanvas = 256;

// A rectangle with rounded corners (radius 0: square), or a circle when
// round (x, y the centre, w the radius).
struct Shape {
    double x, y, w, h, radius;
    const char* color;
    bool round = false;
};

constexpr Shape kShapes[] = {
    {16, 16, 224, 224, 44, "#1d5e7a"},  // housing
    {52, 44, 152, 104, 16, "#f4f7f8"},  // display
    {74, 104, 28, 28, 3, "#2e9e44"},    // green bar
    {114, 88, 28, 44, 3, "#f0b92c"},    // yellow bar
    {154, 66, 28, 66, 3, "#d6403a"},    // red bar
    {128, 192, 24, 0, 0, "#f4f7f8", true}, // key
};

bool WriteSvg(const QString& path)
{
    QString svg = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                 "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
                                 "viewBox=\"0 0 256 256\">\n");
    for (const Shape& s : kShapes) {
        if (s.round)
            svg += QStringLiteral("  <circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"%4\"/>\n")
                       .arg(s.x).arg(s.y).arg(s.w).arg(QString::fromLatin1(s.color));
        else
            svg += QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" fill=\"%6\"/>\n")
                       .arg(s.x).arg(s.y).arg(s.w).arg(s.h).arg(s.radius).arg(QString::fromLatin1(s.color));
    }
    svg += QStringLiteral("</svg>\n");
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(svg.toUtf8()) == svg.toUtf8().size();
}

bool WritePng(const QString& path, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.scale(size / kCanvas, size / kCanvas);
    for (const Shape& s : kShapes) {
        painter.setBrush(QColor(QString::fromLatin1(s.color)));
        if (s.round)
            painter.drawEllipse(QPointF(s.x, s.y), s.w, s.w);
        else
            painter.drawRoundedRect(QRectF(s.x, s.y, s.w, s.h), s.radius, s.radius);
    }
    painter.end();
    return image.save(path, "PNG");
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: vamok-icon OUTDIR SIZE...\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(dir) || !WriteSvg(dir + QStringLiteral("/vamok.svg"))) {
        std::fprintf(stderr, "vamok-icon: cannot write %s/vamok.svg\n", argv[1]);
        return 1;
    }
    for (const char* arg : std::span(argv + 2, static_cast<std::size_t>(argc - 2))) {
        const int size = std::atoi(arg);
        if (size <= 0 || size > 1024 || !WritePng(dir + QStringLiteral("/vamok-%1.png").arg(size), size)) {
            std::fprintf(stderr, "vamok-icon: cannot write the %s pixel icon\n", arg);
            return 1;
        }
    }
    return 0;
}
