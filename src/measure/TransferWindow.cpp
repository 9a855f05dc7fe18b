#include "measure/TransferWindow.h"

#include "core/AppState.h"
#include "core/Cp1252.h"
#include "core/Folders.h"
#include "core/Manual.h"
#include "core/MessageDialog.h"
#include "live/InstrumentDialogue.h"
#include "live/PresenceNotifier.h"
#include "measure/BusyState.h"
#include "measure/CellHints.h"
#include "measure/Clipboard.h"
#include "measure/ColumnLayout.h"
#include "measure/DataFileCommands.h"
#include "measure/FixedColumnWidget.h"
#include "measure/GetSelectDialog.h"
#include "measure/NameTypDialog.h"
#include "measure/PmvAirVelocity.h"
#include "measure/RatingMark.h"
#include "measure/TableCells.h"
#include "measure/TableEditing.h"
#include "measure/TableViews.h"
#include "measure/TransferTexts.h"
#include "profiles/ColumnDefinition.h"
#include "types/RatingText.h"
#include "types/TypeLibrary.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QStatusBar>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>

namespace vamok {

namespace {

constexpr int kSmallPanel = 131;
constexpr int kLargePanel = 320;
constexpr int kTitleLength = 50;
constexpr int kRowHeight = 24;

QString Q(const std::string& cp1252) { return FromCp1252(cp1252); }

// Draws the cell as usual, then its rating mark.
class RatingDelegate : public QStyledItemDelegate {
public:
    using MarkOf = std::function<Rating(int row, int column)>;
    RatingDelegate(MarkOf mark, QObject* parent) : QStyledItemDelegate(parent), mark_(std::move(mark)) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::paint(painter, option, index);
        const auto colour = RatingMarkColor(mark_(index.row() + 1, index.column()));
        if (colour)
            painter->fillRect(RatingMarkRect(option.rect), *colour);
    }

private:
    MarkOf mark_;
};

// A grid cell whose accessible description (its rating in words and its
// hint) is asked of the window when assistive technology reads it, so that
// it always follows the table, the types and the window's language.
class DescribedCell : public QTableWidgetItem {
public:
    using Describe = std::function<QString(int row, int column)>;
    explicit DescribedCell(Describe describe) : describe_(std::move(describe)) {}

