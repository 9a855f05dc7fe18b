#include "profiles/ProfileWindow.h"

#include "core/AppState.h"
#include "core/Cp1252.h"
#include "core/Folders.h"
#include "core/MessageDialog.h"
#include "live/InstrumentDialogue.h"
#include "live/PresenceNotifier.h"
#include "profiles/ProfileAvailability.h"

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDate>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace vamok {

namespace {

constexpr const char* kNotAvailableName = "  N / A   ";
constexpr int kBoxWidth = 170;
constexpr int kBoxHeight = 19;
constexpr int kBoxRows = 19;
constexpr int kRightLeft = 2 * kBoxWidth + 24;

QPushButton* NewButton(QWidget* parent, const char* name, const char* caption, int top)
{
    auto* button = new QPushButton(FromCp1252(caption), parent);
    button->setObjectName(name);
    button->setGeometry(kRightLeft, top, 160, 25);
    button->setEnabled(false);
    return button;
}

bool BoxShown(const ProfileBox& box)
{
    return box.kind == ProfileBoxKind::Plain || (box.kind == ProfileBoxKind::Detail && App().DeveloperMode);
}

ProfileWindowDialogs DefaultDialogs(QWidget* parent)
{
    const auto filter = [](const std::string& title) { return FromCp1252(title + " (*.VPD)"); };
    return {
        [parent](const std::string& text, const std::string& caption) { ShowMessageBox(parent, text, caption); },
        [parent](const std::string& text, const std::string& caption) {
            return AskYesNoCancel(parent, text, caption);
        },
        [parent, filter](const std::string& title, const std::string& proposed) {
            return ToCp1252(QFileDialog::getSaveFileName(parent, FromCp1252(title),
                                                         FromCp1252(UserFolder() + proposed), filter(title)));
        },
        [parent, filter](const std::string& title) {
            return ToCp1252(QFileDialog::getOpenFileName(parent, FromCp1252(title), FromCp1252(UserFolder()),
                                                         filter(title)));
        },
    };
}

// The hourglass while a transfer runs, however it ends.
struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

} // namespace

TwTableSelectColsProfile::TwTableSelectColsProfile(CommandChannel& channel, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinMaxButtonsHint),
      channel_(channel),
      dialogs_(DefaultDialogs(this))
{
    setObjectName("TwTableSelectColsProfile");
    setWindowTitle("Profile");

    int shown = 0;
    for (const ProfileBox& box : ProfileBoxes()) {
        auto* check = new QCheckBox(FromCp1252(box.caption), this);
        check->setObjectName(QString::fromStdString(box.name));
        check->setProperty("tag", box.bit + 1);
        check->setChecked(box.bit < kNamedProfileBits);
        check->setEnabled(false);
        if (BoxShown(box)) {
            check->setGeometry(12 + (shown / kBoxRows) * kBoxWidth, 12 + (shown % kBoxRows) * kBoxHeight, kBoxWidth,
                               kBoxHeight);
            ++shown;
        } else {
            check->hide();
        }
        Boxes[static_cast<std::size_t>(box.bit)] = check;
        connect(check, &QCheckBox::clicked, this, [this, bit = box.bit](bool on) { boxClicked(bit, on); });
    }

    int top = 12;
    for (int n = 1; n <= kProfileCount; ++n) {
        auto* radio = new QRadioButton(n == 1 ? QString("Standard") : QString("USER%1").arg(n - 1), this);
        radio->setObjectName(QString("Profil%1").arg(n));
        radio->setGeometry(kRightLeft, top, 160, 20);
        radio->setEnabled(false);
        Profiles[static_cast<std::size_t>(n - 1)] = radio;
        connect(radio, &QRadioButton::clicked, this, [this, n] { ProfileClick(n); });
        top += 21;
    }
    top += 8;
    ProfilNameLabel = new QLabel(FromCp1252("Profil-Name:"), this);
    ProfilNameLabel->setObjectName("ProfilNameLabel");
    ProfilNameLabel->setGeometry(kRightLeft, top, 160, 18);
    ProfilName = new QLineEdit(FromCp1252(kNotAvailableName), this);
    ProfilName->setObjectName("ProfilName");
    ProfilName->setMaxLength(static_cast<int>(kDeviceProfileNameWidth));
    ProfilName->setGeometry(kRightLeft, top += 20, 160, 22);
    ProfilName->setEnabled(false);
    NoteLabel1 = new QLabel(FromCp1252("(Der Profil-Name ist nur im"), this);
    NoteLabel1->setObjectName("NoteLabel1");
    NoteLabel1->setGeometry(kRightLeft, top += 24, 180, 16);
    NoteLabel2 = new QLabel(FromCp1252("VAMOK selbst sichtbar)"), this);
    NoteLabel2->setObjectName("NoteLabel2");
    NoteLabel2->setGeometry(kRightLeft, top += 16, 180, 16);
    Read = NewButton(this, "Read", "Lesen", top += 26);
    Write = NewButton(this, "Write", "Schreiben", top += 30);
    ReadnSaveAll = NewButton(this, "ReadnSaveAll", "Export von VAMOK", top += 38);
    LoadnWriteAll = NewButton(this, "LoadnWriteAll", "Import zu VAMOK", top += 30);
    SelectAll = NewButton(this, "SelectAll", "Alle ausw\xE4hlen", top += 38);
    SelectNone = NewButton(this, "SelectNone", "Alle entfernen", top += 30);
    SchliessenBtn = NewButton(this, "SchliessenBtn", "Schlie\xDF" "en", top += 38);
    SchliessenBtn->setEnabled(true);

    const int bottom = std::max(top + 37, 12 + kBoxRows * kBoxHeight + 8);
    WarnLabel1 = new QLabel(FromCp1252("Diese Funktion ist in VAMOK Altarim nicht vorhanden!"), this);
    WarnLabel1->setObjectName("WarnLabel1");
    WarnLabel1->setGeometry(12, bottom, 2 * kBoxWidth, 20);
    WarnLabel1->setStyleSheet("color: red; font-weight: bold");
    WarnLabel1->hide();

    Lang = new QListWidget(this);
    Lang->setObjectName("Lang");
    for (const std::string& t : OriginalProfileTexts())
        Lang->addItem(FromCp1252(t));
    Lang->hide();
    setFixedSize(kRightLeft + 176, bottom + 28);

    connect(Read, &QPushButton::clicked, this, &TwTableSelectColsProfile::ReadClick);
    connect(Write, &QPushButton::clicked, this, &TwTableSelectColsProfile::WriteClick);
    connect(ReadnSaveAll, &QPushButton::clicked, this, &TwTableSelectColsProfile::ReadnSaveAllClick);
    connect(LoadnWriteAll, &QPushButton::clicked, this, &TwTableSelectColsProfile::LoadnWriteAllClick);
    connect(SchliessenBtn, &QPushButton::clicked, this, &TwTableSelectColsProfile::SchliessenBtnClick);
    connect(SelectAll, &QPushButton::clicked, this, [this] {
        editor_.SelectAll();
        showEditor();
    });
    connect(SelectNone, &QPushButton::clicked, this, [this] {
        editor_.SelectNone();
        showEditor();
    });
    connect(ProfilName, &QLineEdit::textEdited, this,
            [this](const QString& name) { editor_.EditName(ToCp1252(name)); });

    RegisterPresenceWindow(this);
}

TwTableSelectColsProfile::~TwTableSelectColsProfile()
{
    UnregisterPresenceWindow(this);
}

ProfileTexts TwTableSelectColsProfile::texts() const
{
    ProfileTexts t = OriginalProfileTexts();
    for (int i = 0; i < Lang->count() && i < PtTextCount; ++i)
        t[static_cast<std::size_t>(i)] = ToCp1252(Lang->item(i)->text());
    return t;
}

std::string TwTableSelectColsProfile::text(ProfileText t) const
{
    return texts()[static_cast<std::size_t>(t)];
}

ProfileLink TwTableSelectColsProfile::link() const
{
    return {channel_, WideProfileMasks(App().DeviceVersion), WaitProcessingEvents, [] { QApplication::beep(); }};
}

bool TwTableSelectColsProfile::event(QEvent* event)
{
    if (event->type() == DevicePresentNotification) {
        if (CurrentlyProfileCapable())
            enableInstrumentCommands(true);
        return true;
    }
    if (event->type() == DeviceAbsentNotification) {
        enableInstrumentCommands(false);
        enableEditing(false);
        ProfilName->setText(FromCp1252(kNotAvailableName));
        return true;
    }
    return QDialog::event(event);
}

void TwTableSelectColsProfile::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    const bool capable = CurrentlyProfileCapable();
    WarnLabel1->setVisible(!capable);
    if (!capable) {
        QCoreApplication::postEvent(this, new QEvent(DeviceAbsentNotification));
        return;
    }
    if (editor_.selected() == 0 && Read->isEnabled()) {
        Profiles[0]->setChecked(true);
        ProfileClick(1);
    }
}

