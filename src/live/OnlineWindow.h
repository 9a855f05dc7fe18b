#pragma once
// The online window: the current values of the instrument as a two-column
// table. It owns the presence poller and the presence notifications, which
// run whether the window is shown or not.
#include "live/OnlineCellLayout.h"
#include "live/PollTimer.h"
#include "live/PresenceNotifier.h"
#include "live/PresencePoller.h"
#include "types/RatingText.h"

#include <QWidget>
#include <functional>
#include <memory>
#include <string>

class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;
class QKeyEvent;
class QTableWidget;

namespace vamok {

class CommandChannel;

// What the online window does to the rest of the program.
struct OnlineWindowLinks {
    std::function<void(const std::string&)> setSerialPanel;    // main window panel 2
    std::function<void()> startTypeRead;                       // type window's read timer
    std::function<void(int, const std::string&)> diagnosticLine; // main window `Ser1Trig`
    std::function<void(const TVamokAPDatenStrg&)> liveValues;  // large live display
    std::function<bool()> typeTransferRunning;
    std::function<void()> showLiveDisplay; // double-click on the top panel
    std::function<void()> showPaintTest;   // double-click on the bottom panel
};

class TOnline : public QWidget, public PollerHooks {
    Q_OBJECT
public:
    explicit TOnline(CommandChannel& channel, QWidget* parent = nullptr);
    ~TOnline() override;

    void setLinks(OnlineWindowLinks links);

    // Start-up: poll timer (1000 ms, identify first) and presence timer.
    void StartPolling();
    // End of the program: both timers off, polling not allowed.
    void StopPolling();

    PresencePoller& Poller() { return *poller_; }
    PresenceNotifier& Notifier() { return *notifier_; }
    // The version label's text (the main window's status panel 1).
    std::string VersionLabelText() const;
    std::string PortLabelText() const;

    // Zoom by z % of the current size.
    void ZoomBy(int percent);
    int Zoom() const { return zoom_; }

    // Controls, named as the translation engine expects.
    QLabel* Label1 = nullptr;  // "VAMOK Version: "
    QLabel* Version = nullptr;
    QTableWidget* Table1 = nullptr;
    QTableWidget* table2 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QLabel* ComLabel = nullptr;
    QLabel* OnlineMode = nullptr;
    QPushButton* ZoomButton = nullptr;
    QSpinBox* ZoomEdit = nullptr;
    QListWidget* Lang = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // PollerHooks
    void SerialPanelChanged(const std::string& text) override;
    void NewInstrument() override;
    void DiagnosticLine(int line, const std::string& text) override;
    void LiveValues(const TVamokAPDatenStrg& record) override;
    void ViewChanged() override;
    bool TypeTransferRunning() const override;

    void FormCreate();
    bool ZoomKey(const QKeyEvent* event);
    void ApplyTexts();
    void ApplyZoom(int percent);
    std::string LangText(int index) const;
    RatingWords SpokenRatingWords() const;
    void FitNames();

    QWidget* topPanel_ = nullptr;
    QWidget* bottomPanel_ = nullptr;
    QtPollTimer onTimer_{PresencePoller::kIdleIntervalMs};
    QtPollTimer vamokThereTimer_{PresenceNotifier::kPeriodMs};
    std::unique_ptr<PresencePoller> poller_;
    std::unique_ptr<PresenceNotifier> notifier_;
    OnlineWindowLinks links_;
    int zoom_ = 100;
    int baseColumn0_ = 120;
    int baseColumn1_ = 150;
    int baseRowHeight_ = kOnlineBaseRowHeight;
};

} // namespace vamok