    QVariant data(int role) const override
    {
        if (role == Qt::AccessibleDescriptionRole && tableWidget())
            return describe_(row(), column());
        return QTableWidgetItem::data(role);
    }

private:
    Describe describe_;
};

// Nothing to park here: the readout runs as an instrument dialogue, which
// parks the presence poller for its whole duration.
class DialogueParksPoller : public PollerControl {
public:
    void Park() override {}
    void Resume() override {}
};

QAction* AddItem(QMenu* menu, const char* name, const std::string& caption,
                 const QKeySequence& shortcut = {})
{
    auto* action = menu->addAction(Q(caption));
    action->setObjectName(QString::fromLatin1(name));
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    return action;
}

QMenu* AddMenu(QMenuBar* bar, const char* name, const std::string& caption)
{
    QMenu* menu = bar->addMenu(Q(caption));
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

QAction* Checkable(QAction* action)
{
    action->setCheckable(true);
    return action;
}

QPushButton* AddButton(QWidget* parent, QHBoxLayout* row, const char* name, const std::string& caption,
                       const std::string& hint)
{
    auto* button = new QPushButton(Q(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(Q(hint));
    button->setStatusTip(Q(hint));
    row->addWidget(button);
    return button;
}

} // namespace

TransferDialogs DefaultTransferDialogs(QWidget* parent)
{
    TransferDialogs d;
    d.show = [parent](const std::string& text, const std::string& caption) {
        ShowMessageBox(parent, text, caption);
    };
    d.askYesNo = [parent](const std::string& text, const std::string& caption) {
        return AskYesNo(parent, text, caption);
    };
    d.askOkCancel = [parent](const std::string& text, const std::string& caption) {
        return AskOkCancel(parent, text, caption);
    };
    return d;
}

TTransferVamokPC::TTransferVamokPC(CommandChannel& channel, TGetSelect& rangeDialog,
                                   TNameTyp& nameTypeDialog, QWidget* parent)
    : QMainWindow(parent), channel_(channel), rangeDialog_(rangeDialog), nameTypeDialog_(nameTypeDialog)
{
    dialogs_ = DefaultTransferDialogs(this);
    FormCreate();
}

TTransferVamokPC::~TTransferVamokPC()
{
    UnregisterPresenceWindow(this);
    WriteTableSettings(settings_);
}

void TTransferVamokPC::setLinks(TransferWindowLinks links)
{
    links_ = std::move(links);
    Info1->setEnabled(bool(links_.about));
    Arbeitsplatzdefinitionenauswhlen1->setEnabled(bool(links_.chooseTypes));
    for (QAction* item : {DruckUser_1, DruckUser_2, DruckUser_3, DruckUser_4, DruckenAnzeige1, Drucken1})
        item->setEnabled(bool(links_.print));
    Print->setEnabled(bool(links_.printAll));
    Druckereinrichten1->setEnabled(bool(links_.printerSetup));
    WriteButton->setEnabled(false);
    Datenschreiben1->setEnabled(false);
}

void TTransferVamokPC::setDialogs(TransferDialogs dialogs)
{
    const TransferDialogs defaults = DefaultTransferDialogs(this);
    if (!dialogs.show)
        dialogs.show = defaults.show;
    if (!dialogs.askYesNo)
        dialogs.askYesNo = defaults.askYesNo;
    if (!dialogs.askOkCancel)
        dialogs.askOkCancel = defaults.askOkCancel;
    dialogs_ = std::move(dialogs);
}

// ---- Creation ------------------------------------------------------------

void TTransferVamokPC::FormCreate()
{
    setObjectName(QStringLiteral("TransferVamokPC"));
    setWindowTitle(QStringLiteral("Datenabruf"));
    // Room for the name, the type and the first dozen quantities at once.
    resize(1000, 640);
    plainCaption_.clear();

    Lang = new QListWidget(this);
    Lang->setObjectName(QStringLiteral("Lang"));
    Lang->hide();
    for (const char* text : TransferLangTexts()) {
        Lang->addItem(Q(text));
        untranslated_.emplace_back(text);
    }

    CreateControls();
    CreateMenus();
    ConnectControls();

    const bool devOrSer = App().DeveloperMode || App().SerialDebugMode;
    for (QAction* item : {ImmerSchwarzWeiss1, ImmerFarbe1, AlleEditieren1, DruckUser_3, DruckUser_4,
                          Benutzerdefiniert[2], Benutzerdefiniert[3]})
        item->setVisible(devOrSer);
    if (!devOrSer) {
        ImmerSchwarzWeiss1->setChecked(false);
        ImmerFarbe1->setChecked(false);
        AlleEditieren1->setChecked(false);
    }
    Messwertelesendebug1->setVisible(App().DeveloperMode);
    NurVentiqauslesen1->setVisible(App().VentiqMode);

    range_ = RangeSelection{};
    settings_ = ReadTableSettings(devOrSer);
    if (settings_.userView != 0)
        views_.chooseUserView(settings_.userView);
    const bool startInPmvView = StartsInPmvView(settings_);
    ApplyKinds(StandardViewKinds());
    ApplySettingsToMenus();
    if (startInPmvView && !PMVPredictMeanVote2->isChecked()) {
        views_.clearUserView();
        PMVPredictMeanVoteClick();
    }
    setLinks({});
    SetInstrumentControls(false);
}

void TTransferVamokPC::CreateControls()
{
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    setCentralWidget(central);

    Panel1 = new QWidget(central);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedHeight(41);
    auto* top = new QHBoxLayout(Panel1);
    ReadButton = AddButton(Panel1, top, "ReadButton", "Messwerte lesen",
                           "Messwerte vom VAMOK zum PC \xFC" "bertragen");
    WriteButton = AddButton(Panel1, top, "WriteButton", "Name/Typ -> VAMOK",
                            "Definitionen (Namen und Typen) zum Vamok \xFC" "bertragen");
    kopieren = AddButton(Panel1, top, "kopieren", "Kopieren",
                         "markierte Zeilen in die Zwischenablage kopieren (f\xFCr den Export in "
                         "Textverarbeitungsprogramme)");
    Print = AddButton(Panel1, top, "Print", "Drucken", "Tabelle drucken");
    BitBtn1 = AddButton(Panel1, top, "BitBtn1", "Schlie\xDF" "en", "Fenster schlie\xDF" "en");
    PrintP2ColwidthLikerP1 = new QCheckBox(QStringLiteral("PrintP2ColwidthLikerP1"), Panel1);
    PrintP2ColwidthLikerP1->setObjectName(QStringLiteral("PrintP2ColwidthLikerP1"));
    PrintP2ColwidthLikerP1->setChecked(true);
    PrintP2ColwidthLikerP1->hide();
    MaxPrintCols = new QSpinBox(Panel1);
    MaxPrintCols->setObjectName(QStringLiteral("MaxPrintCols"));
    MaxPrintCols->setRange(0, 99);
    MaxPrintCols->setValue(18);
    MaxPrintCols->hide();
    top->addWidget(PrintP2ColwidthLikerP1);
    top->addWidget(MaxPrintCols);
    top->addStretch(1);
    layout->addWidget(Panel1);

    titelfeld = new QWidget(central);
    titelfeld->setObjectName(QStringLiteral("titelfeld"));
    titelfeld->setFixedHeight(33);
    auto* title = new QHBoxLayout(titelfeld);
    title->setContentsMargins(4, 2, 4, 2);
    Label2 = new QLabel(QStringLiteral("Projekt-Titel:"), titelfeld);
    Label2->setObjectName(QStringLiteral("Label2"));
    TitelEdit = new QLineEdit(QStringLiteral("VAMOK - Daten"), titelfeld);
    TitelEdit->setObjectName(QStringLiteral("TitelEdit"));
    TitelEdit->setMaxLength(kTitleLength);
    title->addWidget(Label2);
    title->addWidget(TitelEdit, 1);
    layout->addWidget(titelfeld);

    Speicher = new QTableWidget(kRowCount, 0, central);
    Speicher->setObjectName(QStringLiteral("Speicher"));
    const std::string gridHint = "Zum editieren von Name und Typ bitte Zeile 'doppelklicken'.";
    Speicher->setToolTip(Q(gridHint));
    Speicher->setStatusTip(Q(gridHint));
    Speicher->verticalHeader()->hide();
    Speicher->verticalHeader()->setDefaultSectionSize(kRowHeight);
    Speicher->horizontalHeader()->setDefaultSectionSize(100);
    // Left, as the cells are: a heading too long for its column keeps its
    // start readable (centred text is cut on both sides); the full heading
    // is the header's tooltip.
    Speicher->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Speicher->setSelectionMode(QAbstractItemView::ContiguousSelection);
    Speicher->setSelectionBehavior(QAbstractItemView::SelectRows);
    Speicher->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed |
                              QAbstractItemView::SelectedClicked);
    auto mark = [this](int n, int column) { return MarkAt(n, column); };
    Speicher->setItemDelegate(new RatingDelegate(mark, Speicher));
    fixedColumn_ = new FixedColumnWidget(*Speicher, new RatingDelegate(mark, Speicher));
    fixedColumn_->horizontalHeader()->setDefaultAlignment(Speicher->horizontalHeader()->defaultAlignment());
    fixedColumn_->viewport()->installEventFilter(this);
    fixedColumn_->horizontalHeader()->viewport()->installEventFilter(this);
    connect(fixedColumn_, &QTableView::doubleClicked, this, [this] { EditierenClick(); });
    Speicher->viewport()->installEventFilter(this);
    Speicher->horizontalHeader()->viewport()->installEventFilter(this);
    Speicher->installEventFilter(this);
    layout->addWidget(Speicher, 1);

    BottomPanel = new QWidget(central);
    BottomPanel->setObjectName(QStringLiteral("BottomPanel"));
    auto* bottom = new QVBoxLayout(BottomPanel);
    bottom->setContentsMargins(4, 2, 4, 2);
    Label1 = new QLabel(QStringLiteral("Anmerkungen/ Notizen zum Projekt:"), BottomPanel);
    Label1->setObjectName(QStringLiteral("Label1"));
    Memo1 = new QPlainTextEdit(BottomPanel);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->installEventFilter(this);
    Memo1->viewport()->installEventFilter(this);
    BusyBar = new QProgressBar(BottomPanel);
    BusyBar->setObjectName(QStringLiteral("BusyBar"));
    BusyBar->setRange(1, 100);
    BusyBar->setValue(0);
    BusyBar->setTextVisible(false);
    bottom->addWidget(Label1);
    bottom->addWidget(Memo1, 1);
    bottom->addWidget(BusyBar);
    layout->addWidget(BottomPanel);
    SetMemoEnlarged(false);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    setStatusBar(StatusBar1);
}

void TTransferVamokPC::CreateMenus()
{
    QMenuBar* bar = menuBar();
    QMenu* file = AddMenu(bar, "Datei1", "Datei");
    Neu1 = AddItem(file, "Neu1", "Neu...");
    Oeffnen = AddItem(file, "Oeffnen", "\xD6" "ffnen...");
    Speichern = AddItem(file, "Speichern", "Speichern unter...");
    file->addSeparator();
    ImmerSchwarzWeiss1 = Checkable(AddItem(file, "ImmerSchwarzWeiss1", "Druck immer SchwarzWeiss"));
    ImmerFarbe1 = Checkable(AddItem(file, "ImmerFarbe1", "Druck immer Farbe"));
    DruckUser_3 = AddItem(file, "DruckUser_3", "Drucken Benutzerdefinition3");
    DruckUser_4 = AddItem(file, "DruckUser_4", "Drucken Benutzerdefinition4");
    DruckenAnzeige1 = AddItem(file, "DruckenAnzeige1", "Drucken aktueller Anzeige", QKeySequence(Qt::CTRL | Qt::Key_P));
    DruckUser_1 = AddItem(file, "DruckUser_1", "Drucken Benutzerdefinition1");
    DruckUser_2 = AddItem(file, "DruckUser_2", "Drucken Benutzerdefinition2");
    Drucken1 = AddItem(file, "Drucken1", "Drucken aller Messbereiche");
    Druckereinrichten1 = AddItem(file, "Druckereinrichten1", "Drucker einrichten");
    file->addSeparator();
    Schlieen1 = AddItem(file, "Schlieen1", "Schlie\xDF" "en");

    QMenu* edit = AddMenu(bar, "Bearbeiten1", "Bearbeiten");
    Kopieren1 = AddItem(edit, "Kopieren1", "Kopieren");
    Editieren1 = AddItem(edit, "Editieren1", "Editieren...");
    ZeigeBewertungausDatei1 = Checkable(AddItem(edit, "ZeigeBewertungausDatei1", "Bewertung aus Datei verwenden. "));
    ZeigeBewertungausDatei1->setEnabled(false);
    markierteZeilenlschen1 = AddItem(edit, "markierteZeilenlschen1", "markierte Zeilen l\xF6schen");
    Alleslschen1 = AddItem(edit, "Alleslschen1", "Alles l\xF6schen");
    edit->addSeparator();
    Arbeitsplatzdefinitionenauswhlen1 =
        AddItem(edit, "Arbeitsplatzdefinitionenauswhlen1", "Arbeitsplatzdefinitionen ausw\xE4hlen...");

    QMenu* vamok = AddMenu(bar, "VAMOK1", "VAMOK");
    Datenlesen1 = AddItem(vamok, "Datenlesen1", "Messwerte lesen", QKeySequence(Qt::CTRL | Qt::Key_R));
    MesswerteAnfuegen = AddItem(vamok, "MesswerteAnfuegen", "Messwerte lesen und einf\xFCgen");
    NurGlobetemperaturlesen1 = AddItem(vamok, "NurGlobetemperaturlesen1", "Nur Quadrovan auslesen");
    NurVentiqauslesen1 = AddItem(vamok, "NurVentiqauslesen1", "Ventiq auslesen und einf\xFCgen");
    vamok->addSeparator();
    Datenschreiben1 = AddItem(vamok, "Datenschreiben1", "Definitionen schreiben", QKeySequence(Qt::CTRL | Qt::Key_W));

    QMenu* view = AddMenu(bar, "Tabellenansicht1", "Tabellenansicht");
    auto* views = new QActionGroup(this);
    PMVPredictMeanVote2 = Checkable(AddItem(view, "PMVPredictMeanVote2", "PMV - Ansicht (Predicted Mean Vote)"));
    views->addAction(PMVPredictMeanVote2);
    static const char* const kUserViewNames[4] = {"Benutzerdefiniert_11", "Benutzerdefiniert_21",
                                                  "Benutzerdefiniert_31", "Benutzerdefiniert_41"};
    for (int n = 1; n <= 4; ++n) {
        QAction* item = Checkable(AddItem(view, kUserViewNames[n - 1], "Benutzerdefiniert " + std::to_string(n)));
        views->addAction(item);
        Benutzerdefiniert[static_cast<std::size_t>(n - 1)] = item;
    }
    view->addSeparator();
    AuswahlBenutzerdefiniert1 = AddItem(view, "AuswahlBenutzerdefiniert1", "Einstellungen (Benutzerdefiniert)...");

    QMenu* extra = AddMenu(bar, "Extra1", "Extra");
    QMenu* pmv = extra->addMenu(QStringLiteral("Einstellungen PMV"));
    pmv->setObjectName(QStringLiteral("EinstellungenPMV1"));
    MittlereStrahlungstemperatureditieren1 = Checkable(
        AddItem(pmv, "MittlereStrahlungstemperatureditieren1", "Globetemperatur ( / MSTemp) editieren"));
    auto* radiant = new QActionGroup(this);
    EingabeGlobetemperatur1 = Checkable(AddItem(pmv, "EingabeGlobetemperatur1", "Editiere Globetemperatur"));
    EingabeMittlereStrahlungstemperatur1 = Checkable(AddItem(
        pmv, "EingabeMittlereStrahlungstemperatur1", "Editiere Mittlere Strahlungstemperatur (MSTemp)"));
    radiant->addAction(EingabeGlobetemperatur1);
    radiant->addAction(EingabeMittlereStrahlungstemperatur1);
    AlleEditieren1 = Checkable(AddItem(pmv, "AlleEditieren1", "AlleEditieren"));
    pmv->addSeparator();
    auto* air = new QActionGroup(this);
    static const char* const kAirNames[kAirVelocityItemCount] = {"PMV_WindAuto", "PMV_Wind", "PMV_WindI",
                                                                 "PMV_WindII", "PMV_WindIII"};
    static const char* const kAirCaptions[kAirVelocityItemCount] = {
        "PMV Luftgeschw. Automatik", "PMV aus  Luftgeschw.- Einzelwert",
        "PMV aus Luftgeschw. I (0,1m - 3min)", "PMV aus Luftgeschw. II (0,6m - 3min)",
        "PMV aus Luftgeschw. III  (1,1m - 3min)"};
    for (int item = 0; item < kAirVelocityItemCount; ++item) {
        QAction* action = Checkable(AddItem(pmv, kAirNames[item], kAirCaptions[item]));
        air->addAction(action);
        AirVelocityItems[static_cast<std::size_t>(item)] = action;
    }
    QMenu* copy = extra->addMenu(QStringLiteral("Einstellungen Kopieren"));
    copy->setObjectName(QStringLiteral("EinstellungenKopieren1"));
    KopierenErweitert1 = Checkable(
        AddItem(copy, "KopierenErweitert1", "Kopieren Erweitert:  z.B. mit Kontrast-Einzelwerten, PPD"));
    NurangezeigteSpaltenKopieren1 =
        Checkable(AddItem(copy, "NurangezeigteSpaltenKopieren1", "Nur angezeigte Spalten Kopieren"));
    Messwertelesendebug1 = AddItem(extra, "Messwertelesendebug1", "Messwerte lesen (debug)");

    QMenu* help = AddMenu(bar, "Hilfe1", "&Hilfe");
    InhaltVAMOKrix1 = AddItem(help, "InhaltVAMOKrix1", "Inhalt (VAMOK rix)");
    Inhalt1 = AddItem(help, "Inhalt1", "Inhalt (VAMOK altarim)");
    Info1 = AddItem(help, "Info1", "In&fo...");
}

void TTransferVamokPC::ConnectControls()
{
    auto on = [this](QAction* action, auto handler) { connect(action, &QAction::triggered, this, handler); };
    connect(ReadButton, &QPushButton::clicked, this, [this] { ReadButtonClick(ReadoutMode::Read); });
    connect(kopieren, &QPushButton::clicked, this, &TTransferVamokPC::KopierenClick);
    connect(BitBtn1, &QPushButton::clicked, this, &QWidget::close);
    connect(WriteButton, &QPushButton::clicked, this, [this] { if (links_.writeNames) links_.writeNames(); });
    connect(Print, &QPushButton::clicked, this, [this] { if (links_.printAll) links_.printAll(); });

    on(Neu1, [this] { Neu1Click(); });
    on(Alleslschen1, [this] { Neu1Click(); });
    on(Oeffnen, [this] { OeffnenClick(); });
    on(Speichern, [this] { SpeichernClick(); });
    on(ImmerSchwarzWeiss1, [this] { if (ImmerSchwarzWeiss1->isChecked()) ImmerFarbe1->setChecked(false); });
    on(ImmerFarbe1, [this] { if (ImmerFarbe1->isChecked()) ImmerSchwarzWeiss1->setChecked(false); });
    const std::array<std::pair<QAction*, int>, 6> prints{{{DruckUser_1, 1}, {DruckUser_2, 2}, {DruckUser_3, 3},
                                                           {DruckUser_4, 4}, {DruckenAnzeige1, 10}, {Drucken1, 11}}};
    for (const auto& [item, layout] : prints)
        on(item, [this, layout = layout] { if (links_.print) links_.print(layout); });
    on(Druckereinrichten1, [this] { if (links_.printerSetup) links_.printerSetup(); });
    on(Schlieen1, [this] { close(); });
    on(Kopieren1, [this] { KopierenClick(); });
    on(Editieren1, [this] { EditierenClick(); });
    on(ZeigeBewertungausDatei1, [this] { ZeigeBewertungausDateiClick(); });
    on(markierteZeilenlschen1, [this] { DeleteMarkedRows(); });
    on(Arbeitsplatzdefinitionenauswhlen1, [this] { if (links_.chooseTypes) links_.chooseTypes(); });
    on(Datenlesen1, [this] { ReadButtonClick(ReadoutMode::Read); });
    on(Messwertelesendebug1, [this] { ReadButtonClick(ReadoutMode::Read); });
    on(MesswerteAnfuegen, [this] { ReadButtonClick(ReadoutMode::ReadAndInsert); });
    on(NurGlobetemperaturlesen1, [this] { ReadButtonClick(ReadoutMode::QuadrovanOnly); });
    on(NurVentiqauslesen1, [this] { ReadButtonClick(ReadoutMode::VentiqInsert); });
    on(Datenschreiben1, [this] { if (links_.writeNames) links_.writeNames(); });
    on(PMVPredictMeanVote2, [this] { PMVPredictMeanVoteClick(); });
    for (int n = 1; n <= 4; ++n)
        on(Benutzerdefiniert[static_cast<std::size_t>(n - 1)], [this, n] { UserViewClick(n); });
    on(AuswahlBenutzerdefiniert1, [this] { AuswahlBenutzerdefiniertClick(); });
    on(MittlereStrahlungstemperatureditieren1, [this] { GlobeEditingClick(); });
    on(EingabeGlobetemperatur1, [this] { RadiantEntryClick(false); });
    on(EingabeMittlereStrahlungstemperatur1, [this] { RadiantEntryClick(true); });
    on(AlleEditieren1, [this] { AlleEditierenClick(); });
    for (int item = 0; item < kAirVelocityItemCount; ++item)
        on(AirVelocityItems[static_cast<std::size_t>(item)], [this, item] { AirVelocityClick(item); });
    on(KopierenErweitert1, [this] { settings_.copyExtended = KopierenErweitert1->isChecked(); });
    on(NurangezeigteSpaltenKopieren1,
       [this] { settings_.copyShownOnly = NurangezeigteSpaltenKopieren1->isChecked(); });
    auto message = [this](const std::string& text, const std::string& caption) { dialogs_.show(text, caption); };
    on(InhaltVAMOKrix1, [message] { OpenManual(true, false, message, OpenWithDefaultViewer); });
    on(Inhalt1, [message] { OpenManual(false, false, message, OpenWithDefaultViewer); });
    on(Info1, [this] { if (links_.about) links_.about(); });

    connect(Speicher, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (!showing_)
            CellEdited(item->row() + 1, item->column());
    });
    connect(Speicher, &QTableWidget::cellDoubleClicked, this, [this] { EditierenClick(); });
    connect(Speicher, &QTableWidget::currentCellChanged, this, [this](int row, int column) {
        lastRow_ = row + 1;
        lastColumn_ = column;
    });
    connect(Memo1, &QPlainTextEdit::textChanged, this, [this] {
        if (!showing_)
            App().MeasurementsModified = true;
    });
    connect(TitelEdit, &QLineEdit::textEdited, this, [] { App().MeasurementsModified = true; });
    // Closing the busy dialog by any means gives the instrument commands
    // back; its "Abbrechen" also ends a running readout after its row.
    connect(&Busy(), &BusyState::Closed, this, [this] {
        SetInstrumentControls(true);
        if (running_ && Busy().CancelRequested())
            running_->Cancel();
        if (uploading_ && Busy().CancelRequested())
            uploading_->Cancel();
    });
}

void TTransferVamokPC::ApplySettingsToMenus()
{
    MittlereStrahlungstemperatureditieren1->setChecked(settings_.editMSTemp);
    EingabeMittlereStrahlungstemperatur1->setChecked(settings_.eingabeMSTemp);
    EingabeGlobetemperatur1->setChecked(!settings_.eingabeMSTemp);
    EingabeGlobetemperatur1->setEnabled(settings_.editMSTemp);
    EingabeMittlereStrahlungstemperatur1->setEnabled(settings_.editMSTemp);
    AirVelocityItems[static_cast<std::size_t>(AirVelocityItemOfSetting(settings_.airVelocity))]->setChecked(true);
    NurangezeigteSpaltenKopieren1->setChecked(settings_.copyShownOnly);
    KopierenErweitert1->setChecked(settings_.copyExtended);
    SyncViewItems();
}

void TTransferVamokPC::SyncViewItems()
{
    for (int n = 1; n <= 4; ++n)
        Benutzerdefiniert[static_cast<std::size_t>(n - 1)]->setChecked(views_.userView() == n);
    PMVPredictMeanVote2->setChecked(PmvViewItemChecked(views_));
    settings_.pmvView = views_.pmvView();
    settings_.userView = views_.userView();
}

// ---- Texts -----------------------------------------------------------------

std::vector<std::string> TTransferVamokPC::LangTexts() const
{
    std::vector<std::string> texts;
    for (int i = 0; i < Lang->count(); ++i)
        texts.push_back(ToCp1252(Lang->item(i)->text()));
    return texts;
}

std::string TTransferVamokPC::LangText(int index) const
{
    if (index < 0 || index >= Lang->count())
        return {};
    return ToCp1252(Lang->item(index)->text());
}

std::string TTransferVamokPC::Joined(std::initializer_list<int> indices) const
{
    return JoinedTexts(LangTexts(), indices);
}

std::vector<std::string> TTransferVamokPC::NotesLines() const
{
    std::vector<std::string> lines;
    const QStringList parts = Memo1->toPlainText().split(QLatin1Char('\n'));
    for (const QString& line : parts)
        lines.push_back(ToCp1252(line));
    return lines;
}

PmvSettings TTransferVamokPC::Pmv() const { return PmvSettingsOf(settings_, App().DeveloperMode); }

// ---- Grid ------------------------------------------------------------------

Rating TTransferVamokPC::MarkAt(int n, int column) const
{
    if (!MeasurementTable::IsRowNumber(n))
        return kNotRated;
    const ColumnKind kind = KindAt(column);
    const WorkplaceRow& row = table_.row(n);
    return CellRating(row, kind, CellText(row.texts, kind, n), useFileRatings_);
}

ColumnKind TTransferVamokPC::KindAt(int column) const
{
    if (column < 0 || static_cast<std::size_t>(column) >= kindOfColumn_.size())
        return ColumnKind::No;
    return kindOfColumn_[static_cast<std::size_t>(column)];
}

int TTransferVamokPC::ColumnOf(ColumnKind kind) const
{
    return CurrentColumnMap()[static_cast<std::size_t>(kind)];
}

void TTransferVamokPC::ApplyKinds(const std::vector<ColumnKind>& kinds)
{
    const int top = Speicher->verticalScrollBar()->value();
    const int left = Speicher->horizontalScrollBar()->value();
    ColumnMap& map = CurrentColumnMap();
    map = MapShownKinds(kinds);
    const int count = ShownColumnCount(map);
    kindOfColumn_.assign(static_cast<std::size_t>(count), ColumnKind::No);
    for (int k = 0; k < kColumnKindCount; ++k) {
        const int column = map[static_cast<std::size_t>(k)];
        if (column >= 0 && column < count)
            kindOfColumn_[static_cast<std::size_t>(column)] = static_cast<ColumnKind>(k);
    }
    showing_ = true;
    Speicher->setColumnCount(count);
    const std::vector<std::string> lang = LangTexts();
    QStringList headers;
    for (ColumnKind kind : kindOfColumn_)
        headers << Q(KindHeader(lang, kind, EntersMeanRadiant(settings_)));
    Speicher->setHorizontalHeaderLabels(headers);
    for (int c = 0; c < count; ++c) {
        QTableWidgetItem* header = Speicher->horizontalHeaderItem(c);
        header->setToolTip(Q(HeaderHint(KindAt(c), ToCp1252(header->text())).text));
    }
    const std::vector<int> widths = ColumnWidths(map);
    for (int c = 0; c < count && static_cast<std::size_t>(c) < widths.size(); ++c)
        Speicher->setColumnWidth(c, widths[static_cast<std::size_t>(c)]);
    fixedColumn_->ColumnsChanged();
    showing_ = false;
    ShowAllRows();
    Speicher->verticalScrollBar()->setValue(top);
    Speicher->horizontalScrollBar()->setValue(left);
}

void TTransferVamokPC::ShowRow(int n)
{
    if (!MeasurementTable::IsRowNumber(n))
        return;
    const RowTexts& texts = table_.row(n).texts;
    const bool editing = settings_.editMSTemp;
    showing_ = true;
    for (int c = 0; c < static_cast<int>(kindOfColumn_.size()); ++c) {
        const ColumnKind kind = kindOfColumn_[static_cast<std::size_t>(c)];
        QTableWidgetItem* item = Speicher->item(n - 1, c);
        if (!item) {
            item = new DescribedCell([this](int row, int column) { return Q(CellDescriptionAt(row + 1, column)); });
            Speicher->setItem(n - 1, c, item);
        }
        item->setText(Q(CellText(texts, kind, n)));
        Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        if (editing && IsEditableKind(kind, alleEditieren_))
            flags |= Qt::ItemIsEditable;
        item->setFlags(flags);
    }
    showing_ = false;
}

void TTransferVamokPC::ShowAllRows()
{
    for (int n = 1; n <= kRowCount; ++n)
        ShowRow(n);
    Speicher->viewport()->update();
}

void TTransferVamokPC::CellEdited(int n, int column)
{
    const ColumnKind kind = KindAt(column);
    if (!MeasurementTable::IsRowNumber(n) || !settings_.editMSTemp || !IsEditableKind(kind, alleEditieren_))
        return;
    const std::string typed = ToCp1252(Speicher->item(n - 1, column)->text());
    CommitEditedCell(table_, n, kind, typed, Pmv());
    ShowAllRows();
}

void TTransferVamokPC::PmvInputsChanged()
{
    RecomputeAllPmvTexts(table_, Pmv());
    ShowAllRows();
}

void TTransferVamokPC::RebuildHeaders()
{
    if (plainCaption_.empty())
        plainCaption_ = ToCp1252(windowTitle());
    ApplyKinds(ViewInForce(views_, CheckedDefinition()));
    Memo1->setToolTip(Q(LangText(BottomPanel->height() > kSmallPanel ? TransferText::MemoLarge
                                                                        : TransferText::MemoSmall)));
}

ColumnDefinition TTransferVamokPC::CheckedDefinition() const
{
    if (!views_.userViewActive())
        return ColumnDefinition::AllInNaturalOrder();
    return LoadColumnDefinition(views_.userView()).definition;
}

void TTransferVamokPC::ApplyCurrentView()
{
    ApplyKinds(views_.applyCurrentView(CheckedDefinition()));
    SyncViewItems();
}

void TTransferVamokPC::ColumnDefinitionsApplied(int definition)
{
    if (views_.userViewActive())
        views_.chooseUserView(definition);
    ApplyCurrentView();
}

// ---- Hints -------------------------------------------------------------------

CellHint TTransferVamokPC::RowHintAt(int n, ColumnKind kind) const
{
    const RowTexts& texts = table_.row(n).texts;
    HintContext context;
    context.words = {LangText(TransferText::At), LangText(TransferText::Turbulence),
                     LangText(TransferText::NoiseDuration), LangText(TransferText::MeasuringTime),
                     LangText(TransferText::DewPoint)};
    context.turbulenceShown = App().TurbulenceMode;
    context.valuesAreGlobe = !EntersMeanRadiant(settings_);
    context.airVelocity100 = AirVelocityForPmv(texts, settings_.airVelocity);
    context.profileNames = App().ProfileNames;
    context.decimalSep = App().DecimalSep;
    return RowHint(kind, texts, context);
}

std::string TTransferVamokPC::CellDescriptionAt(int n, int column) const
{
    if (!MeasurementTable::IsRowNumber(n))
        return {};
    const ColumnKind kind = KindAt(column);
    if (CellText(table_.row(n).texts, kind, n).empty())
        return {};
    RatingWords words;
    for (int k = 0; k < 3; ++k) {
        words.phrases[static_cast<std::size_t>(k)] = LangText(TransferText::RatedGreen + k);
        words.words[static_cast<std::size_t>(k)] = LangText(TransferText::FirstRatingWord + k);
    }
    const CellHint hint = RowHintAt(n, kind);
    return CellDescription(SpokenRating(MarkAt(n, column), words), hint.gridHint ? std::string() : hint.text);
}

bool TTransferVamokPC::ShowHint(QWidget* area, const QPoint& position, bool header)
{
    // The fixed column lies over column 0 and scrolls with the rows.
    const bool fixed = area == fixedColumn_->viewport() || area == fixedColumn_->horizontalHeader()->viewport();
    const int column = fixed ? 0
                       : header ? Speicher->horizontalHeader()->logicalIndexAt(position)
                                : Speicher->columnAt(position.x());
    const int n = header ? 0 : Speicher->rowAt(position.y()) + 1;
    if (column < 0 || column >= Speicher->columnCount() || (!header && !MeasurementTable::IsRowNumber(n)))
        return false;
    const ColumnKind kind = KindAt(column);
    CellHint hint;
    if (header) {
        const QTableWidgetItem* item = Speicher->horizontalHeaderItem(column);
        hint = HeaderHint(kind, item ? ToCp1252(item->text()) : std::string());
    } else {
        hint = RowHintAt(n, kind);
    }
    const QString text = hint.gridHint ? Speicher->toolTip() : Q(hint.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QPalette palette = QToolTip::palette();
    if (hint.aqua)
        palette.setColor(QPalette::ToolTipBase, QColor(0, 255, 255));
    QToolTip::setPalette(palette);
    QToolTip::showText(area->mapToGlobal(position), text, area);
    StatusBar1->showMessage(text);
    return true;
}

// ---- Events ------------------------------------------------------------------

bool TTransferVamokPC::event(QEvent* e)
{
    if (e->type() == DevicePresentNotification || e->type() == DeviceAbsentNotification) {
        SetInstrumentControls(e->type() == DevicePresentNotification && !InstrumentDialogue::Busy());
        return true;
    }
    return QMainWindow::event(e);
}

bool TTransferVamokPC::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(e);
        for (QTableView* view : {static_cast<QTableView*>(Speicher), static_cast<QTableView*>(fixedColumn_)}) {
            if (watched == view->viewport())
                return ShowHint(view->viewport(), help->pos(), false);
            if (watched == view->horizontalHeader()->viewport())
                return ShowHint(view->horizontalHeader()->viewport(), help->pos(), true);
        }
    }
    if (watched == Speicher && e->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(e);
        if (key->matches(QKeySequence::Copy)) {
            KopierenClick();
            return true;
        }
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && !settings_.editMSTemp) {
            EditierenClick();
            return true;
        }
        if (key->key() == Qt::Key_Delete && !settings_.editMSTemp) {
            DeleteMarkedRows();
            return true;
        }
    }
    if (watched == Memo1->viewport() && e->type() == QEvent::MouseButtonDblClick) {
        SetMemoEnlarged(BottomPanel->height() <= kSmallPanel);
        return true;
    }
    if (watched == Memo1 && e->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape && BottomPanel->height() > kSmallPanel) {
        SetMemoEnlarged(false);
        return true;
    }
    return QMainWindow::eventFilter(watched, e);
}

