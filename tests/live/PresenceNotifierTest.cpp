#include "PollerFakes.h"

#include "live/InstrumentDialogue.h"
#include "live/PresenceNotifier.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

using namespace vamok;

namespace {

class Receiver : public QObject {
public:
    bool event(QEvent* e) override
    {
        if (e->type() == DevicePresentNotification || e->type() == DeviceAbsentNotification) {
            seen.push_back(e->type() == DevicePresentNotification ? 'P' : 'A');
            return true;
        }
        return QObject::event(e);
    }
    std::string seen;
};

} // namespace

TEST(PresenceNotifier, TellsEveryRegisteredWindowEachPeriod)
{
    ManualTimer timer;
    bool present = false;
    PresenceNotifier notifier(timer, [&] { return present; });
    EXPECT_EQ(timer.interval(), 2000);
    Receiver main, profiles;
    RegisterPresenceWindow(&main);
    RegisterPresenceWindow(&main); // once only
    RegisterPresenceWindow(&profiles);
    notifier.Start();
    timer.fire();
    present = true;
    timer.fire();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(main.seen, "AP");
    EXPECT_EQ(profiles.seen, "AP");
    EXPECT_TRUE(timer.isActive());

    UnregisterPresenceWindow(&profiles);
    {
        Receiver gone;
        RegisterPresenceWindow(&gone);
    } // destroyed without unregistering
    timer.fire();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(main.seen, "APP");
    EXPECT_EQ(profiles.seen, "AP");
    UnregisterPresenceWindow(&main);
}

TEST(PresenceNotifier, DuringADialogueNoWindowOffersAnother)
{
    ManualTimer timer;
    PresenceNotifier notifier(timer, [] { return true; });
    Receiver window;
    RegisterPresenceWindow(&window);
    notifier.Start();
    InstrumentDialogue::Run([&] { timer.fire(); });
    timer.fire();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(window.seen, "AP");
    UnregisterPresenceWindow(&window);
}