void TwTableSelectColsProfile::reject()
{
    // Every way out (the button, Escape, the close box) asks before changes
    // are lost.
    if (editor_.modified() && !confirmDiscard(true))
        return;
    QDialog::reject();
}

void TwTableSelectColsProfile::enableInstrumentCommands(bool on)
{
    for (QWidget* w : std::initializer_list<QWidget*>{Read, Write, ReadnSaveAll, LoadnWriteAll})
        w->setEnabled(on);
    for (QRadioButton* radio : Profiles)
        radio->setEnabled(on);
}

void TwTableSelectColsProfile::enableEditing(bool on)
{
    for (const ProfileBox& box : ProfileBoxes())
        Boxes[static_cast<std::size_t>(box.bit)]->setEnabled(on && !box.alwaysDisabled);
    SelectAll->setEnabled(on);
    SelectNone->setEnabled(on);
    ProfilName->setEnabled(on && editor_.selected() > 1);
}

void TwTableSelectColsProfile::showEditor()
{
    for (int bit = 0; bit < kProfileBitCount; ++bit) {
        QCheckBox* box = Boxes[static_cast<std::size_t>(bit)];
        const QSignalBlocker quiet(box);
        box->setChecked(MaskBit(editor_.mask(), bit));
    }
    const QSignalBlocker quiet(ProfilName);
    ProfilName->setText(FromCp1252(editor_.selected() == 1 ? std::string("Standard") : editor_.name()));
}

