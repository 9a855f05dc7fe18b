#include "app/PaintTestWindow.h"

#include "core/Painting.h"

#include <QPainter>

namespace vamok {

TwPaintTest::TwPaintTest(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName("TwPaintTest");
    setWindowTitle("wPaintTest");
    resize(1289, 637);
}

void TwPaintTest::paintEvent(QPaintEvent*)
{
    QPainter canvas(this);
    struct Band {
        QRect rect;
        int preset;
    };
    const Band bands[] = {
        {QRect(QPoint(10, 10), QPoint(999, 109)), 1},   {QRect(QPoint(10, 110), QPoint(999, 209)), 4},
        {QRect(QPoint(10, 210), QPoint(999, 309)), 2},  {QRect(QPoint(10, 310), QPoint(999, 409)), 3},
        {QRect(QPoint(10, 410), QPoint(499, 509)), 17}, {QRect(QPoint(500, 410), QPoint(999, 509)), 17},
    };
    for (const Band& band : bands) {
        FillGradient(canvas, band.rect, band.preset);
    }
}

} // namespace vamok