void TTransferVamokPC::SetMemoEnlarged(bool enlarged)
{
    BottomPanel->setFixedHeight(enlarged ? kLargePanel : kSmallPanel);
    const QString hint = Q(LangText(enlarged ? TransferText::MemoLarge : TransferText::MemoSmall));
    BottomPanel->setToolTip(hint);
    Memo1->setToolTip(hint);
    Memo1->setStatusTip(hint);
}

void TTransferVamokPC::showEvent(QShowEvent* e)
{
    RebuildHeaders();
    PrintP2ColwidthLikerP1->setVisible(App().DeveloperMode);
    MaxPrintCols->setVisible(App().DeveloperMode);
    NurVentiqauslesen1->setVisible(App().VentiqMode);
    RegisterPresenceWindow(this);
    QMainWindow::showEvent(e);
}

void TTransferVamokPC::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::ActivationChange && isActiveWindow()) {
        NurVentiqauslesen1->setVisible(App().VentiqMode);
        RegisterPresenceWindow(this);
    }
    QMainWindow::changeEvent(e);
}

void TTransferVamokPC::closeEvent(QCloseEvent* e)
{
    WriteTableSettings(settings_);
    Busy().Close();
    if (App().MeasurementsModified &&
        !dialogs_.askOkCancel(Joined({TransferText::UnsavedLost, TransferText::CloseAnyway}),
                              LangText(TransferText::Warning))) {
        e->ignore();
        return;
    }
    App().MeasurementsModified = false;
    UnregisterPresenceWindow(this);
    e->accept();
}

