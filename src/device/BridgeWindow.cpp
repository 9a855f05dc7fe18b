#include "device/BridgeWindow.h"

#include "core/Cp1252.h"
#include "device/TAPSend.h"
#include "device/UsbBridge.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateTime>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStatusBar>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vamok {

namespace {

constexpr int kBlinkMs = 1000;
// Widths of the full face's columns before the user changes them.
constexpr BridgeColumns::Widths kFullColumnWidths{90, 110, 190, 170, 50, 50, 60};

template <typename W>
W* Named(W* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QPushButton* Button(QWidget* parent, const char* caption, const char* name)
{
    return Named(new QPushButton(QString::fromLatin1(caption), parent), name);
}

QCheckBox* Check(QWidget* parent, const char* caption, const char* name)
{
    return Named(new QCheckBox(QString::fromLatin1(caption), parent), name);
}

QSpinBox* Spin(QWidget* parent, const char* name, int low, int high, int value)
{
    auto* spin = Named(new QSpinBox(parent), name);
    spin->setRange(low, high);
    spin->setValue(value);
    return spin;
}

void SetBackground(QWidget* widget, const QColor& color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
}

std::string Now()
{
    const QDateTime now = QDateTime::currentDateTime();
    return ToCp1252(QLocale().toString(now.date(), QLocale::ShortFormat) + QLatin1Char(' ')
                    + now.time().toString(QStringLiteral("HH:mm:ss")));
}

} // namespace

TwSIHIDControl::TwSIHIDControl(UsbBridge& bridge, const QString& title, QWidget* parent)
    : QWidget(parent), bridge_(bridge), columns_(kFullColumnWidths),
      log_({ToCp1252(QCoreApplication::applicationName()), ToCp1252(QCoreApplication::applicationFilePath())})
{
    setWindowTitle(title);
    setWindowFlags(Qt::Window | Qt::WindowStaysOnTopHint);
    bridge_.SetWindowTitle(ToCp1252(title));

    Lang = Named(new QListWidget(this), "Lang");
    for (const std::string& t : DefaultBridgeColumnTexts())
        Lang->addItem(FromCp1252(t));
    for (const std::string& t : DefaultAccessTexts())
        Lang->addItem(FromCp1252(t));
    Lang->hide();

    BuildCompactFace();
    BuildServiceFace();
    Connect();
    SetColumnWidths(kFullColumnWidths);
    ShowLog();
    blinkTimer_ = new QTimer(this);
    blinkTimer_->setSingleShot(true);
    blinkTimer_->setInterval(kBlinkMs);
    connect(blinkTimer_, &QTimer::timeout, this, [this] { USBChange->setPalette(QPalette()); });

    bridge_.Log = [this](const std::string& text) { Note(text); };
    bridge_.BytesLogged = [this](const std::string& bytes) { NoteReceived(bytes); };
    bridge_.ShowDeviceList = [this] { ShowCompact(); };
    bridge_.Indicate = [this](DeviceChange kind) { Indicate(kind); };
}

TwSIHIDControl::~TwSIHIDControl()
{
    bridge_.Log = nullptr;
    bridge_.BytesLogged = nullptr;
    bridge_.ShowDeviceList = nullptr;
    bridge_.Indicate = nullptr;
    bridge_.WatchDeviceChanges(false);
}

void TwSIHIDControl::BuildCompactFace()
{
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(Named(new QLabel(QStringLiteral("Active VAMOKrix: "), this), "Label1"));
    ActiveLabel = Named(new QLabel(QString::fromLatin1(kNoActiveDevice), this), "ActiveLabel");
    top->addWidget(ActiveLabel, 1);
    USBChange = Named(new QLabel(QStringLiteral("USB"), this), "USBChange");
    USBChange->setAutoFillBackground(true);
    USBChange->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    USBChanges = Named(new QLabel(QStringLiteral("0"), this), "USBChanges");
    top->addWidget(USBChange);
    top->addWidget(USBChanges);
    layout->addLayout(top);

    MultiDeviceLabel = Named(new QLabel(QStringLiteral("Es sind mehrere Ger\u00E4te vorhanden, bitte w\u00E4hlen Sie:"),
                                        this),
                             "MultiDeviceLabel");
    layout->addWidget(MultiDeviceLabel);
    AccessLabel = Named(new QLabel(this), "AccessLabel");
    AccessLabel->setWordWrap(true);
    AccessLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    AccessLabel->hide();
    layout->addWidget(AccessLabel);

    ListView1 = Named(new QTreeWidget(this), "ListView1");
    ListView1->setRootIsDecorated(false);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->header()->setStretchLastSection(false);
    ListView1->header()->setMinimumSectionSize(0);
    ListView1->setColumnCount(kBridgeColumnCount);
    layout->addWidget(ListView1, 1);

    auto* buttons = new QHBoxLayout;
    RefreshBtn = Button(this, "Refresh", "RefreshBtn");
    ApplyBtn = Named(new QPushButton(QStringLiteral("\u00DCbernehmen"), this), "ApplyBtn");
    CloseFormBtn = Button(this, "Schliessen", "CloseFormBtn");
    buttons->addWidget(RefreshBtn);
    buttons->addWidget(ApplyBtn);
    buttons->addStretch(1);
    buttons->addWidget(CloseFormBtn);
    layout->addLayout(buttons);

    ServicePanel = Named(new QWidget(this), "ServicePanel");
    layout->addWidget(ServicePanel, 2);

    StatusBar1 = Named(new QStatusBar(this), "StatusBar1");
    StatusBar1->setSizeGripEnabled(false);
    StatusPanel0 = new QLabel(StatusBar1);
    StatusBar1->addWidget(StatusPanel0, 1);
    layout->addWidget(StatusBar1);
}

void TwSIHIDControl::BuildServiceFace()
{
    QWidget* p = ServicePanel;
    auto* grid = new QGridLayout(p);
    grid->setContentsMargins(0, 0, 0, 0);

    Memo1 = Named(new QPlainTextEdit(p), "Memo1");
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    grid->addWidget(Memo1, 0, 0, 1, 6);

    ClearMemo = Button(p, "ClearMemo", "ClearMemo");
    LogMemo1 = Check(p, "Loggen On", "LogMemo1");
    LogBytes = Check(p, "LogBytes", "LogBytes");
    LogWithDate = Check(p, "LogWithDate", "LogWithDate");
    LogToFile = Check(p, "LogToFile", "LogToFile");
    LogAll = Check(p, "LogAll", "LogAll");
    int column = 0;
    for (QWidget* w : std::initializer_list<QWidget*>{ClearMemo, LogMemo1, LogBytes, LogWithDate, LogToFile, LogAll})
        grid->addWidget(w, 1, column++);

    SendEdit = Named(new QLineEdit(QStringLiteral("Ve"), p), "SendEdit");
    SendBtn = Button(p, "Send", "SendBtn");
    grid->addWidget(SendEdit, 2, 0, 1, 4);
    grid->addWidget(SendBtn, 2, 4);

    OpenBtn = Button(p, "Open", "OpenBtn");
    CloseBtn = Button(p, "Close", "CloseBtn");
    Receive = Button(p, "Receive", "Receive");
    DoUSBPoll = Check(p, "USBPoll", "DoUSBPoll");
    PollIntervall = Spin(p, "PollIntervall", 1, 100, 50);
    column = 0;
    for (QWidget* w : std::initializer_list<QWidget*>{OpenBtn, CloseBtn, Receive, DoUSBPoll, PollIntervall})
        grid->addWidget(w, 3, column++);

    SendWithSleep = Check(p, "SendWithSleep", "SendWithSleep");
    SendWithSleep->setChecked(bridge_.sendWithSleep);
    SleepEdit1 = Spin(p, "SleepEdit1", 0, 100, bridge_.sleepTenthsMs);
    sendWithNull = Check(p, "sendWithNull", "sendWithNull");
    sendWithNull->setChecked(bridge_.sendWithNull);
    grid->addWidget(SendWithSleep, 4, 0);
    grid->addWidget(SleepEdit1, 4, 1);
    grid->addWidget(sendWithNull, 4, 2);

    BaudEdit = Named(new QLineEdit(QString::number(bridge_.Baud()), p), "BaudEdit");
    ConfigBtn = Button(p, "Baudrate", "ConfigBtn");
    SpeedLabel = Named(new QLabel(p), "SpeedLabel");
    UnRegBtn = Button(p, "UnRegister", "UnRegBtn");
    NewRegBtn = Button(p, "NewRegister", "NewRegBtn");
    grid->addWidget(BaudEdit, 5, 0);
    grid->addWidget(ConfigBtn, 5, 1);
    grid->addWidget(SpeedLabel, 5, 2);
    grid->addWidget(UnRegBtn, 5, 4);
    grid->addWidget(NewRegBtn, 5, 5);

    PinPanel = Named(new QFrame(p), "PinPanel");
    PinPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    PinPanel->setAutoFillBackground(true);
    auto* pins = new QGridLayout(PinPanel);
    const std::pair<int, const char*> marks[] = {{0, "PinLabel0"}, {7, "PinLabel7"}, {8, "PinLabel8"}, {15, "PinLabel15"}};
    for (const auto& [bit, name] : marks)
        pins->addWidget(Named(new QLabel(QString::number(bit), PinPanel), name), 0, bit, Qt::AlignHCenter);
    for (int k = 0; k < kPinCount; ++k) {
        auto* box = new QCheckBox(PinPanel);
        box->setObjectName(QStringLiteral("CheckBox%1").arg(k + 1));
        box->setAccessibleName(QStringLiteral("Pin %1").arg(k));
        Pins[static_cast<std::size_t>(k)] = box;
        pins->addWidget(box, 1, k, Qt::AlignHCenter);
    }
    ReadLatchBtn = Button(PinPanel, "ReadLatch", "ReadLatchBtn");
    WriteLatchBtn = Button(PinPanel, "WriteLatch", "WriteLatchBtn");
    pins->addWidget(ReadLatchBtn, 2, 0, 1, 8);
    pins->addWidget(WriteLatchBtn, 2, 8, 1, 8);
    grid->addWidget(PinPanel, 6, 0, 1, 6);
}

void TwSIHIDControl::Connect()
{
    connect(RefreshBtn, &QPushButton::clicked, this, &TwSIHIDControl::RefreshBtnClick);
    connect(ApplyBtn, &QPushButton::clicked, this, &TwSIHIDControl::ApplyBtnClick);
    connect(CloseFormBtn, &QPushButton::clicked, this, &QWidget::close);
    connect(ListView1, &QTreeWidget::itemSelectionChanged, this, [this] {
        const QList<QTreeWidgetItem*> chosen = ListView1->selectedItems();
        bridge_.Select(chosen.isEmpty() ? -1 : ListView1->indexOfTopLevelItem(chosen.front()));
    });
    connect(ListView1, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item) { ListView1DblClick(ListView1->indexOfTopLevelItem(item)); });
    connect(OpenBtn, &QPushButton::clicked, this, &TwSIHIDControl::OpenBtnClick);
    connect(CloseBtn, &QPushButton::clicked, this, &TwSIHIDControl::CloseBtnClick);
    connect(Receive, &QPushButton::clicked, this, &TwSIHIDControl::ReceiveClick);
    connect(SendBtn, &QPushButton::clicked, this, &TwSIHIDControl::SendBtnClick);
    connect(ConfigBtn, &QPushButton::clicked, this, &TwSIHIDControl::ConfigBtnClick);
    connect(UnRegBtn, &QPushButton::clicked, this, &TwSIHIDControl::UnRegBtnClick);
    connect(NewRegBtn, &QPushButton::clicked, this, &TwSIHIDControl::NewRegBtnClick);
    connect(ReadLatchBtn, &QPushButton::clicked, this, &TwSIHIDControl::ReadLatchBtnClick);
    connect(WriteLatchBtn, &QPushButton::clicked, this, &TwSIHIDControl::WriteLatchBtnClick);
    connect(ClearMemo, &QPushButton::clicked, this, &TwSIHIDControl::ClearMemoClick);
    connect(DoUSBPoll, &QCheckBox::toggled, this, [this](bool on) { bridge_.pollingOn = on; });
    connect(PollIntervall, &QSpinBox::valueChanged, this, [this](int ms) { bridge_.pollIntervalMs = ms; });
    connect(SendWithSleep, &QCheckBox::toggled, this, [this](bool on) { bridge_.sendWithSleep = on; });
    connect(SleepEdit1, &QSpinBox::valueChanged, this, [this](int tenths) { bridge_.sleepTenthsMs = tenths; });
    connect(sendWithNull, &QCheckBox::toggled, this, [this](bool on) { bridge_.sendWithNull = on; });
    auto* toggle = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::ALT | Qt::Key_D), this);
    connect(toggle, &QShortcut::activated, this, &TwSIHIDControl::ToggleFace);
}

