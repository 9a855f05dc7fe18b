#pragma once
// Setting the instrument's clock (rix, Ventiq) and releasing its keyboard
// lock (rix): one command each, sent until the instrument acknowledges it,
// at most four times.
#include "device/CommandChannel.h"

#include <QDateTime>
#include <cstdint>
#include <functional>
#include <string>

namespace vamok {

// Waits the given milliseconds (the retry pause). The default keeps window
// and timer events running while it waits; tests pass their own.
using RetryPause = std::function<void(int ms)>;
void WaitProcessingEvents(int ms);

// Whole seconds from 2000-01-01 00:00:00 to the given local wall-clock time.
std::int64_t SecondsSince2000(const QDateTime& local);
// "U" + at least eight upper-case hex digits of the seconds.
std::string ClockCommand(std::int64_t secondsSince2000);
std::string ClockCommand(const QDateTime& local);

// Both return true when the instrument answered ACK to one of the sends.
bool SetDeviceClock(CommandChannel& channel, const QDateTime& local,
                    const RetryPause& pause = WaitProcessingEvents);
bool ReleaseKeyboardLock(CommandChannel& channel, const RetryPause& pause = WaitProcessingEvents);

} // namespace vamok
