#include "app/MainWindow.h"

#include "app/AboutDialog.h"
#include "core/AppState.h"
#include "core/Cp1252.h"
#include "app/MainWindowLogic.h"
#include "core/Manual.h"
#include "core/MessageDialog.h"
#include "core/Painting.h"
#include "core/SettingsStore.h"
#include "app/StartupSettings.h"
#include "core/Switches.h"
#include "core/TextHelpers.h"
#include "app/Version.h"
#include "device/AccessMessages.h"
#include "device/TAPSend.h"
#include "i18n/LanguageEngine.h"
#include "i18n/QtTranslations.h"
#include "live/KnownVamoks.h"
#include "live/PresenceNotifier.h"
#include "types/TypeLibrary.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QOperatingSystemVersion>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QStatusBar>
#include <QHelpEvent>
#include <QThread>
#include <QToolTip>
#include <QTimer>

#include <algorithm>
#include <array>

namespace vamok {

namespace {

// The status bar panels' designed widths, and the room around a text that
// needs more.
constexpr std::array<int, 4> kPanelWidths{150, 185, 180, 50};
constexpr int kPanelPadding = 12;

constexpr int kClientWidth = 504;
constexpr int kClientHeight = 358;
constexpr int kTopBarHeight = 41;
// A hint shows after half a second and stays for 7.5 seconds.
constexpr int kHintPauseMs = 500;
constexpr int kHintHideMs = 7500;

// The platform's look with the program's hint pause.
class HintTimingStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_ToolTip_WakeUpDelay) {
            return kHintPauseMs;
        }
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// The background picture: a plain blend with the program's name.
QPixmap BackgroundPicture(const QSize& size, const QString& subtitle)
{
    QPixmap picture(size);
    QPainter painter(&picture);
    FillGradient(painter, QRect(QPoint(0, 0), size), 19);
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setPointSize(36);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRect(0, 0, size.width(), size.height() * 2 / 3), Qt::AlignCenter, "VAMOK");
    font.setPointSize(12);
    font.setBold(false);
    painter.setFont(font);
    painter.drawText(QRect(0, size.height() / 2, size.width(), size.height() / 3), Qt::AlignCenter,
                     subtitle);
    return picture;
}

QAction* AddAction(QMenu* menu, const char* name, const char* caption)
{
    QAction* action = menu->addAction(FromCp1252(caption));
    action->setObjectName(name);
    return action;
}

void AddSeparator(QMenu* menu, const char* name, bool visible = true)
{
    QAction* separator = menu->addSeparator();
    separator->setObjectName(name);
    separator->setVisible(visible);
}

QPushButton* AddTopButton(QWidget* bar, const char* name, const char* caption, int x)
{
    auto* button = new QPushButton(FromCp1252(caption), bar);
    button->setObjectName(name);
    button->setGeometry(x, 8, 90, 25);
    return button;
}

void ShowLines(QListWidget* list, const std::vector<std::string>& lines)
{
    list->clear();
    for (const std::string& line : lines) {
        list->addItem(FromCp1252(line));
    }
}

// Selected rows, last first, so that deleting keeps the others' positions.
std::vector<int> SelectedRowsDescending(const QListWidget* list)
{
    std::vector<int> rows;
    for (const QListWidgetItem* item : list->selectedItems()) {
        rows.push_back(list->row(item));
    }
    std::sort(rows.rbegin(), rows.rend());
    return rows;
}

} // namespace

TwVamok::TwVamok(std::vector<std::string> args, MainWindowDialogs dialogs, QWidget* parent)
    : QMainWindow(parent), args_(std::move(args)), dialogs_(std::move(dialogs))
{
    if (!dialogs_.show) {
        dialogs_.show = [this](const std::string& text, const std::string& caption) {
            ShowMessageBox(this, text, caption);
        };
    }
    if (!dialogs_.notify) {
        dialogs_.notify = [this](const std::string& text, const std::string& caption) {
            ShowMessageWithoutWaiting(this, text, caption);
        };
    }
    if (!dialogs_.askOkCancel) {
        dialogs_.askOkCancel = [this](const std::string& text, const std::string& caption) {
            return AskOkCancel(this, text, caption);
        };
    }

    setObjectName("TwVamok");
    setWindowTitle(kMainCaption);
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint);

    auto* client = new QWidget(this);
    client->setObjectName("Client");
    setCentralWidget(client);
    buildTopBar(client);
    buildClientArea(client);
    buildStatusBar();
    buildMenus();
    setFixedSize(kClientWidth, menuBar()->sizeHint().height() + kClientHeight);

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(100);
    ShowKnown = new QTimer(this);
    ShowKnown->setObjectName("ShowKnown");
    ShowKnown->setInterval(5000);
    GVTimer = new QTimer(this);
    GVTimer->setObjectName("GVTimer");
    GVTimer->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TwVamok::Timer1Timer);
    connect(ShowKnown, &QTimer::timeout, this, &TwVamok::ShowKnownTimer);
    connect(GVTimer, &QTimer::timeout, this, &TwVamok::GVTimerTimer);

    connectActions();
    RegisterPresenceWindow(this);
    FormCreate();
}

