#pragma once
// One instrument dialogue at a time. Every operation that needs several
// exchanges with the instrument (readout, names upload, type transfer,
// profiles, port search, clock, keyboard lock) runs as a dialogue: the
// presence poller is parked for its duration and any second dialogue is
// refused until it has ended.
//
// Header-only so that every subsystem can use it without linking the live
// library; the presence poller registers itself as the PollerPark.
#include <functional>
#include <utility>

namespace vamok {

// What a dialogue needs from the presence poller.
class PollerPark {
public:
    virtual ~PollerPark() = default;
    // State parked, timer stopped and not allowed to restart.
    virtual void Park() = 0;
    // Timer allowed again and started.
    virtual void Resume() = 0;
    // A poll tick is in progress (waiting for its reply further down the
    // call stack: the caller runs inside that wait).
    virtual bool TickRunning() const = 0;
    // Runs `action` right after the tick in progress has ended.
    virtual void RunAfterTick(std::function<void()> action) = 0;
};

class InstrumentDialogue {
public:
    enum class Start {
        Started,  // ran to its end before Run returned
        Deferred, // a poll tick was waiting for its reply; runs right after it
        Refused,  // another dialogue is running (or already waiting)
    };

    // Runs `body` as the one dialogue with the instrument.
    static Start Run(std::function<void()> body)
    {
        if (State().Busy)
            return Start::Refused;
        State().Busy = true;
        PollerPark* poller = State().Poller;
        if (poller && poller->TickRunning()) {
            poller->RunAfterTick([b = std::move(body)]() mutable { RunParked(b); });
            return Start::Deferred;
        }
        RunParked(body);
        return Start::Started;
    }

    // A dialogue is running or waiting to start: other entry points stay
    // disabled and the poller is not restarted.
    static bool Busy() { return State().Busy; }

    // The presence poller registers itself (nullptr to unregister).
    static void SetPoller(PollerPark* poller) { State().Poller = poller; }

private:
    struct Shared {
        bool Busy = false;
        PollerPark* Poller = nullptr;
    };
    static Shared& State()
    {
        static Shared shared;
        return shared;
    }

    // Busy is already set; clears it (and resumes the poller) however the
    // body ends.
    static void RunParked(std::function<void()>& body)
    {
        struct EndGuard {
            ~EndGuard()
            {
                State().Busy = false;
                if (State().Poller)
                    State().Poller->Resume();
            }
        } end;
        if (State().Poller)
            State().Poller->Park();
        body();
    }
};

} // namespace vamok