void TTransferVamokPC::SetInstrumentControls(bool enabled)
{
    ReadButton->setEnabled(enabled);
    Datenlesen1->setEnabled(enabled);
    MesswerteAnfuegen->setEnabled(enabled);
    const bool write = enabled && bool(links_.writeNames);
    WriteButton->setEnabled(write);
    Datenschreiben1->setEnabled(write);
}

// ---- Commands ----------------------------------------------------------------

void TTransferVamokPC::ClearTable()
{
    if (!plainCaption_.empty())
        setWindowTitle(Q(plainCaption_));
    table_.clearAll();
    useFileRatings_ = false;
    fileRatingsAvailable_ = false;
    ZeigeBewertungausDatei1->setChecked(false);
    ZeigeBewertungausDatei1->setEnabled(false);
    showing_ = true;
    Memo1->clear();
    showing_ = false;
    TitelEdit->setText(Q(LangText(TransferText::DefaultTitle)));
    RebuildHeaders();
    App().MeasurementsModified = false;
}

void TTransferVamokPC::Neu1Click()
{
    if (dialogs_.askYesNo(Joined({TransferText::ClearAll1, TransferText::ClearAll2, TransferText::ClearAll3,
                                  TransferText::ClearAll4}),
                          LangText(TransferText::Warning)))
        ClearTable();
}

