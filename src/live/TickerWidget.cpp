#include "live/TickerWidget.h"

#include <QEvent>
#include <QPainter>
#include <QPixmap>

namespace vamok {

TdpTicker::TdpTicker(QWidget* parent, std::unique_ptr<PollTimer> timer)
    : QWidget(parent), timer_(timer ? std::move(timer) : std::make_unique<QtPollTimer>(1))
{
    resize(150, 25);
    timer_->setInterval(1);
    timer_->setHandler([this] { Tick(); });
    timer_->start();
    restart();
}

void TdpTicker::setCaption(const QString& caption)
{
    caption_ = caption;
    restart();
    update();
}

void TdpTicker::setSpeed(int ms)
{
    timer_->setInterval(std::max(ms, 1));
    if (isEnabled())
        timer_->start();
}

void TdpTicker::Tick()
{
    if (halted())
        return;
    motion_.Step();
    update();
}

void TdpTicker::restart()
{
    motion_.Restart(fontMetrics().horizontalAdvance(caption_), width());
}

void TdpTicker::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        if (isEnabled())
            timer_->start();
        else
            timer_->stop();
    } else if (event->type() == QEvent::FontChange) {
        restart();
    }
}

void TdpTicker::paintEvent(QPaintEvent*)
{
    const int w = motion_.textWidth();
    const int h = height();
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (w <= 0 || h <= 0)
        return;
    QPixmap strip(w, h);
    strip.fill(palette().window().color());
    {
        QPainter s(&strip);
        s.setFont(font());
        s.setPen(palette().windowText().color());
        const QFontMetrics metrics(font());
        const int y = (h - metrics.height()) / 2 + metrics.ascent();
        s.drawText(motion_.first(), y, caption_);
        s.drawText(motion_.second(), y, caption_);
    }
    painter.drawPixmap((width() - w) / 2, 0, strip);
}

} // namespace vamok