TwVamok::~TwVamok()
{
    UnregisterPresenceWindow(this);
    // The type lists go with the main window; the library keeps only its
    // placeholder, which every lookup relies on.
    ResetPCTypes();
    DeviceTypes().clear();
}

void TwVamok::buildTopBar(QWidget* client)
{
    auto* bar = new QWidget(client);
    bar->setObjectName("Panel1");
    bar->setGeometry(0, 0, kClientWidth, kTopBarHeight);
    OnlineButton = AddTopButton(bar, "OnlineButton", "Online", 4);
    Datenabruf = AddTopButton(bar, "Datenabruf", "Datenabruf", 98);
    APTDef = AddTopButton(bar, "APTDef", "Typ Definition", 192);
    DoProfiles = AddTopButton(bar, "DoProfiles", "Profile", 286);
    OptionsButton = AddTopButton(bar, "OptionsButton", "Einstellungen", 380);
}

QListWidget* TwVamok::addHiddenList(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setGeometry(geometry);
    list->hide();
    return list;
}

QLabel* TwVamok::addHiddenLabel(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->hide();
    return label;
}

void TwVamok::buildClientArea(QWidget* client)
{
    const QRect pictureArea(0, kTopBarHeight, kClientWidth, kClientHeight - kTopBarHeight - 22);
    BackgroundImage = new QLabel(client);
    BackgroundImage->setObjectName("BackgroundImage");
    BackgroundImage->setGeometry(pictureArea);
    BackgroundImage->setPixmap(BackgroundPicture(pictureArea.size(), "Arbeitsplatzbewertung"));
    BackgroundImageEnglish = new QLabel(client);
    BackgroundImageEnglish->setObjectName("BackgroundImageEnglish");
    BackgroundImageEnglish->setGeometry(pictureArea);
    BackgroundImageEnglish->setPixmap(BackgroundPicture(pictureArea.size(), "Workplace assessment"));
    BackgroundImageEnglish->hide();
    for (QLabel* picture : {BackgroundImage, BackgroundImageEnglish}) {
        picture->installEventFilter(this);
    }

    KnownVamoks = addHiddenList(client, "KnownVamoks", QRect(8, 48, 120, 150));
    KnownVamoks->setSelectionMode(QAbstractItemView::ExtendedSelection);
    UsedAPT = addHiddenList(client, "UsedAPT", QRect(136, 48, 64, 150));
    UsedAPT->setSelectionMode(QAbstractItemView::ExtendedSelection);
    KnownUserProfileNames = addHiddenList(client, "KnownUserProfileNames", QRect(8, 204, 120, 100));
    ShowProfileNames = new QPushButton("Profile", client);
    ShowProfileNames->setObjectName("ShowProfileNames");
    ShowProfileNames->setGeometry(136, 204, 64, 25);
    ShowProfileNames->hide();
    Ser1Trig = addHiddenList(client, "Ser1Trig", QRect(208, 48, 288, 120));
    SendCommands = addHiddenList(client, "SendCommands", QRect(208, 172, 288, 80));
    Received = addHiddenLabel(client, "Received", QRect(208, 256, 288, 16));
    RecLen = addHiddenLabel(client, "RecLen", QRect(208, 274, 140, 16));
    Serial1Error = addHiddenLabel(client, "Serial1Error", QRect(356, 274, 140, 16));
    lang = addHiddenList(client, "lang", QRect(0, 0, 10, 10));

    connect(KnownVamoks, &QListWidget::itemDoubleClicked, this, [this] { deleteSelectedKnownVamoks(); });
    connect(UsedAPT, &QListWidget::itemDoubleClicked, this, [this] { deleteSelectedUsedTypes(); });
    connect(ShowProfileNames, &QPushButton::clicked, this, &TwVamok::ShowProfileNamesClick);
}

