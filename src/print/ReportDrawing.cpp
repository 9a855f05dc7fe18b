#include "print/ReportDrawing.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QTextLayout>

namespace vamok {
namespace {

QTextOption WrapOption(Qt::Alignment alignment)
{
    QTextOption option(alignment);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    return option;
}

// Lays the text out in lines of the width; returns the height used.
double LayOut(QTextLayout& layout, double width)
{
    double height = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    layout.endLayout();
    return height;
}

QString WithLineSeparators(QString text)
{
    text.replace(QStringLiteral("\r\n"), QChar(QChar::LineSeparator));
    text.replace(QChar('\n'), QChar(QChar::LineSeparator));
    return text;
}

constexpr double kTitlePoints = 13;
constexpr double kHeaderPoints = 8;

} // namespace

double UnitsPerMm(const QPaintDevice& device) { return device.logicalDpiY() / 25.4; }

QFont ReportFont(double points, bool bold, bool condensed)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    // No ligatures: a PDF reader's search and copy find "fi" as two letters.
    font.setStyleStrategy(QFont::PreferNoShaping);
    if (condensed)
        font.setStretch(QFont::SemiCondensed);
    return font;
}

double WrappedHeight(const QString& text, const QFont& font, double width, QPaintDevice& device)
{
    if (text.isEmpty())
        return 0;
    const QFontMetricsF metrics(font, &device);
    if (!text.contains(QChar('\n')) && metrics.horizontalAdvance(text) <= width)
        return metrics.height();
    QTextLayout layout(WithLineSeparators(text), font, &device);
    layout.setTextOption(WrapOption(Qt::AlignLeft));
    return LayOut(layout, width);
}

void DrawWrapped(QPainter& painter, const QRectF& rect, const QString& text, const QFont& font,
                 Qt::Alignment alignment)
{
    if (text.isEmpty())
        return;
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    if (!text.contains(QChar('\n')) && metrics.horizontalAdvance(text) <= rect.width()) {
        painter.drawText(rect, static_cast<int>(alignment | Qt::AlignTop) | Qt::TextSingleLine, text);
        return;
    }
    QTextLayout layout(WithLineSeparators(text), font, painter.device());
    layout.setTextOption(WrapOption(alignment));
    LayOut(layout, rect.width());
    layout.draw(&painter, rect.topLeft());
}

QColor RatingColor(int rating)
{
    switch (rating) {
    case 1: return QColor(0, 150, 0);
    case 2: return QColor(250, 205, 0);
    case 3: return QColor(220, 0, 0);
    default: return {};
    }
}

void DrawRatingIcon(QPainter& painter, const QRectF& rect, int rating)
{
    const QColor color = RatingColor(rating);
    if (!color.isValid())
        return;
    const double size = std::min(rect.width(), rect.height());
    const QRectF dot(rect.center().x() - size / 2, rect.center().y() - size / 2, size, size);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(color.darker(140), size / 10));
    painter.setBrush(color);
    painter.drawEllipse(dot);
    painter.restore();
}

double PageHeaderHeight(const PageHeaderTexts& texts, double width, QPaintDevice& device)
{
    const double mm = UnitsPerMm(device);
    const QFontMetricsF small(ReportFont(kHeaderPoints), &device);
    return small.height() + 1.5 * mm + WrappedHeight(texts.title, ReportFont(kTitlePoints, true), width, device) +
           4 * mm;
}

void DrawPageHeader(QPainter& painter, const PageHeaderTexts& texts, double width, int page, int pages)
{
    QPaintDevice& device = *painter.device();
    const double mm = UnitsPerMm(device);
    const QFont small = ReportFont(kHeaderPoints);
    const double line = QFontMetricsF(small, &device).height();
    painter.setFont(small);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(0, 0, width / 2, line), Qt::AlignLeft | Qt::AlignTop, texts.date);
    const QString number = QStringLiteral("%1 %2 %3 %4").arg(texts.pageLabel).arg(page).arg(texts.of).arg(pages);
    painter.drawText(QRectF(width / 2, 0, width / 2, line), Qt::AlignRight | Qt::AlignTop, number);
    const QFont titleFont = ReportFont(kTitlePoints, true);
    const double titleTop = line + 1.5 * mm;
    const double titleHeight = WrappedHeight(texts.title, titleFont, width, device);
    DrawWrapped(painter, QRectF(0, titleTop, width, titleHeight), texts.title, titleFont, Qt::AlignHCenter);
    const double rule = titleTop + titleHeight + 1.5 * mm;
    painter.setPen(QPen(Qt::black, 0.3 * mm));
    painter.drawLine(QPointF(0, rule), QPointF(width, rule));
}

} // namespace vamok