void TTransferVamokPC::DeleteMarkedRows()
{
    const QList<QTableWidgetSelectionRange> ranges = Speicher->selectedRanges();
    if (ranges.isEmpty())
        return;
    if (!dialogs_.askOkCancel(Joined({TransferText::DeleteMarked, TransferText::ContinueAnyway}),
                              LangText(TransferText::Warning)))
        return;
    for (const QTableWidgetSelectionRange& range : ranges)
        for (int r = range.topRow(); r <= range.bottomRow(); ++r) {
            table_.clearRow(r + 1);
            ShowRow(r + 1);
        }
    App().MeasurementsModified = true;
}

void TTransferVamokPC::EditierenClick()
{
    const QList<QTableWidgetSelectionRange> ranges = Speicher->selectedRanges();
    const int top = ranges.isEmpty() ? Speicher->currentRow() + 1 : ranges.first().topRow() + 1;
    const bool globeShown = settings_.editMSTemp && ColumnOf(ColumnKind::GT) >= 0;
    const std::optional<int> n = NameTypeRow(globeShown, lastRow_, top);
    if (!n)
        return;
    const RowTexts& texts = table_.row(*n).texts;
    std::vector<std::string> names;
    for (std::size_t i = 1; i < PCTypes().size(); ++i)
        names.push_back(PCTypes()[i].Name);
    if (std::find(names.begin(), names.end(), kPlaceholderTypeName) == names.end())
        names.emplace_back(kPlaceholderTypeName);
    nameTypeDialog_.SetTypeNames(names);
    nameTypeDialog_.APN->setText(QString::number(*n));
    nameTypeDialog_.Name->setText(Q(texts.Name));
    nameTypeDialog_.Profil->setCurrentIndex(ProfileIndexOf(texts.Profile));
    nameTypeDialog_.Typ->setCurrentText(Q(texts.Type));
    if (nameTypeDialog_.exec() != QDialog::Accepted)
        return;
    NameTypeEntry entry;
    entry.name = ToCp1252(nameTypeDialog_.Name->text());
    entry.type = ToCp1252(nameTypeDialog_.Typ->currentText());
    entry.profileIndex = std::max(0, nameTypeDialog_.Profil->currentIndex());
    ApplyNameTypeEntry(table_, *n, entry, App().UsedAPT, Pmv());
    ShowAllRows();
}

