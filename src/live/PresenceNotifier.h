#pragma once
// Tells the registered windows every 2000 ms whether an instrument is
// present, as posted events of the two notification types.
#include "live/PollTimer.h"

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <functional>
#include <vector>

namespace vamok {

inline const QEvent::Type DevicePresentNotification = static_cast<QEvent::Type>(QEvent::User + 1);
inline const QEvent::Type DeviceAbsentNotification = static_cast<QEvent::Type>(QEvent::User + 2);

// Windows that want the notifications (main window, profile window, and
// the type and measurement windows while they are active).
void RegisterPresenceWindow(QObject* window);
void UnregisterPresenceWindow(QObject* window);

class PresenceNotifier {
public:
    static constexpr int kPeriodMs = 2000;

    // present: the poller's presence flag. While an instrument dialogue runs
    // the instrument counts as absent, so no window offers a second one.
    PresenceNotifier(PollTimer& timer, std::function<bool()> present);
    ~PresenceNotifier();

    void Start();
    void Stop();
    // `VamokThereTimerTimer`
    void VamokThereTimerTimer();

private:
    PollTimer& timer_;
    std::function<bool()> present_;
};

} // namespace vamok