void TwTableSelectColsProfile::boxClicked(int bit, bool on)
{
    editor_.ChangeBox(bit, on);
    showEditor();
}

bool TwTableSelectColsProfile::confirmDiscard(bool closing)
{
    return dialogs_.askYes(DiscardChangesQuestion(texts(), closing), text(PtWarning));
}

void TwTableSelectColsProfile::transferFailed()
{
    dialogs_.show(text(PtTransferFailed), text(PtError));
}

void TwTableSelectColsProfile::transferDone()
{
    dialogs_.show(text(PtTransferDone), text(PtNote));
}

void TwTableSelectColsProfile::runDialogue(std::function<void()> body)
{
    // Deferred bodies run after the poll tick in progress, so they capture
    // nothing of the caller's frame.
    if (InstrumentDialogue::Run(std::move(body)) == InstrumentDialogue::Start::Refused)
        transferFailed();
}

void TwTableSelectColsProfile::readIntoWindow()
{
    const std::optional<DeviceProfile> p = ReadProfile(link(), editor_.selected());
    if (p) {
        editor_.Show(*p);
        showEditor();
    }
    enableEditing(p.has_value());
    if (!p)
        transferFailed();
}

void TwTableSelectColsProfile::readSelected()
{
    if (editor_.selected() == 0) {
        transferFailed();
        return;
    }
    runDialogue([this] { readIntoWindow(); });
}

void TwTableSelectColsProfile::ProfileClick(int n)
{
    if (editor_.modified() && !confirmDiscard(false)) {
        const int previous = editor_.selected();
        for (QRadioButton* radio : Profiles)
            radio->setAutoExclusive(false);
        for (int k = 1; k <= kProfileCount; ++k)
            Profiles[static_cast<std::size_t>(k - 1)]->setChecked(k == previous);
        for (QRadioButton* radio : Profiles)
            radio->setAutoExclusive(true);
        return;
    }
    editor_.Select(n);
    Profiles[static_cast<std::size_t>(n - 1)]->setChecked(true);
    readSelected();
}

void TwTableSelectColsProfile::ReadClick()
{
    if (editor_.modified() && !confirmDiscard(false))
        return;
    editor_.ClearModified();
    readSelected();
}

void TwTableSelectColsProfile::WriteClick()
{
    if (editor_.selected() == 0) {
        transferFailed();
        return;
    }
    runDialogue([this, profile = editor_.Current()] {
        if (!WriteProfile(link(), profile)) {
            transferFailed();
            return;
        }
        transferDone();
        editor_.ClearModified();
        readIntoWindow();
    });
}

void TwTableSelectColsProfile::ReadnSaveAllClick()
{
    const QDate today = QDate::currentDate();
    const std::string path =
        dialogs_.saveFile(text(PtFileTitle), ProposedProfileFileName(today.year(), today.month(), today.day()));
    if (path.empty())
        return;
    AdoptUserPathFromFile(path);
    runDialogue([this, path] {
        std::vector<DeviceProfile> read;
        {
            const WaitCursor wait;
            read = ReadAllProfiles(link());
        }
        // The file is replaced only by a complete set, so a transfer that
        // breaks off never leaves a file that cannot be imported.
        if (read.size() < kProfileCount) {
            transferFailed();
            return;
        }
        if (const std::optional<std::string> error = SaveProfileFile(path, read)) {
            dialogs_.show(text(PtFileNotWritten) + "\r\n" + path + "\r\n" + *error, text(PtError));
            return;
        }
        editor_.ClearModified();
        transferDone();
    });
}

void TwTableSelectColsProfile::LoadnWriteAllClick()
{
    if (!dialogs_.askYes(OverwriteQuestion(texts()), text(PtWarning)))
        return;
    const std::string path = dialogs_.openFile(text(PtFileTitle));
    if (path.empty())
        return;
    const LoadedProfiles loaded = LoadProfileFile(path);
    if (!loaded.profiles) {
        dialogs_.show(ProfileFileProblemText(texts(), path, *loaded.problem), text(PtError));
        return;
    }
    AdoptUserPathFromFile(path);
    runDialogue([this, profiles = *loaded.profiles] {
        int written = 0;
        {
            const WaitCursor wait;
            written = WriteAllProfiles(link(), profiles);
        }
        if (written < kProfileCount) {
            transferFailed();
            return;
        }
        if (editor_.selected() != 0) {
            editor_.ClearModified();
            readIntoWindow();
        }
        transferDone();
        editor_.ClearModified();
    });
}

void TwTableSelectColsProfile::SchliessenBtnClick()
{
    reject();
}

} // namespace vamok