void TwVamok::buildStatusBar()
{
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName("StatusBar1");
    StatusBar1->setSizeGripEnabled(false);
    setStatusBar(StatusBar1);
    const char* const captions[] = {"Schnittstelle", "Version", "Seriennummer", ""};
    for (std::size_t n = 0; n < std::size(captions); ++n) {
        auto* panel = new QLabel(FromCp1252(captions[n]), StatusBar1);
        panel->setObjectName(QString("Panel%1").arg(n));
        panel->setMinimumWidth(kPanelWidths[n]);
        panel->setAlignment(Qt::AlignCenter);
        StatusBar1->addWidget(panel);
        panels_.push_back(panel);
    }
}

void TwVamok::buildMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName("MainMenu1");

    QMenu* file = bar->addMenu("Datei");
    file->setObjectName("Datei1");
    Drucker1 = AddAction(file, "Drucker1", "Drucker einrichten");
    AddSeparator(file, "N1");
    Beenden = AddAction(file, "Beenden", "Beenden");

    QMenu* options = bar->addMenu("Optionen");
    options->setObjectName("Optionen1");
    Einstellungen1 = AddAction(options, "Einstellungen1", "Einstellungen...");
    Sprache1 = AddAction(options, "Sprache1", "Sprache");

    QMenu* vamok = bar->addMenu("VAMOK");
    vamok->setObjectName("VAMOK1");
    OnlineModus1 = AddAction(vamok, "OnlineModus1", "OnlineModus...");
    Datenabruf1 = AddAction(vamok, "Datenabruf1", "Datenabruf...");
    Typendefinition1 = AddAction(vamok, "Typendefinition1", "Typ Definition...");
    AddSeparator(vamok, "N2");
    Synchronisieren1 = AddAction(vamok, "Synchronisieren1", "Neu Synchronisieren");
    AddSeparator(vamok, "N3", false);
    Verbindung_herstellen = AddAction(vamok, "Verbindung_herstellen", "Verbindung herstellen");
    Verbindung_herstellen->setVisible(false);
    AddSeparator(vamok, "N4");
    PMVRechner1 = AddAction(vamok, "PMVRechner1", "PMV-Rechner");

    QMenu* extra = bar->addMenu("Extra");
    extra->setObjectName("Extra1");
    VAMOKUhrstellen1 = AddAction(extra, "VAMOKUhrstellen1", "VAMOK-Uhr stellen  (VAMOK-Rix, Ventiq)");
    astatursperreaufheben1 =
        AddAction(extra, "astatursperreaufheben1", "Tastatursperre aufheben  (VAMOK-Rix)");
    // Enabled by the presence notifications once a USB instrument answers.
    VAMOKUhrstellen1->setEnabled(false);
    astatursperreaufheben1->setEnabled(false);

    QMenu* help = bar->addMenu("&Hilfe");
    help->setObjectName("Hilfe1");
    InhaltVAMOKrix1 = AddAction(help, "InhaltVAMOKrix1", "Inhalt (VAMOK rix)");
    Inhalt1 = AddAction(help, "Inhalt1", "Inhalt (VAMOK altarim)");
    InhaltVentiq1 = AddAction(help, "InhaltVentiq1", "Inhalt (Ventiq)");
    Info2 = AddAction(help, "Info2", "In&fo...");
    QMenu* folders = help->addMenu("Verzeichnis-Verwaltung");
    folders->setObjectName("VerzeichnisVerwaltung1");
    Pfadeanzeigen1 = AddAction(folders, "Pfadeanzeigen1", "Pfade anzeigen");
}

void TwVamok::run(const std::function<void()>& action) const
{
    if (action) {
        action();
    }
}