std::string TwSIHIDControl::ColumnText(int index) const
{
    return index < Lang->count() ? ToCp1252(Lang->item(index)->text())
                                 : DefaultBridgeColumnTexts()[static_cast<std::size_t>(index)];
}

AccessTexts TwSIHIDControl::AccessMessageTexts() const
{
    AccessTexts t = DefaultAccessTexts();
    for (int k = 0; k < kAccessTextCount && kBridgeColumnTextCount + k < Lang->count(); ++k)
        t[static_cast<std::size_t>(k)] = ToCp1252(Lang->item(kBridgeColumnTextCount + k)->text());
    return t;
}

BridgeColumns::Widths TwSIHIDControl::ColumnWidths() const
{
    BridgeColumns::Widths widths{};
    for (int c = 0; c < kBridgeColumnCount; ++c)
        widths[static_cast<std::size_t>(c)] = ListView1->header()->sectionSize(c);
    return widths;
}

void TwSIHIDControl::SetColumnWidths(const BridgeColumns::Widths& widths)
{
    for (int c = 0; c < kBridgeColumnCount; ++c)
        ListView1->header()->resizeSection(c, widths[static_cast<std::size_t>(c)]);
}

void TwSIHIDControl::ShowCompact()
{
    compact_ = true;
    bridge_.Refresh();
    if (isVisible())
        ApplyFace();
    show();
    raise();
    ShowState();
}

