#include "device/DeviceClock.h"

#include "device/Frame.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <cstdio>

namespace vamok {

namespace {

constexpr int kTimeoutMs = 1000;
constexpr int kRetryPauseMs = 200;
constexpr int kMaxSends = 4;

// The first send and up to three repeats; the pause comes before the third
// and the fourth send only.
bool SendUntilAcknowledged(CommandChannel& channel, const std::string& command,
                           const RetryPause& pause)
{
    const std::string ack(1, kACK);
    for (int send = 1; send <= kMaxSends; ++send) {
        if (send >= 3)
            pause(kRetryPauseMs);
        if (channel.SendCommand(command, std::string(1, kSTX), kTimeoutMs, 0,
                                std::string(1, kETX))
            == ack)
            return true;
    }
    return false;
}

} // namespace

void WaitProcessingEvents(int ms)
{
    const QDeadlineTimer until(ms);
    while (!until.hasExpired()) {
        QCoreApplication::processEvents();
        QThread::msleep(1);
    }
}

std::int64_t SecondsSince2000(const QDateTime& local)
{
    const std::int64_t days = local.date().toJulianDay() - QDate(2000, 1, 1).toJulianDay();
    return days * 86400 + local.time().msecsSinceStartOfDay() / 1000;
}

std::string ClockCommand(std::int64_t secondsSince2000)
{
    char text[32];
    std::snprintf(text, sizeof text, "U%.08llX",
                  static_cast<unsigned long long>(secondsSince2000));
    return text;
}

std::string ClockCommand(const QDateTime& local) { return ClockCommand(SecondsSince2000(local)); }

bool SetDeviceClock(CommandChannel& channel, const QDateTime& local, const RetryPause& pause)
{
    return SendUntilAcknowledged(channel, ClockCommand(local), pause);
}

bool ReleaseKeyboardLock(CommandChannel& channel, const RetryPause& pause)
{
    return SendUntilAcknowledged(channel, "UNLK", pause);
}

} // namespace vamok
