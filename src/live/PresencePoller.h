#pragma once
// The presence poller: once per tick it identifies the instrument (at
// first, after an unanswered value poll and on every eighth tick) or reads
// its live values, keeps the connection state (found, lost) and publishes
// what the online window shows.
#include "device/CommandChannel.h"
#include "live/InstrumentDialogue.h"
#include "live/KnownVamoks.h"
#include "live/LiveRecord.h"
#include "live/PollTimer.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace vamok {

enum class PollState { Identify = 0, PollValues = 1, Parked = 2 };

// The status face of the online window.
enum class PollerFace { Neutral, Connected, Lost };

// What the poller does to the rest of the program besides the shared state
// (App().DeviceVersion, DeviceAnswering, KnownVamoks, DeviceTypes).
class PollerHooks {
public:
    virtual ~PollerHooks() = default;
    // The main window's status panel 2.
    virtual void SerialPanelChanged(const std::string& /*text*/) {}
    // A serial number not synchronised yet: the used types are cleared and
    // the type window reads the instrument's types anew.
    virtual void NewInstrument() {}
    // Line `line` of the main window's diagnostic list (developer mode).
    virtual void DiagnosticLine(int /*line*/, const std::string& /*text*/) {}
    // Every value poll's record, for the large live display.
    virtual void LiveValues(const TVamokAPDatenStrg& /*record*/) {}
    // Port label, version, face or rows changed.
    virtual void ViewChanged() {}
    // The type transfer's timer runs: the tick leaves the instrument alone.
    virtual bool TypeTransferRunning() const { return false; }
};

// The translated texts the poller shows (online window list items 0, 15).
struct PollerTexts {
    std::string SerialCaption = "VAMOK Seriennummer";
    std::string Searching = "Suche...";
};

// What the online window shows.
struct PollerView {
    std::string PortLabel = "none";
    std::string VersionText = "Suche...";
    // Rix, Ventiq, Quadrovan: the label "VAMOK Version: " is hidden.
    bool VersionCaptionHidden = false;
    PollerFace Face = PollerFace::Neutral;
    std::array<std::string, kOnlineRowCount> Rows{};
};

class PresencePoller : public PollerPark {
public:
    static constexpr int kIdleIntervalMs = 1000;
    static constexpr int kAnsweringIntervalMs = 100;

    PresencePoller(CommandChannel& channel, PollTimer& timer, PollerHooks& hooks,
                   KnownVamokList& known = KnownVamoks());
    ~PresencePoller() override;
    PresencePoller(const PresencePoller&) = delete;
    PresencePoller& operator=(const PresencePoller&) = delete;

    void SetTexts(const PollerTexts& texts);

    // Start-up: identify first, 1000 ms, timer allowed and running. While an
    // instrument dialogue runs only the permission is given back; the
    // dialogue's end starts the timer.
    void Start();
    // End of the program: timer stopped and not allowed.
    void Stop();
    // The timer's handler (`OnTimerTimer`).
    void OnTimerTimer();
    // `ResetPoller`: 1000 ms, counters cleared, resets counter + 1.
    void ResetPoller();
    // The instrument has just answered for the first time.
    void ShortenInterval();

    // PollerPark
    void Park() override;
    void Resume() override;
    bool TickRunning() const override { return tickRunning_; }
    void RunAfterTick(std::function<void()> action) override;

    PollState State() const { return state_; }
    bool Present() const { return present_; }
    bool TimerAllowed() const { return timerAllowed_; }
    const std::string& SerialText() const { return serialText_; }
    const PollerView& View() const { return view_; }
    int SilentCount() const { return silent_; }
    int ResetsCount() const { return resets_; }

private:
    void Identify();
    void PollValues();
    void ApplyIdentification(const std::string& prefixedReply);
    void CountSilence();
    void DetectLoss();
    void ShowDiagnostics();
    void ShowRecord(const TVamokAPDatenStrg& record);
    void ShowLost();
    void EndTick();

    CommandChannel& channel_;
    PollTimer& timer_;
    PollerHooks& hooks_;
    KnownVamokList& known_;
    PollerTexts texts_;
    PollerView view_;

    PollState state_ = PollState::Identify;
    bool timerAllowed_ = false;
    bool tickRunning_ = false;
    int tick_ = 0;
    int silent_ = 0;
    int silentMax_ = 0;
    int loss_ = 0;
    bool unanswered_ = false;
    bool present_ = false;
    int resets_ = 0;
    std::string serialText_; // cleared when the instrument is lost
    std::string lastSerial_; // the serial text this window saw last
    std::vector<std::function<void()>> afterTick_;
};

} // namespace vamok