void TwSIHIDControl::ToggleFace()
{
    compact_ = !compact_;
    ApplyFace();
}

void TwSIHIDControl::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    BaudEdit->setText(QString::number(bridge_.Baud()));
    ApplyFace();
    ShowState();
}

void TwSIHIDControl::closeEvent(QCloseEvent* event)
{
    compact_ = false;
    QWidget::closeEvent(event);
}

void TwSIHIDControl::ApplyFace()
{
    QStringList captions;
    for (int k = 0; k < kBridgeColumnTextCount; ++k)
        captions << FromCp1252(ColumnText(k));
    for (const char* fixed : kBridgeFixedColumns)
        captions << QString::fromLatin1(fixed);
    ListView1->setHeaderLabels(captions);

    for (QWidget* w : std::initializer_list<QWidget*>{ServicePanel, USBChange, USBChanges})
        w->setVisible(!compact_);
    // The minimum size follows the face before the window takes its size.
    layout()->activate();
    if (compact_) {
        resize(kCompactWidth, kCompactHeight);
        layout()->activate();
        SetColumnWidths(columns_.Compact(ColumnWidths(), ListView1->width()));
    } else {
        SetColumnWidths(columns_.Full(ColumnWidths()));
        resize(kFullWidth, kFullHeight);
    }
    ShowEntries();
}