void TTransferVamokPC::ZeigeBewertungausDateiClick()
{
    useFileRatings_ = fileRatingsAvailable_ && !useFileRatings_;
    ZeigeBewertungausDatei1->setChecked(useFileRatings_);
    Speicher->viewport()->update();
}

void TTransferVamokPC::PMVPredictMeanVoteClick()
{
    if (PmvViewItemChecked(views_)) {
        SyncViewItems();
        return;
    }
    ApplyKinds(PmvViewCommand(views_));
    SyncViewItems();
}

void TTransferVamokPC::UserViewClick(int n)
{
    if (!views_.chooseUserView(n)) {
        SyncViewItems();
        return;
    }
    StoreColumnDefinition(n, LoadColumnDefinition(n).definition);
    ApplyCurrentView();
}

void TTransferVamokPC::AuswahlBenutzerdefiniertClick()
{
    if (views_.userViewActive())
        StoreColumnDefinition(views_.userView(), LoadColumnDefinition(views_.userView()).definition);
    if (links_.editColumnDefinitions)
        links_.editColumnDefinitions(views_.userViewActive() ? views_.userView() : 1);
}

void TTransferVamokPC::GlobeEditingClick()
{
    settings_.editMSTemp = MittlereStrahlungstemperatureditieren1->isChecked();
    EingabeGlobetemperatur1->setEnabled(settings_.editMSTemp);
    EingabeMittlereStrahlungstemperatur1->setEnabled(settings_.editMSTemp);
    RecomputeAllPmvTexts(table_, Pmv());
    RebuildHeaders();
    const int gt = ColumnOf(ColumnKind::GT);
    if (settings_.editMSTemp && gt >= 1)
        Speicher->setCurrentCell(std::max(0, Speicher->currentRow()), gt, QItemSelectionModel::NoUpdate);
}

