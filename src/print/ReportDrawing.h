#pragma once
// Drawing helpers both reports share: the report font, text wrapped to a
// width (at word boundaries, inside a word only when one word is wider than
// the column), the traffic-light icon of a rating and the page header.
#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>

class QPaintDevice;
class QPainter;

namespace vamok {

// Device units per millimetre.
double UnitsPerMm(const QPaintDevice& device);

// The report's sans-serif font at a size in points; the condensed face
// serves the narrow table columns.
QFont ReportFont(double points, bool bold = false, bool condensed = false);

// Height of text wrapped to width, in device units.
double WrappedHeight(const QString& text, const QFont& font, double width, QPaintDevice& device);
// Draws text wrapped inside rect (which must be as high as WrappedHeight).
void DrawWrapped(QPainter& painter, const QRectF& rect, const QString& text, const QFont& font,
                 Qt::Alignment alignment);

// The colour of rating code 1 (green), 2 (yellow), 3 (red).
QColor RatingColor(int rating);
// A round icon of that colour centred in rect; nothing for other codes.
void DrawRatingIcon(QPainter& painter, const QRectF& rect, int rating);

struct PageHeaderTexts {
    QString title;
    QString date;      // "Datum:" and the date
    QString pageLabel; // "Seite:"
    QString of;        // "von"
};
// Date at the left, "Seite: x von y" at the right, the bold title centred
// below, a rule underneath. Returns the height it takes.
double PageHeaderHeight(const PageHeaderTexts& texts, double width, QPaintDevice& device);
void DrawPageHeader(QPainter& painter, const PageHeaderTexts& texts, double width, int page, int pages);

} // namespace vamok