void TwVamok::connectActions()
{
    const auto onClick = [this](QPushButton* button, QAction* action, auto handler) {
        if (button) {
            connect(button, &QPushButton::clicked, this, handler);
        }
        if (action) {
            connect(action, &QAction::triggered, this, handler);
        }
    };
    onClick(OnlineButton, OnlineModus1, [this] { run(links_.showOnline); });
    onClick(Datenabruf, Datenabruf1, [this] { DatenabrufClick(); });
    onClick(APTDef, Typendefinition1, [this] { run(links_.showTypeDefinition); });
    onClick(DoProfiles, nullptr, [this] {
        if (ProfilesAvailable()) {
            run(links_.showProfiles);
        }
    });
    onClick(OptionsButton, Einstellungen1, [this] { run(links_.showSettings); });
    onClick(nullptr, Sprache1, [this] { run(links_.chooseLanguage); });
    onClick(nullptr, Drucker1, [this] { run(links_.printerSetup); });
    onClick(nullptr, PMVRechner1, [this] { run(links_.showPmvCalculator); });
    onClick(nullptr, Synchronisieren1, [this] { Synchronisieren1Click(); });
    onClick(nullptr, Verbindung_herstellen, [this] { run(links_.enablePollTimer); });
    onClick(nullptr, VAMOKUhrstellen1, [this] { VAMOKUhrstellen1Click(); });
    onClick(nullptr, astatursperreaufheben1, [this] { astatursperreaufheben1Click(); });
    const auto manual = [this](bool rix, bool ventiq) {
        OpenManual(rix, ventiq, dialogs_.show, OpenWithDefaultViewer);
    };
    onClick(nullptr, InhaltVAMOKrix1, [manual] { manual(true, false); });
    onClick(nullptr, Inhalt1, [manual] { manual(false, false); });
    onClick(nullptr, InhaltVentiq1, [manual] { manual(false, true); });
    onClick(nullptr, Info2, [this] { Info2Click(); });
    onClick(nullptr, Pfadeanzeigen1, [this] { Pfadeanzeigen1Click(); });
    onClick(nullptr, Beenden, [this] { BeendenClick(); });
}

void TwVamok::setLinks(MainWindowLinks links)
{
    links_ = std::move(links);
}

std::string TwVamok::message(int index) const
{
    const QListWidgetItem* item = lang->item(index);
    return item ? ToCp1252(item->text()) : OriginalMainMessage(index);
}

MessageText TwVamok::messageSource() const
{
    return [this](int index) { return message(index); };
}

std::string TwVamok::statusPanel(int index) const
{
    if (index < 0 || index >= static_cast<int>(panels_.size())) {
        return {};
    }
    return ToCp1252(panels_[static_cast<std::size_t>(index)]->text());
}

void TwVamok::setStatusPanel(int index, const std::string& text)
{
    if (index < 0 || index >= static_cast<int>(panels_.size()))
        return;
    QLabel* panel = panels_[static_cast<std::size_t>(index)];
    panel->setText(FromCp1252(text));
    // At least the designed width, wider where a text needs it: a long serial
    // number must not be cut.
    const int needed = panel->fontMetrics().horizontalAdvance(panel->text()) + kPanelPadding;
    panel->setMinimumWidth(std::max(kPanelWidths[static_cast<std::size_t>(index)], needed));
}

void TwVamok::refreshSharedLists()
{
    ShowLines(KnownVamoks, vamok::KnownVamoks().Lines());
    ShowLines(UsedAPT, App().UsedAPT);
}

void TwVamok::setDiagnosticLine(int line, const std::string& text)
{
    constexpr int kMaxDiagnosticLines = 64;
    if (line < 0 || line >= kMaxDiagnosticLines) {
        return;
    }
    while (Ser1Trig->count() <= line) {
        Ser1Trig->addItem(QString());
    }
    Ser1Trig->item(line)->setText(FromCp1252(text));
}

void TwVamok::FormCreate()
{
    QApplication::beep();
    if (QOperatingSystemVersion::current().majorVersion() > 5) {
        App().ClearDialogCaptions = true;
    }
    App().DecimalSep = DecimalSepFromLocale();

    for (const char* text : kMainMessages) {
        lang->addItem(FromCp1252(text));
    }
    for (const std::string& text : DefaultAccessTexts()) {
        lang->addItem(FromCp1252(text));
    }

    InitLanguage(std::string(kSettingsKey) + "\\" + kLanguageSubKey, args_);
    // Before any dialog can show: Qt's own buttons and dialogs follow too.
    InstallQtTranslations(App().LanguageCode);
    if (App().LanguageCode == "Eng") {
        BackgroundImageEnglish->show();
        BackgroundImage->hide();
    }

    vamok::KnownVamoks().SetHeader(message(MsgKnownVamoks));
    vamok::KnownVamoks().Reset();
    ResetPCTypes();

    folderFailure_ = LoadStartupSettings(args_).folderFailure;

    Ser1Trig->setVisible(App().DeveloperMode || App().SerialDebugMode);
    for (QWidget* diagnostic : std::initializer_list<QWidget*>{SendCommands, Received, RecLen, Serial1Error}) {
        diagnostic->setVisible(App().SerialDebugMode);
    }
    refreshSharedLists();

    if (!dynamic_cast<HintTimingStyle*>(QApplication::style())) {
        QApplication::setStyle(new HintTimingStyle);
    }
    qApp->installEventFilter(this);

    if (folderFailure_) {
        dialogs_.show(kFolderFailureText, kFolderFailureCaption);
    }
    GVTimer->start();
}