void TTransferVamokPC::RadiantEntryClick(bool meanRadiant)
{
    settings_.eingabeMSTemp = meanRadiant;
    RecomputeAllPmvTexts(table_, Pmv());
    RebuildHeaders();
}

void TTransferVamokPC::AlleEditierenClick()
{
    alleEditieren_ = AlleEditieren1->isChecked();
    ShowAllRows();
}

void TTransferVamokPC::AirVelocityClick(int item)
{
    settings_.airVelocity = AirVelocitySettingOfItem(item);
    PmvInputsChanged();
}

// ---- Files and clipboard -------------------------------------------------------

void TTransferVamokPC::OpenAtStartup(const std::string& path)
{
    startupFile_ = path;
    OpenFile(startupFile_);
}

void TTransferVamokPC::OeffnenClick()
{
    std::string path;
    if (dialogs_.openFileName) {
        path = dialogs_.openFileName(UserFolder());
    } else {
        const QString filter = Q(LangText(32)) + QStringLiteral(" (*.VAM *.vam);;") + Q(LangText(33)) +
                               QStringLiteral(" (*.CSV *.csv)");
        path = ToCp1252(QFileDialog::getOpenFileName(this, {}, Q(UserFolder()), filter));
    }
    if (!path.empty())
        OpenFile(path);
}

void TTransferVamokPC::OpenFile(const std::string& path)
{
    const DataFileTexts texts = DataFileTextsFromLang(LangTexts(), untranslated_, EntersMeanRadiant(settings_));
    ReadResult result = OpenMeasurements(path, texts, App().DecimalSep, Pmv());
    if (!result.content) {
        dialogs_.show(result.message, LangText(TransferText::Error));
        return;
    }
    DataFileContent& content = *result.content;
    table_ = content.table;
    showing_ = true;
    TitelEdit->setText(Q(content.title.value_or(LangText(TransferText::DefaultTitle))));
    QStringList notes;
    for (const std::string& line : content.notes)
        notes << Q(line);
    Memo1->setPlainText(notes.join(QLatin1Char('\n')));
    showing_ = false;
    fileRatingsAvailable_ = content.ratingsAvailable;
    useFileRatings_ = false;
    ZeigeBewertungausDatei1->setChecked(false);
    ZeigeBewertungausDatei1->setEnabled(fileRatingsAvailable_);
    if (plainCaption_.empty())
        plainCaption_ = ToCp1252(windowTitle());
    setWindowTitle(Q(plainCaption_ + " - " + path));
    App().MeasurementsModified = false;
    PmvInputsChanged();
}

void TTransferVamokPC::SpeichernClick()
{
    bool csv = false;
    std::string chosen;
    const std::string proposed = UserFolder() + ToCp1252(TitelEdit->text());
    if (dialogs_.saveFileName) {
        chosen = dialogs_.saveFileName(proposed, csv);
    } else {
        const QString vam = Q(LangText(32)) + QStringLiteral(" (*.VAM)");
        const QString csvFilter = Q(LangText(36)) + QStringLiteral("(*.CSV)");
        QFileDialog dialog(this);
        dialog.setObjectName(QStringLiteral("SaveData"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilters({vam, csvFilter});
        dialog.setDefaultSuffix(QStringLiteral("VAM"));
        dialog.selectFile(Q(proposed));
        // `SaveDataTypeChange`: the name follows the chosen file type.
        connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, csvFilter](const QString& filter) {
            const QStringList files = dialog.selectedFiles();
            if (files.isEmpty())
                return;
            const DataFileKind kind = filter == csvFilter ? DataFileKind::Csv : DataFileKind::Vam;
            dialog.selectFile(Q(NameForFileType(ToCp1252(files.first()), kind)));
        });
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
            chosen = ToCp1252(dialog.selectedFiles().first());
            csv = dialog.selectedNameFilter() == csvFilter;
        }
    }
    if (!chosen.empty())
        SaveFile(chosen, csv);
}

void TTransferVamokPC::SaveFile(const std::string& chosen, bool csv)
{
    RecomputeAllPmvTexts(table_, Pmv());
    ShowAllRows();
    const DataFileTexts texts = DataFileTextsFromLang(LangTexts(), untranslated_, EntersMeanRadiant(settings_));
    const DataFileHeading heading{ToCp1252(TitelEdit->text()), NotesLines()};
    const SaveOutcome outcome = SaveMeasurements(table_, heading, chosen, csv ? DataFileKind::Csv : DataFileKind::Vam,
                                                 texts, RateAgainstPCTypes());
    if (!outcome.result.ok)
        dialogs_.show(outcome.result.message, LangText(TransferText::Error));
}

