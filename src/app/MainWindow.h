#pragma once
// The main window: a small launcher with the status of the connected
// instrument, the menus that open every other window, and a few hidden
// lists other windows share.
#include "core/MainMessages.h"
#include "device/DeviceAccess.h"

#include <QMainWindow>
#include <functional>
#include <string>
#include <vector>

class QAction;
class QHelpEvent;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class QStatusBar;
class QTimer;

namespace vamok {

class TInfo;

// The other windows' actions the main window starts. main.cpp fills in
// what exists; an empty entry makes its menu item do nothing.
struct MainWindowLinks {
    std::function<void()> showOnline;          // non-modal
    std::function<void()> showTable;           // measurement table window
    std::function<void(const std::string&)> openDataFile; // table window's open action
    std::function<void()> showTypeDefinition;  // modal
    std::function<void()> importTypes;         // "Typdefinition importieren"
    std::function<void()> showProfiles;
    std::function<void()> showSettings;        // non-modal
    std::function<void()> changeUserPath;      // settings window's folder change
    std::function<void()> chooseLanguage;
    std::function<void()> printerSetup;
    std::function<void()> showPmvCalculator;   // non-modal
    std::function<void()> selectComPort;       // opens ComPortNumber; errors ignored
    std::function<void(bool terminalOn)> setupCommandWindow;
    std::function<void()> startPolling;        // online window's poll and presence timers
    std::function<void()> enablePollTimer;
    std::function<void()> resetPoller;
    std::function<bool()> onlineReady;         // the online window has been created
    std::function<std::string()> onlineVersionLabel;
    std::function<void()> showLiveDisplay;
    std::function<void()> closeLiveDisplay;
    std::function<void()> stopPolling;         // poll timer off, polling not allowed
    // Instrument actions run as dialogues, possibly only after the poll tick
    // in progress; `done` gets true when the instrument acknowledged.
    using DeviceAction = std::function<void(std::function<void(bool acknowledged)> done)>;
    DeviceAction setDeviceClock;
    DeviceAction releaseKeyboardLock;
    TInfo* about = nullptr;
};

// How the window talks to the user; message boxes unless replaced (tests).
struct MainWindowDialogs {
    std::function<void(const std::string& text, const std::string& caption)> show;
    std::function<bool(const std::string& text, const std::string& caption)> askOkCancel;
    // A message that must not hold up the program (it does not wait).
    std::function<void(const std::string& text, const std::string& caption)> notify;
};

class TwVamok : public QMainWindow {
    Q_OBJECT
public:
    // Runs the create handler: reads the settings, folders, switches and the
    // language before any other window exists. args: the command line.
    explicit TwVamok(std::vector<std::string> args, MainWindowDialogs dialogs = {},
                     QWidget* parent = nullptr);
    ~TwVamok() override;

    void setLinks(MainWindowLinks links);

    // Message n of the "lang" list as currently translated.
    std::string message(int index) const;
    MessageText messageSource() const;

    // Status panels: 0 interface, 1 version, 2 serial number (written by
    // the presence poller, read back as the instrument's identity).
    std::string statusPanel(int index) const;
    // A port or bridge this user may not open, or that another program
    // holds: named in the version panel until an instrument answers, and in
    // a message once per run that does not wait.
    void ReportAccessRefusal(const OpenFailure& failure);
    void setStatusPanel(int index, const std::string& text);

    // The hidden lists show the shared lists; call after changing them.
    void refreshSharedLists();
    // Line `line` of the diagnostic list `Ser1Trig` (lines are added as needed).
    void setDiagnosticLine(int line, const std::string& text);

    // Operations of other windows.
    void Synchronisieren1Click();
    void DatenabrufClick();

    // Handlers (public so that tests and other windows can drive them).
    void GVTimerTimer();
    void Timer1Timer();
    void ShowKnownTimer();
    void BackgroundDblClick();
    void BeendenClick();
    bool confirmDiscardUnsaved();
    void VAMOKUhrstellen1Click();
    void astatursperreaufheben1Click();
    void Pfadeanzeigen1Click();
    void Info2Click();
    void ShowProfileNamesClick();
    void FormActivate();

    // Top bar.
    QPushButton* OnlineButton = nullptr;
    QPushButton* Datenabruf = nullptr;
    QPushButton* APTDef = nullptr;
    QPushButton* DoProfiles = nullptr;
    QPushButton* OptionsButton = nullptr;

    QLabel* BackgroundImage = nullptr;
    QLabel* BackgroundImageEnglish = nullptr;

    // Hidden lists and diagnostics.
    QListWidget* KnownVamoks = nullptr;
    QListWidget* UsedAPT = nullptr;
    QListWidget* Ser1Trig = nullptr;
    QListWidget* SendCommands = nullptr;
    QLabel* Received = nullptr;
    QLabel* RecLen = nullptr;
    QLabel* Serial1Error = nullptr;
    QListWidget* KnownUserProfileNames = nullptr;
    QPushButton* ShowProfileNames = nullptr;
    QListWidget* lang = nullptr;

    QStatusBar* StatusBar1 = nullptr;

    QAction* Drucker1 = nullptr;
    QAction* Beenden = nullptr;
    QAction* Einstellungen1 = nullptr;
    QAction* Sprache1 = nullptr;
    QAction* OnlineModus1 = nullptr;
    QAction* Datenabruf1 = nullptr;
    QAction* Typendefinition1 = nullptr;
    QAction* Synchronisieren1 = nullptr;
    QAction* Verbindung_herstellen = nullptr;
    QAction* PMVRechner1 = nullptr;
    QAction* VAMOKUhrstellen1 = nullptr;
    QAction* astatursperreaufheben1 = nullptr;
    QAction* InhaltVAMOKrix1 = nullptr;
    QAction* Inhalt1 = nullptr;
    QAction* InhaltVentiq1 = nullptr;
    QAction* Info2 = nullptr;
    QAction* Pfadeanzeigen1 = nullptr;

    QTimer* Timer1 = nullptr;
    QTimer* ShowKnown = nullptr;
    QTimer* GVTimer = nullptr;

    // The close requests counted towards the fifth, which is always granted.
    int closeRequests() const { return closeRequests_; }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void FormClose();
    void buildTopBar(QWidget* client);
    void buildClientArea(QWidget* client);
    void buildStatusBar();
    void buildMenus();
    void connectActions();
    QListWidget* addHiddenList(QWidget* parent, const char* name, const QRect& geometry);
    QLabel* addHiddenLabel(QWidget* parent, const char* name, const QRect& geometry);
    void setDiagnosticsVisible(bool visible);
    void deviceCommandResult(bool acknowledged, int success, int failure, int successCaption,
                             int failureCaption);
    void deleteSelectedKnownVamoks();
    void deleteSelectedUsedTypes();
    void run(const std::function<void()>& action) const;
    // Hints of the main window's controls, with the program's display time.
    bool showHint(QObject* watched, QHelpEvent* event);

    std::vector<std::string> args_;
    MainWindowDialogs dialogs_;
    MainWindowLinks links_;
    bool folderFailure_ = false;
    bool firstStatusTick_ = true;
    std::string accessRefusal_;
    bool accessRefusalShown_ = false;
    int closeRequests_ = 0;
    std::vector<QLabel*> panels_;
};

} // namespace vamok