void TwVamok::GVTimerTimer()
{
    GVTimer->stop();

    // A data file named on the command line. An empty or unreadable file
    // does not stop the start: the interface and the polling still start,
    // as the rest of the program expects them running.
    const std::string dataFile = DataFileArgument(args_);
    if (!dataFile.empty()) {
        switch (CheckDataFile(dataFile)) {
        case DataFileCheck::Empty:
            dialogs_.show(message(MsgFileEmpty), message(MsgError));
            break;
        case DataFileCheck::Unreadable: // the table window's open action says why
        case DataFileCheck::Ready:
            DatenabrufClick();
            if (links_.openDataFile) {
                links_.openDataFile(dataFile);
            }
            break;
        }
    }

    if (!App().UserPathSet) {
        run(links_.changeUserPath);
        run(links_.importTypes);
    }
    run(links_.selectComPort);
    if (links_.setupCommandWindow) {
        links_.setupCommandWindow(App().SerialDebugMode);
    }
    setWindowTitle(FromCp1252(std::string(kMainCaption) + " " + VersionText()));
    run(links_.startPolling);
    Timer1->start();
}

void TwVamok::Timer1Timer()
{
    if (firstStatusTick_) {
        firstStatusTick_ = false;
        show();
        Timer1->setInterval(1000);
    }
    if (links_.onlineReady && !links_.onlineReady()) {
        return;
    }
    setStatusPanel(0, InterfacePanelText(App().UsbMode, App().ComPortNumber, message(MsgInterfaceCom)));
    if (DeviceAnswering)
        accessRefusal_.clear();
    if (!accessRefusal_.empty()) {
        setStatusPanel(1, accessRefusal_);
    } else if (links_.onlineVersionLabel) {
        setStatusPanel(1, links_.onlineVersionLabel());
    }
}

void TwVamok::ReportAccessRefusal(const OpenFailure& failure)
{
    AccessTexts texts;
    for (std::size_t k = 0; k < texts.size(); ++k)
        texts[k] = message(MsgAccessTexts + static_cast<int>(k));
    accessRefusal_ = AccessRefusalSummary(failure, texts);
    setStatusPanel(1, accessRefusal_);
    if (accessRefusalShown_ || accessRefusal_.empty())
        return;
    accessRefusalShown_ = true;
    dialogs_.notify(AccessRefusalText(failure, texts), message(MsgAttention));
}

void TwVamok::DatenabrufClick()
{
    run(links_.showTable);
}

void TwVamok::Synchronisieren1Click()
{
    run(links_.resetPoller);
    DeviceTypes().clear();
    run(links_.selectComPort);
    BackgroundDblClick();
    vamok::KnownVamoks().RemoveAll(statusPanel(2));
    refreshSharedLists();
    run(links_.enablePollTimer);
}

void TwVamok::BackgroundDblClick()
{
    const bool secondClick = ShowKnown->isActive();
    ShowKnown->setInterval(500);
    if (secondClick) {
        setDiagnosticsVisible(true);
        ShowKnown->stop();
        ShowKnown->setInterval(10000);
    }
    ShowKnown->start();
}

void TwVamok::ShowKnownTimer()
{
    ShowKnown->stop();
    setDiagnosticsVisible(false);
}

void TwVamok::setDiagnosticsVisible(bool visible)
{
    if (visible) {
        refreshSharedLists();
    }
    for (QWidget* control :
         std::initializer_list<QWidget*>{KnownVamoks, UsedAPT, ShowProfileNames, KnownUserProfileNames}) {
        control->setVisible(visible);
    }
}

void TwVamok::ShowProfileNamesClick()
{
    KnownUserProfileNames->clear();
    for (std::size_t n = 2; n < App().ProfileNames.size(); ++n) {
        KnownUserProfileNames->addItem(FromCp1252(App().ProfileNames[n]));
    }
}

void TwVamok::deleteSelectedKnownVamoks()
{
    for (int row : SelectedRowsDescending(KnownVamoks)) {
        vamok::KnownVamoks().RemoveLine(static_cast<std::size_t>(row));
    }
    refreshSharedLists();
}