void TTransferVamokPC::KopierenClick()
{
    RecomputeAllPmvTexts(table_, Pmv());
    ShowAllRows();
    const QList<QTableWidgetSelectionRange> ranges = Speicher->selectedRanges();
    int first = Speicher->currentRow() + 1;
    int last = first;
    if (!ranges.isEmpty()) {
        first = ranges.first().topRow() + 1;
        last = ranges.first().bottomRow() + 1;
    }
    const DataFileTexts texts = DataFileTextsFromLang(LangTexts(), untranslated_, EntersMeanRadiant(settings_));
    const CopyOptions options{settings_.copyShownOnly, settings_.copyExtended};
    const std::string text =
        CopyText(table_, first, last, CurrentColumnMap(), options, texts, RateAgainstPCTypes());
    QApplication::clipboard()->setText(Q(text));
}

// ---- Readout -------------------------------------------------------------------

void TTransferVamokPC::ReadButtonClick(ReadoutMode mode)
{
    BusyBar->setRange(1, 100);
    Busy().SetRange(1, 100);
    rangeDialog_.LoadFrom->setValue(range_.From);
    rangeDialog_.LoadTo->setValue(range_.To);
    const std::optional<RangeSelection> chosen = rangeDialog_.Ask(TGetSelect::Purpose::Read);
    if (!chosen)
        return;
    range_.From = RangeSelection::Clamped(chosen->From);
    range_.To = std::max(range_.From, RangeSelection::Clamped(chosen->To));
    if (!plainCaption_.empty())
        setWindowTitle(Q(plainCaption_));
    const int from = range_.From;
    const int to = range_.To;
    InstrumentDialogue::Run([this, mode, from, to] { RunReadout(mode, from, to); });
}

void TTransferVamokPC::RunReadout(ReadoutMode mode, int from, int to)
{
    DialogueParksPoller parked;
    Busy().OperationStarted();
    MemoryReadout readout(table_, channel_, *this, parked, App().UsedAPT);
    running_ = &readout;
    struct Done {
        MemoryReadout*& running;
        ~Done() { running = nullptr; }
    } done{running_};
    readout.Run(mode, from, to, Pmv());
}

void TTransferVamokPC::WriteButtonClick(TypeSync& types)
{
    BusyBar->setRange(1, 100);
    Busy().SetRange(1, 100);
    rangeDialog_.LoadFrom->setValue(1);
    rangeDialog_.LoadTo->setValue(kRowCount);
    const std::optional<RangeSelection> chosen = rangeDialog_.Ask(TGetSelect::Purpose::Write);
    if (!chosen)
        return;
    const int from = RangeSelection::Clamped(chosen->From);
    const int to = std::max(from, RangeSelection::Clamped(chosen->To));
    InstrumentDialogue::Run([this, &types, from, to] { RunNamesUpload(types, from, to); });
}

namespace {

// The window's side of the names upload: its progress bar, the busy
// dialog and its message boxes.
class UploadView : public NamesUploadUi {
public:
    UploadView(const TransferDialogs& dialogs, QProgressBar& bar, std::function<void(int)> showRow)
        : dialogs_(dialogs), bar_(bar), showRow_(std::move(showRow))
    {
    }
    void Message(const std::string& caption, const std::string& text) override { dialogs_.show(text, caption); }
    bool AskYes(const std::string& caption, const std::string& text) override
    {
        return dialogs_.askYesNo(text, caption);
    }
    bool AskOk(const std::string& caption, const std::string& text) override
    {
        return dialogs_.askOkCancel(text, caption);
    }
    void UploadProgress(int n) override
    {
        Busy().SetPosition(n);
        Busy().SetNumber(std::to_string(n));
        bar_.setValue(n);
    }
    void ShowBusy() override { Busy().Show(); }
    void CloseBusy() override
    {
        Busy().SetCaption("Busy...");
        bar_.setValue(bar_.minimum());
        Busy().Close();
    }
    void ShowRow(int n) override { showRow_(n); }

private:
    const TransferDialogs& dialogs_;
    QProgressBar& bar_;
    std::function<void(int)> showRow_;
};

} // namespace

void TTransferVamokPC::RunNamesUpload(TypeSync& types, int from, int to)
{
    Busy().OperationStarted();
    SetInstrumentControls(false);
    BusyBar->setRange(from, to);
    Busy().SetRange(from, to);
    UploadView view(dialogs_, *BusyBar, [this](int n) { ShowRow(n); });
    NamesUpload upload(table_, channel_, view, App().UsedAPT, types, LangTexts());
    uploading_ = &upload;
    struct Done {
        NamesUpload*& running;
        ~Done() { running = nullptr; }
    } done{uploading_};
    upload.Run(from, to);
    SetInstrumentControls(true);
}

void TTransferVamokPC::TableCleared()
{
    ClearTable();
}

bool TTransferVamokPC::ConfirmVentiqOverwrite(const std::string& rows)
{
    const std::string text = Joined({TransferText::VentiqOverwrite1, TransferText::VentiqOverwrite2}) + "\r\n\r\n" +
                             rows + "\r\n" + LangText(TransferText::VentiqOverwrite3) + "\r\n\r\n" +
                             LangText(TransferText::VentiqOverwrite4);
    return dialogs_.askYesNo(text, LangText(TransferText::Attention));
}

void TTransferVamokPC::Begin(int from, int to)
{
    SetInstrumentControls(false);
    BusyBar->setRange(from, to);
    Busy().SetRange(from, to);
}

void TTransferVamokPC::ShowProgress(int n)
{
    Busy().SetPosition(n);
    Busy().SetNumber(std::to_string(n));
    BusyBar->setValue(n);
}

void TTransferVamokPC::ShowBusy() { Busy().Show(); }

void TTransferVamokPC::CloseBusy()
{
    BusyBar->setValue(BusyBar->minimum());
    Busy().Close();
}

void TTransferVamokPC::RecordArrived()
{
    Busy().SetCaption(links_.busyTransferText ? links_.busyTransferText() : std::string("\xDC" "bertrage Daten..."));
}

void TTransferVamokPC::RecordRejected() { Busy().SetCaption(Busy().Caption() + "."); }

void TTransferVamokPC::ShowTypeCell(int n) { ShowRow(n); }

void TTransferVamokPC::ReportDecodeError() { dialogs_.show("ERROR in GetMemoryData!", "ERROR"); }

bool TTransferVamokPC::AskContinueAfterNoAnswer()
{
    dialogs_.show(LangText(TransferText::NoAnswer), "Error");
    return dialogs_.askYesNo(Joined({TransferText::NoAnswer, TransferText::CheckConnection1,
                                     TransferText::CheckConnection2, -1, TransferText::GoOnWithTransfer}),
                             LangText(TransferText::Warning));
}

void TTransferVamokPC::Finished(int from, int to)
{
    Memo1->appendPlainText(Q(ReadoutNotesLine(LangText(TransferText::ReadoutDate), LangText(TransferText::Number),
                                              LangText(TransferText::To), from, to)));
    ShowAllRows();
}

} // namespace vamok
