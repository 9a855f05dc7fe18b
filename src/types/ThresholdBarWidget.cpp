#include "types/ThresholdBarWidget.h"

#include "core/Cp1252.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace vamok {

namespace {

constexpr int kGrabDistance = 3; // pixels either side of a border

const QColor kSectionColours[5] = {Qt::red, Qt::yellow, Qt::green, Qt::yellow, Qt::red};
const char* const kSectionNames[5] = {"rot", "gelb", "gr\xFCn", "gelb", "rot"};

} // namespace

ThresholdBarWidget::ThresholdBarWidget(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("B2"));
    setFixedSize(kThresholdBarWidth, 24);
    setMouseTracking(true);
}

void ThresholdBarWidget::SetSections(const SectionWidths& widths, const std::array<std::string, 5>& texts)
{
    widths_ = widths;
    texts_ = texts;
    // The colours also reach assistive technology as words.
    QString description;
    for (std::size_t k = 0; k < 5; ++k)
        description += FromCp1252(std::string(kSectionNames[k]) + " ab " + texts_[k] + (k < 4 ? "; " : ""));
    setAccessibleDescription(description);
    update();
}

int ThresholdBarWidget::BorderX(int border) const
{
    int x = 0;
    for (int k = 0; k <= border && k < 5; ++k)
        x += widths_[static_cast<std::size_t>(k)];
    return x;
}

int ThresholdBarWidget::BorderNear(int x) const
{
    // From the right, so that borders stacked on one another come apart
    // towards the free side.
    for (int border = 3; border >= (lowBordersFixed_ ? 2 : 0); --border)
        if (std::abs(BorderX(border) - x) <= kGrabDistance)
            return border;
    return -1;
}

void ThresholdBarWidget::DragTo(int x)
{
    const auto k = static_cast<std::size_t>(dragging_);
    const int left = BorderX(dragging_) - widths_[k];
    int later = 0;
    for (std::size_t j = k + 1; j < 4; ++j)
        later += widths_[j];
    // Later sections keep their widths; section 4 keeps at least 1 pixel.
    widths_[k] = std::clamp(x - left, 1, std::max(1, width() - left - later - 1));
    widths_[4] = std::max(1, width() - BorderX(3));
    if (onDragged)
        onDragged(widths_, dragging_);
}

void ThresholdBarWidget::mousePressEvent(QMouseEvent* event)
{
    dragging_ = BorderNear(event->position().toPoint().x());
}

void ThresholdBarWidget::mouseMoveEvent(QMouseEvent* event)
{
    const int x = event->position().toPoint().x();
    if (dragging_ >= 0 && (event->buttons() & Qt::LeftButton))
        DragTo(x);
    else
        setCursor(BorderNear(x) >= 0 ? Qt::SplitHCursor : Qt::ArrowCursor);
}

void ThresholdBarWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (dragging_ >= 0)
        DragTo(event->position().toPoint().x());
    dragging_ = -1;
}

void ThresholdBarWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    int x = 0;
    for (std::size_t k = 0; k < 5; ++k) {
        const QRect section(x, 0, widths_[k], height());
        painter.fillRect(section, kSectionColours[k]);
        if (widths_[k] > 0) {
            painter.setPen(Qt::black);
            painter.drawText(section.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                             FromCp1252(texts_[k]));
        }
        x += widths_[k];
    }
}

} // namespace vamok
