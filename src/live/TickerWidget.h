#pragma once
// TdpTicker: a scrolling text line of the large live display. Its own step
// timer moves the text one pixel leftwards per step; while halted (tag not
// 0) the text stands still.
#include "live/PollTimer.h"
#include "live/TickerMotion.h"

#include <QWidget>

#include <memory>
#include <string>

namespace vamok {

class TdpTicker : public QWidget {
    Q_OBJECT
public:
    // timer: the step timer (a QTimer unless a test drives the steps).
    explicit TdpTicker(QWidget* parent = nullptr, std::unique_ptr<PollTimer> timer = nullptr);

    // The text restarts at the left edge of its strip.
    void setCaption(const QString& caption);
    QString caption() const { return caption_; }
    // Milliseconds per step.
    void setSpeed(int ms);
    int speed() const { return timer_->interval(); }
    // Halted while not 0.
    void setTag(int tag) { tag_ = tag; }
    int tag() const { return tag_; }
    bool halted() const { return tag_ != 0; }

    const TickerMotion& motion() const { return motion_; }
    // One step of the timer.
    void Tick();

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void restart();

    QString caption_;
    int tag_ = 0;
    TickerMotion motion_;
    std::unique_ptr<PollTimer> timer_;
};

} // namespace vamok
