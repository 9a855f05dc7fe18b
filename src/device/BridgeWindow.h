#pragma once
// The bridge window `TwSIHIDControl` over one UsbBridge. Its compact face is
// the list of attached bridges the user picks one from (from the settings
// window, and on its own when several are attached); Ctrl+Shift+Alt+D turns
// it into the service tool: open and close by hand, raw send, received
// data, UART speed, notification registration and the 16 pins.
// `TwVamokHIDControl` serves the command layer's bridge; `TwVentiqHIDControl`
// is a second one for the Ventiq, never used for traffic.
#include "device/AccessMessages.h"
#include "device/BridgeService.h"

#include <QWidget>
#include <array>
#include <string>
#include <vector>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QStatusBar;
class QTimer;
class QTreeWidget;

namespace vamok {

class TAPSend;
class UsbBridge;

class TwSIHIDControl : public QWidget {
    Q_OBJECT
public:
    // title: the caption the window is created with (the title prefix).
    TwSIHIDControl(UsbBridge& bridge, const QString& title, QWidget* parent = nullptr);
    ~TwSIHIDControl() override;

    // Enumerates and shows the device list.
    void ShowCompact();
    bool IsCompact() const { return compact_; }
    void ToggleFace();

    // Handlers (public so that tests can run them).
    void RefreshBtnClick();
    void ApplyBtnClick();
    void OpenBtnClick();
    void CloseBtnClick();
    void ReceiveClick();
    void SendBtnClick();
    void ConfigBtnClick();
    void UnRegBtnClick();
    void NewRegBtnClick();
    void ReadLatchBtnClick();
    void WriteLatchBtnClick();
    void ClearMemoClick();
    void ListView1DblClick(int entry);

    QTreeWidget* ListView1 = nullptr;
    QPushButton* RefreshBtn = nullptr;
    QPushButton* ApplyBtn = nullptr;
    QPushButton* CloseFormBtn = nullptr;
    QLabel* ActiveLabel = nullptr;
    QLabel* MultiDeviceLabel = nullptr;
    // Why the last open failed, when the user can mend it.
    QLabel* AccessLabel = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QLabel* StatusPanel0 = nullptr;

    QWidget* ServicePanel = nullptr;
    QLabel* USBChange = nullptr;
    QLabel* USBChanges = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* ClearMemo = nullptr;
    QLineEdit* SendEdit = nullptr;
    QPushButton* SendBtn = nullptr;
    QCheckBox* LogMemo1 = nullptr;
    QCheckBox* LogBytes = nullptr;
    QCheckBox* LogWithDate = nullptr;
    QCheckBox* LogToFile = nullptr;
    QCheckBox* LogAll = nullptr;
    QPushButton* OpenBtn = nullptr;
    QPushButton* CloseBtn = nullptr;
    QPushButton* Receive = nullptr;
    QCheckBox* DoUSBPoll = nullptr;
    QSpinBox* PollIntervall = nullptr;
    QCheckBox* SendWithSleep = nullptr;
    QSpinBox* SleepEdit1 = nullptr;
    QCheckBox* sendWithNull = nullptr;
    QLineEdit* BaudEdit = nullptr;
    QPushButton* ConfigBtn = nullptr;
    QLabel* SpeedLabel = nullptr;
    QPushButton* UnRegBtn = nullptr;
    QPushButton* NewRegBtn = nullptr;
    QFrame* PinPanel = nullptr;
    std::array<QCheckBox*, kPinCount> Pins{};
    QPushButton* ReadLatchBtn = nullptr;
    QPushButton* WriteLatchBtn = nullptr;
    QListWidget* Lang = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildCompactFace();
    void BuildServiceFace();
    void Connect();
    void ApplyFace();
    void ShowState();
    // Shows the state once pending events have run (the bridge calls back
    // in the middle of its work).
    void ScheduleShowState();
    void ShowEntries();
    void Note(const std::string& text);
    void NoteReceived(const std::string& bytes);
    bool Logging() const;
    void ShowLog();
    void Indicate(DeviceChange kind);
    void MarkPins(bool failed);
    std::string ColumnText(int index) const;
    AccessTexts AccessMessageTexts() const;
    BridgeColumns::Widths ColumnWidths() const;
    void SetColumnWidths(const BridgeColumns::Widths& widths);

    UsbBridge& bridge_;
    bool compact_ = true;
    BridgeColumns columns_;
    BridgeLog log_;
    std::vector<BridgeEntry> shown_;
    bool showPending_ = false;
    QTimer* blinkTimer_ = nullptr;
};

class TwVamokHIDControl : public TwSIHIDControl {
    Q_OBJECT
public:
    explicit TwVamokHIDControl(TAPSend& layer, QWidget* parent = nullptr);
};

class TwVentiqHIDControl : public TwSIHIDControl {
    Q_OBJECT
public:
    // Configures bridge for the Ventiq (never opened on arrival).
    explicit TwVentiqHIDControl(UsbBridge& bridge, QWidget* parent = nullptr);
};

} // namespace vamok