void TwVamok::deleteSelectedUsedTypes()
{
    auto& used = App().UsedAPT;
    for (int row : SelectedRowsDescending(UsedAPT)) {
        if (row < static_cast<int>(used.size())) {
            used.erase(used.begin() + row);
        }
    }
    refreshSharedLists();
}

void TwVamok::FormActivate()
{
    GuardPredefinedType(App().UsedAPT);
    refreshSharedLists();
}

void TwVamok::BeendenClick()
{
    if (!OnlineButton->isEnabled()) {
        return;
    }
    // The unsaved-data question is asked by the close request itself.
    close();
}

bool TwVamok::confirmDiscardUnsaved()
{
    return !App().MeasurementsModified ||
           dialogs_.askOkCancel(message(MsgUnsavedLost) + "\r\n" + message(MsgQuitAnyway),
                                message(MsgWarning));
}

void TwVamok::deviceCommandResult(bool acknowledged, int success, int failure, int successCaption,
                                  int failureCaption)
{
    if (acknowledged) {
        dialogs_.show(message(success), message(successCaption));
    } else {
        dialogs_.show(message(failure), message(failureCaption));
    }
}

void TwVamok::VAMOKUhrstellen1Click()
{
    if (!ClockAvailable() || !links_.setDeviceClock) {
        return;
    }
    links_.setDeviceClock([this](bool acknowledged) {
        deviceCommandResult(acknowledged, MsgClockSet, MsgClockFailed, MsgNote, MsgError);
    });
}

void TwVamok::astatursperreaufheben1Click()
{
    if (!KeyboardLockAvailable() || !links_.releaseKeyboardLock) {
        return;
    }
    links_.releaseKeyboardLock([this](bool acknowledged) {
        deviceCommandResult(acknowledged, MsgUnlockDone, MsgUnlockFailed, MsgUnlock, MsgUnlock);
    });
}

void TwVamok::Pfadeanzeigen1Click()
{
    dialogs_.show(PathsDisplayText(), message(MsgAttention));
}

void TwVamok::Info2Click()
{
    if (!links_.about) {
        return;
    }
    links_.about->setSuffixes("Qt " QT_VERSION_STR, "Win32-Zielplattform");
    links_.about->exec();
}

bool TwVamok::event(QEvent* event)
{
    if (event->type() == DevicePresentNotification || event->type() == DeviceAbsentNotification) {
        const bool enable = event->type() == DevicePresentNotification && App().UsbMode;
        VAMOKUhrstellen1->setEnabled(enable);
        astatursperreaufheben1->setEnabled(enable);
        return true;
    }
    if (event->type() == QEvent::WindowActivate) {
        FormActivate();
    }
    return QMainWindow::event(event);
}

bool TwVamok::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        return showHint(watched, static_cast<QHelpEvent*>(event));
    }
    if (event->type() == QEvent::MouseButtonDblClick &&
        (watched == BackgroundImage || watched == BackgroundImageEnglish)) {
        BackgroundDblClick();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TwVamok::showHint(QObject* watched, QHelpEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || !isAncestorOf(widget) || widget->toolTip().isEmpty()) {
        return false;
    }
    QToolTip::showText(event->globalPos(), widget->toolTip(), widget, QRect(), kHintHideMs);
    return true;
}

void TwVamok::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (App().TradeFairMode) {
        run(links_.showLiveDisplay);
    }
}

void TwVamok::closeEvent(QCloseEvent* event)
{
    // Every close request (menu, close box, window manager) asks once about
    // unsaved measurements, so none of them loses a readout silently.
    if (!CloseRequestAllowed(OnlineButton->isEnabled(), closeRequests_) || !confirmDiscardUnsaved()) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
    QCoreApplication::quit();
}

void TwVamok::FormClose()
{
    run(links_.closeLiveDisplay);
    run(links_.stopPolling);
    QCoreApplication::processEvents();

    std::vector<QTimer*> timers{Timer1, ShowKnown, GVTimer};
    for (QTimer* timer : qApp->findChildren<QTimer*>(Qt::FindDirectChildrenOnly)) {
        timers.push_back(timer);
    }
    for (QTimer* timer : timers) {
        timer->stop();
    }
    QCoreApplication::processEvents();
    QThread::msleep(20);
    QCoreApplication::processEvents();
    for (QTimer* timer : timers) {
        if (timer->isActive()) {
            QApplication::beep();
            timer->stop();
        }
    }
}

} // namespace vamok
