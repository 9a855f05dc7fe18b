#include "live/PresenceNotifier.h"

#include "live/InstrumentDialogue.h"

#include <QCoreApplication>
#include <algorithm>

namespace vamok {

namespace {

std::vector<QPointer<QObject>>& Registered()
{
    static std::vector<QPointer<QObject>> windows;
    return windows;
}

} // namespace

void RegisterPresenceWindow(QObject* window)
{
    auto& list = Registered();
    if (window && std::find(list.begin(), list.end(), window) == list.end())
        list.emplace_back(window);
}

void UnregisterPresenceWindow(QObject* window)
{
    auto& list = Registered();
    list.erase(std::remove_if(list.begin(), list.end(),
                              [window](const QPointer<QObject>& p) { return p.isNull() || p == window; }),
               list.end());
}

PresenceNotifier::PresenceNotifier(PollTimer& timer, std::function<bool()> present)
    : timer_(timer), present_(std::move(present))
{
    timer_.setInterval(kPeriodMs);
    timer_.setHandler([this] { VamokThereTimerTimer(); });
}

PresenceNotifier::~PresenceNotifier() { timer_.setHandler({}); }

void PresenceNotifier::Start() { timer_.start(); }

void PresenceNotifier::Stop() { timer_.stop(); }

void PresenceNotifier::VamokThereTimerTimer()
{
    timer_.stop();
    const bool present = present_() && !InstrumentDialogue::Busy();
    const QEvent::Type type = present ? DevicePresentNotification : DeviceAbsentNotification;
    for (const auto& window : Registered())
        if (window)
            QCoreApplication::postEvent(window, new QEvent(type));
    timer_.start();
}

} // namespace vamok