void TwSIHIDControl::ShowEntries()
{
    const std::vector<BridgeEntry>& entries = bridge_.Entries();
    const QSignalBlocker block(ListView1);
    if (entries != shown_) {
        shown_ = entries;
        ListView1->clear();
        for (const BridgeEntry& e : entries) {
            const std::string texts[] = {e.name, e.serial, e.product, e.path, e.vendorIdText, e.productIdText, ""};
            QStringList row;
            for (const std::string& t : texts)
                row << FromCp1252(t);
            ListView1->addTopLevelItem(new QTreeWidgetItem(row));
        }
    }
    const int selected = bridge_.Selected();
    ListView1->clearSelection();
    if (QTreeWidgetItem* item = ListView1->topLevelItem(selected)) {
        item->setSelected(true);
        ListView1->setCurrentItem(item);
    }
}

void TwSIHIDControl::ShowState()
{
    if (!bridge_.Caption().empty())
        setWindowTitle(FromCp1252(bridge_.Caption()));
    ShowEntries();
    ActiveLabel->setText(FromCp1252(bridge_.IsOpen() ? bridge_.ActiveDeviceText() : kNoActiveDevice));
    MultiDeviceLabel->setVisible(bridge_.MultiDeviceLabelVisible());
    const std::string advice = BridgeOpenAdvice(bridge_, AccessMessageTexts());
    AccessLabel->setText(FromCp1252(advice).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    AccessLabel->setVisible(!advice.empty());
    StatusPanel0->setText(FromCp1252(bridge_.StatusText()));
    USBChanges->setText(QString::number(bridge_.ChangeCount()));
    const QSignalBlocker block(DoUSBPoll);
    DoUSBPoll->setChecked(bridge_.pollingOn);
    if (bridge_.IsOpen())
        SpeedLabel->setText(QString::number(bridge_.ConfiguredSpeed()));
}

void TwSIHIDControl::ScheduleShowState()
{
    if (showPending_ || !isVisible())
        return;
    showPending_ = true;
    QTimer::singleShot(0, this, [this] {
        showPending_ = false;
        if (isVisible())
            ShowState();
    });
}

bool TwSIHIDControl::Logging() const { return LogMemo1->isChecked() && isVisible(); }

void TwSIHIDControl::ShowLog()
{
    QStringList lines;
    for (const std::string& line : log_.Lines())
        lines << FromCp1252(line);
    Memo1->setPlainText(lines.join(QLatin1Char('\n')));
    Memo1->moveCursor(QTextCursor::End);
}

void TwSIHIDControl::Note(const std::string& text)
{
    if (Logging()) {
        log_.Message(text, Now());
        ShowLog();
    }
    ScheduleShowState();
}

void TwSIHIDControl::NoteReceived(const std::string& bytes)
{
    if (Logging()) {
        log_.Received(bytes, LogBytes->isChecked(), LogWithDate->isChecked(), Now());
        ShowLog();
    }
    ScheduleShowState();
}

void TwSIHIDControl::Indicate(DeviceChange kind)
{
    SetBackground(USBChange, kind == DeviceChange::Arrival ? Qt::green : Qt::red);
    blinkTimer_->start();
    ScheduleShowState();
}

void TwSIHIDControl::MarkPins(bool failed)
{
    if (failed)
        SetBackground(PinPanel, Qt::red);
    else
        PinPanel->setPalette(QPalette());
}

void TwSIHIDControl::RefreshBtnClick()
{
    bridge_.Refresh();
    ShowState();
}

void TwSIHIDControl::ApplyBtnClick()
{
    bridge_.ApplySelection();
    ShowState();
}

void TwSIHIDControl::ListView1DblClick(int entry)
{
    bridge_.ChooseEntry(entry);
    ShowState();
}

void TwSIHIDControl::OpenBtnClick()
{
    bridge_.OpenSelected();
    ShowState();
}

void TwSIHIDControl::CloseBtnClick()
{
    bridge_.Close();
    ShowState();
}

void TwSIHIDControl::ReceiveClick()
{
    bridge_.StartPolling();
    ShowState();
}

void TwSIHIDControl::SendBtnClick()
{
    // Raw text, without framing: for talking to the bridge's UART directly.
    bridge_.SIHIDSendData(ToCp1252(SendEdit->text()));
    ShowState();
}

void TwSIHIDControl::ConfigBtnClick()
{
    const std::string text = ToCp1252(BaudEdit->text().trimmed());
    const std::optional<int> baud = BaudFromText(text);
    if (!baud) {
        Note("Invalid baud rate: " + text);
        return;
    }
    SpeedLabel->setText(QString::number(bridge_.SetUartSpeed(*baud)));
}

void TwSIHIDControl::UnRegBtnClick() { bridge_.WatchDeviceChanges(false); }

void TwSIHIDControl::NewRegBtnClick()
{
    bridge_.WatchDeviceChanges(false);
    bridge_.WatchDeviceChanges(true);
}

void TwSIHIDControl::ReadLatchBtnClick()
{
    std::uint16_t latch = 0;
    if (!bridge_.ReadLatch(&latch)) {
        MarkPins(true);
        return;
    }
    MarkPins(false);
    const PinStates pins = PinsFromLatch(latch);
    for (int k = 0; k < kPinCount; ++k)
        Pins[static_cast<std::size_t>(k)]->setChecked(pins[static_cast<std::size_t>(k)]);
}

void TwSIHIDControl::WriteLatchBtnClick()
{
    PinStates pins{};
    for (int k = 0; k < kPinCount; ++k)
        pins[static_cast<std::size_t>(k)] = Pins[static_cast<std::size_t>(k)]->isChecked();
    if (!bridge_.WriteLatch(LatchFromPins(pins))) {
        MarkPins(true);
        return;
    }
    MarkPins(false);
    ReadLatchBtnClick();
}

void TwSIHIDControl::ClearMemoClick()
{
    log_.Clear();
    Memo1->clear();
}

TwVamokHIDControl::TwVamokHIDControl(TAPSend& layer, QWidget* parent)
    : TwSIHIDControl(layer.Bridge(), QStringLiteral("VAMOK-USB"), parent)
{
    setObjectName(QStringLiteral("TwVamokHIDControl"));
}

TwVentiqHIDControl::TwVentiqHIDControl(UsbBridge& bridge, QWidget* parent)
    : TwSIHIDControl(bridge, QStringLiteral("Ventiq-USB"), parent)
{
    setObjectName(QStringLiteral("TwVentiqHIDControl"));
    bridge.ConfigureModel(true, false);
}

} // namespace vamok
