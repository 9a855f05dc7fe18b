#include "device/ComOptionWindow.h"

#include "core/AppState.h"
#include "core/ConnectionSettings.h"
#include "core/Cp1252.h"
#include "device/DemoLink.h"
#include "device/TAPSend.h"
#include "device/UsbBridge.h"
#include "live/InstrumentDialogue.h"
#include "live/PresencePoller.h"
#include "measure/BusyState.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

namespace vamok {

namespace {

enum Text {
    TextCannotOpen = 0,
    TextHint = 1,
    TextAttention = 13,
};

template <typename W>
W* Named(W* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QGroupBox* PathGroup(QWidget* parent, const char* name, const QString& title, QLineEdit*& edit,
                     const char* editName, QPushButton*& button, const char* buttonName)
{
    auto* box = Named(new QGroupBox(title, parent), name);
    auto* layout = new QVBoxLayout(box);
    edit = Named(new QLineEdit(box), editName);
    edit->setReadOnly(true);
    button = Named(new QPushButton(QStringLiteral("\u00C4ndern"), box), buttonName);
    layout->addWidget(edit);
    layout->addWidget(button);
    return box;
}

void SetPathText(QLineEdit* edit, const std::string& path)
{
    edit->setText(FromCp1252(path));
    edit->setToolTip(edit->text());
}

} // namespace

TComOption::TComOption(TAPSend& link, QWidget* parent) : QWidget(parent), link_(link), portSource_(PresentComPorts)
{
    setObjectName(QStringLiteral("ComOption"));
    setWindowTitle(App().ClearDialogCaptions ? QString() : QStringLiteral("Einstellungen"));
    setWindowFlags(Qt::Window | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    auto* layout = new QVBoxLayout(this);
    VAMOKRixCom = Named(new QRadioButton(QStringLiteral("VAMOK rix"), this), "VAMOKRixCom");
    VentiqCom = Named(new QRadioButton(QStringLiteral("Ventiq"), this), "VentiqCom");
    ShowVAMOKrix = Named(new QPushButton(QStringLiteral("Angeschlossene Ger\u00E4te"), this), "ShowVAMOKrix");
    UseVAMOKAltarim = Named(new QRadioButton(QStringLiteral("VAMOK altarim"), this), "UseVAMOKAltarim");
    ComBox = Named(new QComboBox(this), "ComBox");
    DevicePathEdit = Named(new QLineEdit(this), "DevicePathEdit");
    DevicePathEdit->setPlaceholderText(QStringLiteral("/dev/tty..."));
    SearchVamok = Named(new QPushButton(QStringLiteral("Vamok suchen"), this), "SearchVamok");
    SearchGlobe = Named(new QPushButton(QStringLiteral("Quadrovan suchen"), this), "SearchGlobe");
    VAMOKCom = Named(new QRadioButton(QStringLiteral("VAMOK"), this), "VAMOKCom");
    GlobeCom = Named(new QRadioButton(QStringLiteral("Quadrovan"), this), "GlobeCom");
    CheckCom = Named(new QPushButton(QStringLiteral("Schnittstellen-Check"), this), "CheckCom");
    DemoCom = Named(new QCheckBox(QStringLiteral("Demo-Ger\u00E4t"), this), "DemoCom");
    PathBox = PathGroup(this, "PathBox", QStringLiteral("Arbeits-Verzeichnis"), PathEdit, "PathEdit",
                        ChangeUserPath, "ChangeUserPath");
    AppDataBox = PathGroup(this, "AppDataBox", QStringLiteral("Anwendungsdaten"), AppDataPathEdit,
                           "AppDataPathEdit", ChangeAppdataPath, "ChangeAppdataPath");
    AppDataBox->hide();
    Sprache = Named(new QPushButton(QStringLiteral("Sprache"), this), "Sprache");
    BitBtn2 = Named(new QPushButton(QStringLiteral("Ok"), this), "BitBtn2");
    BitBtn2->setDefault(true);

    // Two choices: the model family, and under the altarim the plain
    // instrument or the gateway.
    auto* family = new QButtonGroup(this);
    for (QRadioButton* r : {VAMOKRixCom, VentiqCom, UseVAMOKAltarim})
        family->addButton(r);
    auto* gateway = new QButtonGroup(this);
    gateway->addButton(VAMOKCom);
    gateway->addButton(GlobeCom);

    for (QWidget* w : std::initializer_list<QWidget*>{VAMOKRixCom, VentiqCom, ShowVAMOKrix, UseVAMOKAltarim, ComBox,
                                                      DevicePathEdit, SearchVamok, SearchGlobe, VAMOKCom, GlobeCom,
                                                      CheckCom, DemoCom, PathBox, AppDataBox, Sprache, BitBtn2})
        layout->addWidget(w);

    Lang = Named(new QListWidget(this), "Lang");
    for (const auto& t : DefaultDiscoveryTexts())
        Lang->addItem(FromCp1252(t));
    for (const auto& t : DefaultAccessTexts())
        Lang->addItem(FromCp1252(t));
    Lang->hide();

    for (QRadioButton* r : {VAMOKRixCom, VentiqCom, UseVAMOKAltarim, VAMOKCom, GlobeCom}) {
        r->installEventFilter(this);
        connect(r, &QRadioButton::clicked, this, [this, r] {
            const LinkRadio which = r == VAMOKRixCom ? LinkRadio::Rix
                                    : r == VentiqCom ? LinkRadio::Ventiq
                                    : r == UseVAMOKAltarim ? LinkRadio::Altarim
                                    : r == VAMOKCom ? LinkRadio::PlainVamok
                                                    : LinkRadio::Globe;
            EnterRadio(which);
        });
    }
    connect(SearchVamok, &QPushButton::clicked, this, &TComOption::SearchVamokClick);
    connect(SearchGlobe, &QPushButton::clicked, this, &TComOption::SearchGlobeClick);
    connect(CheckCom, &QPushButton::clicked, this, &TComOption::CheckComClick);
    connect(ShowVAMOKrix, &QPushButton::clicked, this, &TComOption::ShowVAMOKrixClick);
    connect(Sprache, &QPushButton::clicked, this, &TComOption::SpracheClick);
    connect(ChangeUserPath, &QPushButton::clicked, this, &TComOption::ChangeUserPathClick);
    connect(ChangeAppdataPath, &QPushButton::clicked, this, &TComOption::ChangeAppdataPathClick);
    connect(BitBtn2, &QPushButton::clicked, this, &TComOption::Button1Click);

    RebuildPortList();
    ShowRadios(LinkRadios{});
    ComBox->setCurrentText(QStringLiteral("COM1"));
    setFixedWidth(sizeHint().width());
}

void TComOption::setLinks(ComOptionLinks links) { links_ = std::move(links); }

void TComOption::SetPortSource(std::function<std::vector<SerialCandidate>()> source)
{
    portSource_ = std::move(source);
    RebuildPortList();
}

DiscoveryTexts TComOption::Texts() const
{
    DiscoveryTexts t;
    for (int k = 0; k < kDiscoveryTextCount && k < Lang->count(); ++k)
        t[static_cast<std::size_t>(k)] = ToCp1252(Lang->item(k)->text());
    return t;
}

AccessTexts TComOption::AccessMessageTexts() const
{
    AccessTexts t = DefaultAccessTexts();
    for (int k = 0; k < kAccessTextCount && kDiscoveryTextCount + k < Lang->count(); ++k)
        t[static_cast<std::size_t>(k)] = ToCp1252(Lang->item(kDiscoveryTextCount + k)->text());
    return t;
}

void TComOption::Message(const std::string& text, int captionIndex)
{
    const std::string caption = Texts()[static_cast<std::size_t>(captionIndex)];
    if (links_.show)
        links_.show(text, caption);
    else
        QMessageBox::information(this, FromCp1252(caption), FromCp1252(text));
}

void TComOption::Message(int textIndex, int captionIndex)
{
    Message(Texts()[static_cast<std::size_t>(textIndex)], captionIndex);
}

void TComOption::RebuildPortList()
{
    ports_ = portSource_ ? portSource_() : std::vector<SerialCandidate>{};
    const QString text = ComBox->currentText();
    ComBox->clear();
    for (const auto& p : ports_)
        ComBox->addItem(FromCp1252(p.Name));
    ComBox->setEditable(true);
    ComBox->setCurrentText(text);
}

std::vector<std::string> TComOption::ListedPorts() const
{
    std::vector<std::string> names;
    for (int k = 0; k < ComBox->count(); ++k)
        names.push_back(ToCp1252(ComBox->itemText(k)));
    return names;
}

std::vector<SerialCandidate> TComOption::Candidates() const
{
    return SearchCandidates(ports_, ToCp1252(DevicePathEdit->text().trimmed()));
}

void TComOption::showEvent(QShowEvent* event)
{
    FormShow();
    QWidget::showEvent(event);
}

void TComOption::FormShow()
{
    RebuildPortList();
    if (App().UserPathSet)
        SetPathText(PathEdit, App().UserPath);
    SetPathText(AppDataPathEdit, App().AppDataPath);
    if (links_.languageCaption)
        Sprache->setText(FromCp1252(links_.languageCaption()));
    const LinkRadios radios = RadiosFromFlags(App());
    ShowRadios(radios);
    DemoCom->setChecked(App().DemoMode);
    DevicePathEdit->setText(FromCp1252(App().ComPortPath));
    ComBox->setCurrentText(QStringLiteral("COM%1").arg(App().ComPortNumber));
    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

LinkRadios TComOption::Radios() const
{
    LinkRadios r;
    r.Rix = VAMOKRixCom->isChecked();
    r.Ventiq = VentiqCom->isChecked();
    r.Altarim = UseVAMOKAltarim->isChecked();
    r.PlainVamok = VAMOKCom->isChecked();
    r.Globe = GlobeCom->isChecked();
    return r;
}

void TComOption::ShowRadios(const LinkRadios& r)
{
    VAMOKRixCom->setChecked(r.Rix);
    VentiqCom->setChecked(r.Ventiq);
    UseVAMOKAltarim->setChecked(r.Altarim);
    VAMOKCom->setChecked(r.PlainVamok);
    GlobeCom->setChecked(r.Globe);
    const LinkEnabling e = EnablingFor(r);
    for (QWidget* w : std::initializer_list<QWidget*>{ComBox, DevicePathEdit, SearchVamok, SearchGlobe, VAMOKCom,
                                                      GlobeCom, CheckCom})
        w->setEnabled(e.SerialControls);
    ShowVAMOKrix->setEnabled(e.ShowDevices);
}

void TComOption::ApplyLinkChoice(const LinkRadios& radios)
{
    ShowRadios(radios);
    link_.Bridge().ConfigureModel(App().VentiqMode, App().UsbMode);
}

void TComOption::EnterRadio(LinkRadio radio) { ApplyLinkChoice(vamok::EnterRadio(Radios(), radio, App())); }

bool TComOption::eventFilter(QObject* watched, QEvent* event)
{
    // The radio buttons act when the user enters them, not only when
    // clicked; the window getting active again changes nothing.
    const auto userEntered = [event] {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
               reason == Qt::MouseFocusReason || reason == Qt::ShortcutFocusReason;
    };
    if (event->type() == QEvent::FocusIn && userEntered()) {
        if (watched == VAMOKRixCom)
            EnterRadio(LinkRadio::Rix);
        else if (watched == VentiqCom)
            EnterRadio(LinkRadio::Ventiq);
        else if (watched == UseVAMOKAltarim)
            EnterRadio(LinkRadio::Altarim);
        else if (watched == VAMOKCom)
            EnterRadio(LinkRadio::PlainVamok);
        else if (watched == GlobeCom)
            EnterRadio(LinkRadio::Globe);
    }
    return QWidget::eventFilter(watched, event);
}

void TComOption::RunProbe(const std::function<void(const std::vector<SerialCandidate>&, const ProbeProgress&)>& probe)
{
    RebuildPortList();
    const std::vector<SerialCandidate> candidates = Candidates();
    const auto start = InstrumentDialogue::Run([this, candidates, probe] {
        BusyState& busy = Busy();
        busy.OperationStarted();
        busy.SetRange(0, std::max(1, static_cast<int>(candidates.size())));
        busy.SetPosition(0);
        busy.SetNumber("COM..");
        if (QWidget* w = links_.busyWindow) {
            // The busy window sits directly above this window.
            if (y() < w->frameGeometry().height())
                move(x(), w->frameGeometry().height());
            w->move(x(), y() - w->frameGeometry().height());
        }
        busy.Show();
        probe(candidates, [&busy](int index, const std::string& name) {
            busy.SetPosition(index);
            busy.SetNumber(name);
        });
        busy.Close();
    });
    if (start == InstrumentDialogue::Start::Refused)
        QApplication::beep();
}

void TComOption::CheckComClick()
{
    RunProbe([this](const std::vector<SerialCandidate>& candidates, const ProbeProgress& progress) {
        PortCheck check = CheckPorts(link_, candidates, progress);
        link_.Bridge().Refresh();
        check.Bridges = CheckBridges(link_.Bridge().Entries());
        Message(PortCheckMessage(check, Texts(), AccessMessageTexts()), TextAttention);
    });
}

void TComOption::SearchVamokClick()
{
    EnterRadio(LinkRadio::PlainVamok);
    RunProbe([this](const std::vector<SerialCandidate>& candidates, const ProbeProgress& progress) {
        const SearchResult result = SearchInstrument(link_, SearchKind::Vamok, candidates, progress,
                                                     [this](const std::string&) { Message(TextCannotOpen, TextHint); });
        if (result.Found)
            (result.Found->Number > 0 ? ComBox->setCurrentText(FromCp1252(result.Found->Name))
                                      : DevicePathEdit->setText(FromCp1252(result.Found->DevicePath)));
        Message(SearchMessage(SearchKind::Vamok, result, Texts()), TextAttention);
    });
}

void TComOption::SearchGlobeClick()
{
    EnterRadio(LinkRadio::Globe);
    RunProbe([this](const std::vector<SerialCandidate>& candidates, const ProbeProgress& progress) {
        const SearchResult result = SearchInstrument(link_, SearchKind::Quadrovan, candidates, progress,
                                                     [this](const std::string&) { Message(TextCannotOpen, TextHint); });
        if (result.Found)
            (result.Found->Number > 0 ? ComBox->setCurrentText(FromCp1252(result.Found->Name))
                                      : DevicePathEdit->setText(FromCp1252(result.Found->DevicePath)));
        Message(SearchMessage(SearchKind::Quadrovan, result, Texts()), TextAttention);
    });
}

void TComOption::ShowVAMOKrixClick()
{
    link_.Bridge().ConfigureModel(App().VentiqMode, App().UsbMode);
    if (links_.showBridgeDevices)
        links_.showBridgeDevices();
}

void TComOption::SpracheClick()
{
    if (links_.chooseLanguage)
        links_.chooseLanguage();
}

void TComOption::ChangeUserPathClick()
{
    if (links_.changeUserPath && links_.changeUserPath() && App().UserPathSet)
        SetPathText(PathEdit, App().UserPath);
}

void TComOption::ChangeAppdataPathClick()
{
    if (links_.changeAppDataPath && links_.changeAppDataPath())
        SetPathText(AppDataPathEdit, App().AppDataPath);
}

int TComOption::PortNumberFromList() const { return ParseCommPort(ToCp1252(ComBox->currentText())); }

void TComOption::Button1Click()
{
    // The demo instrument is a choice for this run only: nothing is stored,
    // so the user's real link is there again at the next start.
    if (DemoCom->isChecked()) {
        if (links_.poller)
            links_.poller->Stop();
        StartDemoLink(link_);
        if (links_.poller) {
            links_.poller->ResetPoller();
            links_.poller->Start();
        }
        close();
        return;
    }
    if (App().DemoMode) {
        App().DemoMode = false;
        link_.SetSerialSide(nullptr);
        link_.SetUsbFramesOnSerial(false);
    }
    const LinkRadios radios = Radios();
    FlagsFromRadios(radios, App());
    ApplyLinkChoice(radios);
    PresencePoller* poller = links_.poller;
    if (poller) {
        poller->Stop();
        poller->ResetPoller();
    }
    const int port = PortNumberFromList();
    const std::string path = ToCp1252(DevicePathEdit->text().trimmed());
    if (!App().UsbMode) {
        App().ComPortPath = path;
        App().ComPortNumber = port;
        bool opened = true;
        try {
            link_.SelectComPort(port);
        } catch (const PortOpenError&) {
            opened = false;
        }
        if (!opened) {
            Message(TextCannotOpen, TextHint);
            if (poller)
                poller->Start();
            ComBox->setCurrentText(QStringLiteral("COM%1").arg(link_.PortNumber()));
            return;
        }
    }
    WriteConnectionSettings(port, "");
    WriteCommDevice(App().ComPortPath);
    if (poller)
        poller->Start();
    close();
}

} // namespace vamok
