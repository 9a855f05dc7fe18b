#pragma once
// The timer behind the poller and the presence notifications. The program
// uses QtPollTimer; tests drive ticks themselves.
#include <QObject>
#include <QTimer>
#include <functional>

namespace vamok {

class PollTimer {
public:
    virtual ~PollTimer() = default;
    virtual void start() = 0; // (re)starts with the current interval
    virtual void stop() = 0;
    virtual bool isActive() const = 0;
    virtual void setInterval(int ms) = 0;
    virtual int interval() const = 0;
    // The action run on every timeout.
    virtual void setHandler(std::function<void()> handler) = 0;
};

class QtPollTimer : public PollTimer {
public:
    explicit QtPollTimer(int intervalMs)
    {
        timer_.setInterval(intervalMs);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (handler_)
                handler_();
        });
    }
    void start() override { timer_.start(); }
    void stop() override { timer_.stop(); }
    bool isActive() const override { return timer_.isActive(); }
    void setInterval(int ms) override { timer_.setInterval(ms); }
    int interval() const override { return timer_.interval(); }
    void setHandler(std::function<void()> handler) override { handler_ = std::move(handler); }

private:
    QTimer timer_;
    std::function<void()> handler_;
};

} // namespace vamok
