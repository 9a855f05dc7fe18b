#include "types/TypeDefWindow.h"

#include "core/AppState.h"
#include "core/Cp1252.h"
#include "core/Folders.h"
#include "core/Manual.h"
#include "core/MessageDialog.h"
#include "core/TextHelpers.h"
#include "types/TypeDefaults.h"
#include "types/TypeEditing.h"
#include "types/TypeValueText.h"
#include "types/TypeEditorDialog.h"
#include "types/TypeImport.h"
#include "types/TypeLibrary.h"
#include "types/TypeLibraryFile.h"
#include "types/TypeRowLabels.h"
#include "types/TypeSync.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace vamok {

namespace {

enum LangIndex {
    kChangedStart,
    kChangedEnd,
    kSaveChanges,
    kCaptionHint,
    kDeleteStart,
    kDeleteEnd,
    kCaptionQuestion,
    kInUseStart,
    kInUseMiddle,
    kInUseEnd,
    kPredefinedStart,
    kPredefinedEnd,
    kCaptionError,
    kHintPc,
    kHintDevice,
    kTitle,
    kDefaultsMark,
    kExtended,
    kReduced,
};

const char* const kLangTexts[] = {
    "Arbeitsplatztyp \"",
    " wurde ver\xE4ndert.",
    "\xC4nderungen speichern?",
    "Hinweis",
    "Soll die Arbeitsplatzdefinition \"",
    " wirklich gel\xF6scht werden?",
    "Frage",
    "Arbeitsplatzdefinition \"",
    " ist in Gebrauch und kann",
    " daher nicht gel\xF6scht werden.",
    "Arbeitsplatzdefinition \"VAM \" ist vorgegeben und kann daher",
    " nicht gel\xF6scht werden.",
    "Error",
    "Zum editieren bitte Zeile doppelklicken.",
    "Editieren der Typen nur bei \"PC-Typen\" m\xF6glich.",
    "Arbeitsplatztypen definieren",
    "Defaults",
    "Erweitert (PMV)",
    "Reduziert (ohne PMV)",
};

const char* const kClothingLabelTexts[6] = {
    "Bekleidung leicht",
    "Bekleidung mittel",
    "Bekleidung schwer",
    "k\xF6rperlicher Aktivit\xE4tsgrad",
    "(1 clo <-> 0,155 m\xB2 \xB0" "C / W  <-> Isolationswert normaler Arbeitskleidung)",
    "(1 met <-> 58 W/m\xB2)",
};
// The second lines below the labels of light and heavy clothing and of activity.
const char* const kClothingSubLabels[4] = {"(Sommer)", "", "(Winter)", "(Energieumsatz /Hautoberfl\xE4" "che)"};
const char* const kClothingEditNames[4] = {"E_Clo1", "E_Clo2", "E_Clo3", "E_Met"};
const char* const kClothingDesignValues[4] = {"0,50", "1,00", "2,00", "1,20"};

// "desc|pattern|desc|pattern" as a Qt file dialog filter.
QString QtFilter(const std::string& filter)
{
    const QStringList parts = FromCp1252(filter).split('|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        filters << parts[i] + " (" + parts[i + 1] + ")";
    return filters.join(";;");
}

QAction* AddItem(QMenu* menu, const char* name, const char* caption)
{
    QAction* action = menu->addAction(FromCp1252(caption));
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

} // namespace

TTypeDef::TTypeDef(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TypeDef"));
    setWindowTitle(QStringLiteral("Typ Definition"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint);

    Lang = new QListWidget(this);
    Lang->setObjectName(QStringLiteral("Lang"));
    Lang->hide();
    for (const char* text : kLangTexts)
        Lang->addItem(FromCp1252(text));

    auto* outer = new QVBoxLayout(this);
    Menu = new QMenuBar(this);
    Menu->setObjectName(QStringLiteral("MainMenu1"));
    outer->setMenuBar(Menu);

    BtnPanel = new QFrame(this);
    BtnPanel->setObjectName(QStringLiteral("BtnPanel"));
    auto* top = new QHBoxLayout(BtnPanel);
    Label2 = new QLabel(QStringLiteral("Typ Name:"), BtnPanel);
    Label2->setObjectName(QStringLiteral("Label2"));
    Type_Name = new QComboBox(BtnPanel);
    Type_Name->setObjectName(QStringLiteral("Type_Name"));
    Type_Name->setMaxVisibleItems(10);
    Type_Name->setToolTip(QStringLiteral("Aktueller Arbeitplatztyp Name"));
    PCType = new QRadioButton(QStringLiteral("PC-Typen"), BtnPanel);
    PCType->setObjectName(QStringLiteral("PCType"));
    PCType->setChecked(true);
    VamokType = new QRadioButton(QStringLiteral("Vamok-Typen"), BtnPanel);
    VamokType->setObjectName(QStringLiteral("VamokType"));
    Aktualisieren = new QPushButton(QStringLiteral("Aktualisieren"), BtnPanel);
    Aktualisieren->setObjectName(QStringLiteral("Aktualisieren"));
    Aktualisieren->setToolTip(QStringLiteral("Arbeitsplatztypen im VAMOK aktualisieren"));
    BitBtn3 = new QPushButton(QStringLiteral("Drucken"), BtnPanel);
    BitBtn3->setObjectName(QStringLiteral("BitBtn3"));
    BitBtn3->setToolTip(QStringLiteral("Daten drucken"));
    Schliessen = new QPushButton(FromCp1252("Schlie\xDF" "en"), BtnPanel);
    Schliessen->setObjectName(QStringLiteral("Schliessen"));
    Schliessen->setToolTip(FromCp1252("Fenster schlie\xDF" "en"));
    for (QWidget* w : std::initializer_list<QWidget*>{Label2, Type_Name, PCType, VamokType, Aktualisieren, BitBtn3,
                                                      Schliessen})
        top->addWidget(w);
    outer->addWidget(BtnPanel);

    TypeArray = new QTableWidget(kTypeRowCount, kTypeColumnCount + 1, this);
    TypeArray->setObjectName(QStringLiteral("TypeArray"));
    TypeArray->horizontalHeader()->hide();
    TypeArray->verticalHeader()->hide();
    TypeArray->setSelectionBehavior(QAbstractItemView::SelectRows);
    TypeArray->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TypeArray->verticalHeader()->setDefaultSectionSize(24);
    TypeArray->setColumnWidth(0, TypeArray->horizontalHeader()->defaultSectionSize() * 5 / 2);
    for (int row = 0; row < kTypeRowCount; ++row)
        for (int column = 0; column <= kTypeColumnCount; ++column)
            TypeArray->setItem(row, column, new QTableWidgetItem);
    for (int column = 1; column <= 4; ++column)
        TypeArray->item(0, column)->setText(QStringLiteral("Grenze"));
    TypeArray->item(0, 5)->setText(QStringLiteral("Sollwert"));
    for (int row = 1; row < kTypeRowCount; ++row)
        TypeArray->item(row, 0)->setText(FromCp1252(TypeRowLabel(row)));
    TypeArray->setMinimumHeight(kTypeRowCount * 25 + 3);
    outer->addWidget(TypeArray);

    CloPanel = new QFrame(this);
    CloPanel->setObjectName(QStringLiteral("CloPanel"));
    auto* clo = new QGridLayout(CloPanel);
    for (int k = 0; k < 6; ++k) {
        ClothingLabels[static_cast<std::size_t>(k)] = new QLabel(FromCp1252(kClothingLabelTexts[k]), CloPanel);
        ClothingLabels[static_cast<std::size_t>(k)]->setObjectName(QStringLiteral("CloLabel%1").arg(k + 1));
    }
    for (int k = 0; k < 4; ++k) {
        auto* edit = new QLineEdit(QString::fromLatin1(kClothingDesignValues[k]), CloPanel);
        edit->setObjectName(QString::fromLatin1(kClothingEditNames[k]));
        Clothing[static_cast<std::size_t>(k)] = edit;
        auto* labels = new QVBoxLayout;
        labels->addWidget(ClothingLabels[static_cast<std::size_t>(k)]);
        if (*kClothingSubLabels[k]) {
            auto* second = new QLabel(FromCp1252(kClothingSubLabels[k]), CloPanel);
            second->setObjectName(QStringLiteral("CloNote%1").arg(k + 1));
            labels->addWidget(second);
        }
        clo->addLayout(labels, k, 0);
        clo->addWidget(edit, k, 1);
        clo->addWidget(new QLabel(k < 3 ? QStringLiteral("clo") : QStringLiteral("met"), CloPanel), k, 2);
        connect(edit, &QLineEdit::textEdited, this, [this] { modified_ = true; });
    }
    clo->addWidget(ClothingLabels[4], 4, 0, 1, 3);
    clo->addWidget(ClothingLabels[5], 5, 0, 1, 3);
    outer->addWidget(CloPanel);

    BtnPanel2 = new QFrame(this);
    BtnPanel2->setObjectName(QStringLiteral("BtnPanel2"));
    auto* bottom = new QHBoxLayout(BtnPanel2);
    ExtendedBtn = new QPushButton(FromCp1252(kLangTexts[kExtended]), BtnPanel2);
    ExtendedBtn->setObjectName(QStringLiteral("ExtendedBtn"));
    bottom->addWidget(ExtendedBtn);
    outer->addWidget(BtnPanel2);
    CloPanel->hide();

    Editor = new TBalken2(this);
    Editor->onStored = [this] {
        // The editor changed the record: the shown clothing values go with it.
        StoreShownClothing(PCTypes()[static_cast<std::size_t>(currentTypeIndex_)]);
        Save();
        ShowCurrent();
    };

    BuildMenus();
    connect(PCType, &QRadioButton::clicked, this, [this] { SwitchView(true); });
    connect(VamokType, &QRadioButton::clicked, this, [this] { SwitchView(false); });
    connect(Type_Name, &QComboBox::currentIndexChanged, this, [this] {
        if (!showing_)
            TypeNameChanged();
    });
    connect(TypeArray, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { EditRow(row); });
    connect(BitBtn3, &QPushButton::clicked, this, &TTypeDef::PrintClick);
    connect(Schliessen, &QPushButton::clicked, this, &QDialog::accept);
    connect(ExtendedBtn, &QPushButton::clicked, this, &TTypeDef::ExtendedBtnClick);
    connect(Aktualisieren, &QPushButton::clicked, this, [this] {
        Save();
        if (links_.upload)
            links_.upload();
    });
    SetViewEnabling();
}

TTypeDef::~TTypeDef() = default;

void TTypeDef::setLinks(TypeDefLinks links) { links_ = std::move(links); }

void TTypeDef::BuildMenus()
{
    QMenu* file = Menu->addMenu(QStringLiteral("Datei"));
    Neu1 = AddItem(file, "Neu1", "Neu...");
    Drucken1 = AddItem(file, "Drucken1", "Drucken");
    Druckereinrichten1 = AddItem(file, "Druckereinrichten1", "Drucker einrichten");
    Schliessen1 = AddItem(file, "Schliessen1", "Schlie\xDF" "en");
    QMenu* edit = Menu->addMenu(QStringLiteral("Bearbeiten"));
    Editieren1 = AddItem(edit, "Editieren1", "Arbeitsplatzdefinition editieren...");
    Vergleichen1 = AddItem(edit, "Vergleichen1", "PC-Typen mit VAMOK-Typen vergleichen");
    Ueberschreiben1 = AddItem(edit, "Ueberschreiben1", "PC-Typen mit VAMOK-Typen \xFC" "berschreiben");
    Kopieren1 = AddItem(edit, "Kopieren1", "Typ in Zwischenablage kopieren");
    Loeschen1 = AddItem(edit, "Loeschen1", "Arbeitsplatzdefinition l\xF6schen...");
    QMenu* extra = Menu->addMenu(QStringLiteral("Extra"));
    AlteDefinitionen1 = AddItem(extra, "AlteDefinitionen1", "Alte Definitionen suchen");
    Backup1 = AddItem(extra, "Backup1", "Backup-Definition verwenden");
    Importieren1 = AddItem(extra, "Importieren1", "Typdefinition importieren");
    Exportieren1 = AddItem(extra, "Exportieren1", "Typdefinition exportieren");
    Synchronisieren1 = AddItem(extra, "Synchronisieren1", "Neu Synchronisieren");
    Defaults1 = AddItem(extra, "Defaults1", "(VAM-) Defaults f\xFCr aktuellen PC-Typ eintragen");
    QMenu* help = Menu->addMenu(QStringLiteral("&Hilfe"));
    InhaltRix1 = AddItem(help, "InhaltRix1", "Inhalt (VAMOK rix)");
    InhaltAltarim1 = AddItem(help, "InhaltAltarim1", "Inhalt (VAMOK altarim)");
    Info1 = AddItem(help, "Info1", "In&fo...");

    connect(Neu1, &QAction::triggered, this, &TTypeDef::NeuClick);
    connect(Drucken1, &QAction::triggered, this, &TTypeDef::PrintClick);
    connect(Druckereinrichten1, &QAction::triggered, this, [this] {
        if (links_.printerSetup)
            links_.printerSetup();
    });
    connect(Schliessen1, &QAction::triggered, this, &QDialog::accept);
    connect(Editieren1, &QAction::triggered, this, &TTypeDef::EditClick);
    connect(Vergleichen1, &QAction::triggered, this, [this] { CompareTypes(true, messages_); });
    connect(Ueberschreiben1, &QAction::triggered, this, [this] {
        OverwritePCTypes(messages_);
        ReloadShown();
    });
    connect(Kopieren1, &QAction::triggered, this, &TTypeDef::CopyClick);
    connect(Loeschen1, &QAction::triggered, this, &TTypeDef::DeleteClick);
    connect(AlteDefinitionen1, &QAction::triggered, this, [this] {
        ImportFromProgramFolder(messages_, false);
        ReloadShown();
    });
    connect(Backup1, &QAction::triggered, this, [this] { ImportClick(2, AppDataFolder()); });
    connect(Importieren1, &QAction::triggered, this, [this] { ImportClick(0, ExportFolder() + kLibraryFileName); });
    connect(Exportieren1, &QAction::triggered, this, &TTypeDef::ExportClick);
    connect(Synchronisieren1, &QAction::triggered, this, [this] {
        if (links_.newSync)
            links_.newSync();
    });
    connect(Defaults1, &QAction::triggered, this, &TTypeDef::DefaultsClick);
    const ShowMessage show = MessageBoxesOver(this);
    connect(InhaltRix1, &QAction::triggered, this, [show] { OpenManual(true, false, show, OpenWithDefaultViewer); });
    connect(InhaltAltarim1, &QAction::triggered, this,
            [show] { OpenManual(false, false, show, OpenWithDefaultViewer); });
    connect(Info1, &QAction::triggered, this, [this] {
        if (links_.about)
            links_.about();
    });
}

std::string TTypeDef::LangText(int index) const
{
    if (index < 0 || index >= Lang->count())
        return {};
    return ToCp1252(Lang->item(index)->text());
}

void TTypeDef::FillNames(const std::vector<std::string>& names)
{
    showing_ = true;
    Type_Name->clear();
    std::vector<std::string> sorted = names;
    std::sort(sorted.begin(), sorted.end());
    for (const std::string& name : sorted)
        Type_Name->addItem(FromCp1252(name));
    showing_ = false;
}

void TTypeDef::ShowType(const TAPDef& type)
{
    showing_ = true;
    const QString name = FromCp1252(TAPDef::TypeName(type.Name));
    int at = Type_Name->findText(name);
    // The placeholder is never one of the names to choose.
    if (at < 0 && name != QLatin1String(kPlaceholderTypeName)) {
        Type_Name->addItem(name);
        at = Type_Name->count() - 1;
    }
    Type_Name->setCurrentIndex(at);
    for (int row = 1; row < kTypeRowCount; ++row)
        for (int column = 1; column <= kTypeColumnCount; ++column)
            TypeArray->item(row, column)->setText(FromCp1252(TypeValueText(type.at(column, row), row, App().DecimalSep)));
    for (int k = 0; k < 4; ++k)
        Clothing[static_cast<std::size_t>(k)]->setText(
            FromCp1252(TypeValueText(type.at(k + 1, TypeRow::Clothing), TypeRow::Clothing, App().DecimalSep)));
    showing_ = false;
    modified_ = false;
}

void TTypeDef::StoreShownType(TAPDef& type)
{
    const std::string name = TAPDef::TypeName(ToCp1252(Type_Name->currentText()));
    showing_ = true;
    Type_Name->setItemText(Type_Name->currentIndex(), FromCp1252(name));
    showing_ = false;
    if (name == "    ")
        return;
    type.Name = name;
    for (int row = 1; row < kTypeRowCount; ++row) {
        for (int column = 1; column <= kTypeColumnCount; ++column) {
            const std::string text = ToCp1252(TypeArray->item(row, column)->text());
            type.at(column, row) = TypeValueOfText(text, row);
        }
    }
    StoreShownClothing(type);
}

void TTypeDef::StoreShownClothing(TAPDef& type)
{
    for (int k = 0; k < 4; ++k)
        type.at(k + 1, TypeRow::Clothing) =
            TypeValueOfText(ToCp1252(Clothing[static_cast<std::size_t>(k)]->text()), TypeRow::Clothing);
    type.SetMarker();
}

void TTypeDef::SelectType(const std::string& name)
{
    currentTypeIndex_ = FirstTypeIndex();
    const int index = PCTypeIndex(name);
    ShowType(PCTypes()[static_cast<std::size_t>(index)]);
    if (index > 0)
        currentTypeIndex_ = index;
}

void TTypeDef::ShowCurrent()
{
    TAPListe& types = PCTypes();
    if (currentTypeIndex_ < 0 || currentTypeIndex_ >= static_cast<int>(types.size()))
        currentTypeIndex_ = FirstTypeIndex();
    if (types.empty())
        return;
    ShowType(types[static_cast<std::size_t>(currentTypeIndex_)]);
}

void TTypeDef::ReloadShown()
{
    std::vector<std::string> names;
    for (std::size_t i = 1; i < PCTypes().size(); ++i)
        names.push_back(PCTypes()[i].Name);
    if (pcView_) {
        FillNames(names);
        ShowCurrent();
    } else {
        savedPcNames_ = names;
    }
}

void TTypeDef::Activate()
{
    if (!pcView_)
        SwitchView(true);
    ReloadShown();
}

void TTypeDef::showEvent(QShowEvent* event)
{
    std::string title = LangText(kTitle);
    if (fromDefaults_)
        title += "   [" + LangText(kDefaultsMark) + "]";
    setWindowTitle(FromCp1252(title));
    if (links_.newSyncCaption)
        Synchronisieren1->setText(FromCp1252(links_.newSyncCaption()));
    Activate();
    QDialog::showEvent(event);
}

void TTypeDef::AskToStoreChanges()
{
    if (!modified_ || !pcView_)
        return;
    TAPListe& types = PCTypes();
    if (currentTypeIndex_ <= 0 || currentTypeIndex_ >= static_cast<int>(types.size()))
        return;
    TAPDef& type = types[static_cast<std::size_t>(currentTypeIndex_)];
    const std::string question = LangText(kChangedStart) + type.Name + "\"" + LangText(kChangedEnd) + "\r\n" +
                                 LangText(kSaveChanges);
    if (!AskOkCancel(this, question, LangText(kCaptionHint)))
        return;
    // Under the type's own name, whatever the list shows by now.
    const std::string name = type.Name;
    StoreShownType(type);
    type.Name = name;
    Save();
}

void TTypeDef::Save() { SaveLibrary(messages_); }

void TTypeDef::TypeNameChanged()
{
    AskToStoreChanges();
    const std::string name = ToCp1252(Type_Name->currentText());
    if (pcView_) {
        SelectType(name);
    } else if (DeviceTypes().empty()) {
        const TAPDef placeholder;
        ShowType(placeholder);
        showing_ = true;
        Type_Name->clear();
        showing_ = false;
    } else {
        const int index = std::max(0, FindType(DeviceTypes(), name));
        ShowType(DeviceTypes()[static_cast<std::size_t>(index)]);
    }
    modified_ = false;
}

void TTypeDef::SetViewEnabling()
{
    for (QAction* action : {Neu1, Editieren1, Loeschen1, Defaults1})
        action->setEnabled(pcView_);
    Aktualisieren->setEnabled(pcView_);
    BitBtn3->setEnabled(pcView_);
    for (QLineEdit* edit : Clothing)
        edit->setReadOnly(!pcView_);
}

void TTypeDef::SwitchView(bool pcView)
{
    if (pcView == pcView_)
        return;
    AskToStoreChanges();
    pcView_ = pcView;
    const QSignalBlocker quietPc(PCType);
    const QSignalBlocker quietDevice(VamokType);
    PCType->setChecked(pcView);
    VamokType->setChecked(!pcView);
    if (pcView) {
        TypeArray->setToolTip(FromCp1252(LangText(kHintPc)));
        FillNames(savedPcNames_);
    } else {
        TypeArray->setToolTip(FromCp1252(LangText(kHintDevice)));
        savedPcNames_.clear();
        for (int i = 0; i < Type_Name->count(); ++i)
            savedPcNames_.push_back(ToCp1252(Type_Name->itemText(i)));
        std::vector<std::string> names;
        for (const TAPDef& type : DeviceTypes())
            names.push_back(type.Name);
        FillNames(names);
    }
    showing_ = true;
    Type_Name->setCurrentIndex(Type_Name->count() > 0 ? 0 : -1);
    showing_ = false;
    modified_ = false;
    TypeNameChanged();
    SetViewEnabling();
}

void TTypeDef::NeuClick()
{
    if (!pcView_ || !links_.askNewName)
        return;
    const std::optional<std::string> name = links_.askNewName();
    if (!name)
        return;
    TAPListe& types = PCTypes();
    TAPDef record = types.empty() ? TAPDef{} : types[static_cast<std::size_t>(currentTypeIndex_)];
    // The values shown, which may not be stored yet, are the new type's.
    StoreShownType(record);
    record.SetName(*name);
    const AddTypeResult added = AddType(record, false);
    if (added.alreadyPresent) {
        ShowMessageBox(this, TypeExistsNotice(record.Name), LangText(kCaptionHint));
    } else {
        Save();
    }
    ReloadShown();
    SelectType(record.Name);
}

void TTypeDef::DeleteClick()
{
    if (!pcView_)
        return;
    ShowCurrent();
    QApplication::processEvents();
    if (currentTypeIndex_ <= 0)
        return;
    const std::string name = PCTypes()[static_cast<std::size_t>(currentTypeIndex_)].Name;
    switch (DeleteRefusalOf(name, App().UsedAPT)) {
    case DeleteRefusal::InUse:
        ShowMessageBox(this, LangText(kInUseStart) + name + "\"" + LangText(kInUseMiddle) + LangText(kInUseEnd),
                       LangText(kCaptionError));
        return;
    case DeleteRefusal::Predefined:
        ShowMessageBox(this, LangText(kPredefinedStart) + LangText(kPredefinedEnd), LangText(kCaptionError));
        return;
    case DeleteRefusal::None:
        break;
    }
    if (!AskYesNo(this, LangText(kDeleteStart) + name + "\"" + LangText(kDeleteEnd), LangText(kCaptionQuestion)))
        return;
    RemovePCType(name);
    if (links_.typeRemoved)
        links_.typeRemoved(name);
    currentTypeIndex_ = FirstTypeIndex();
    ReloadShown();
}

std::array<std::string, kTypeRowCount> TTypeDef::GridLabels() const
{
    std::array<std::string, kTypeRowCount> labels;
    for (int row = 1; row < kTypeRowCount; ++row)
        labels[static_cast<std::size_t>(row - 1)] = ToCp1252(TypeArray->item(row, 0)->text());
    labels[kTypeRowCount - 1] = TypeRowLabel(TypeRow::Clothing);
    return labels;
}

void TTypeDef::CopyClick()
{
    TAPListe& types = PCTypes();
    if (currentTypeIndex_ < 0 || currentTypeIndex_ >= static_cast<int>(types.size()))
        return;
    const std::string text =
        TypeCopyText(types[static_cast<std::size_t>(currentTypeIndex_)], GridLabels(), App().DecimalSep);
    QApplication::clipboard()->setText(FromCp1252(text));
}

void TTypeDef::EditRow(int row)
{
    if (!pcView_ || row < 1 || row >= kTypeRowCount || currentTypeIndex_ <= 0 ||
        currentTypeIndex_ >= static_cast<int>(PCTypes().size()))
        return;
    Editor->Prepare(PCTypes()[static_cast<std::size_t>(currentTypeIndex_)], row, extended_);
    Editor->exec();
    ShowCurrent();
}

void TTypeDef::EditClick()
{
    int row = TypeArray->currentRow();
    if (row < 1) {
        row = 1;
        TypeArray->selectRow(row);
    }
    EditRow(row);
}

void TTypeDef::PrintClick()
{
    if (!links_.print || currentTypeIndex_ < 0 || currentTypeIndex_ >= static_cast<int>(PCTypes().size()))
        return;
    TypePrintRequest request;
    request.type = PCTypes()[static_cast<std::size_t>(currentTypeIndex_)];
    request.shownName = ToCp1252(Type_Name->currentText());
    const QList<QTableWidgetSelectionRange> ranges = TypeArray->selectedRanges();
    if (!ranges.isEmpty()) {
        request.firstRow = std::max(1, ranges.front().topRow());
        request.lastRow = std::max(request.firstRow, ranges.back().bottomRow());
    }
    request.rowLabels = GridLabels();
    for (std::size_t k = 0; k < 6; ++k)
        request.clothingLabels[k] = ToCp1252(ClothingLabels[k]->text());
    links_.print(request);
}

void TTypeDef::ImportClick(int filterIndex, const std::string& start)
{
    std::string path;
    if (links_.openFileName) {
        path = links_.openFileName(kTypeImportFilter, filterIndex, start);
    } else {
        const QStringList filters = QtFilter(kTypeImportFilter).split(";;");
        QString selected = filters.value(filterIndex);
        path = ToCp1252(QFileDialog::getOpenFileName(this, {}, FromCp1252(start), filters.join(";;"), &selected));
    }
    if (path.empty())
        return;
    ImportTypeFile(path, messages_);
    currentTypeIndex_ = FirstTypeIndex();
    ReloadShown();
}

void TTypeDef::ExportClick()
{
    const std::string start = ExportFolder() + kLibraryFileName;
    std::string path = links_.saveFileName
                           ? links_.saveFileName(kTypeExportFilter, start)
                           : ToCp1252(QFileDialog::getSaveFileName(this, {}, FromCp1252(start),
                                                                   QtFilter(kTypeExportFilter)));
    if (path.empty())
        return;
    if (path.find('.', path.find_last_of("/\\") == std::string::npos ? 0 : path.find_last_of("/\\")) ==
        std::string::npos)
        path += ".apt";
    SaveTypeFile(path, messages_);
}

void TTypeDef::DefaultsClick()
{
    if (!pcView_ || currentTypeIndex_ <= 0 || currentTypeIndex_ >= static_cast<int>(PCTypes().size()))
        return;
    ApplyDefaults(PCTypes()[static_cast<std::size_t>(currentTypeIndex_)]);
    Save();
    ShowCurrent();
}

void TTypeDef::ExtendedBtnClick()
{
    extended_ = !extended_;
    CloPanel->setVisible(extended_);
    ExtendedBtn->setText(FromCp1252(LangText(extended_ ? kReduced : kExtended)));
}

void TTypeDef::done(int result)
{
    if (!Schliessen->isEnabled())
        return;
    AskToStoreChanges();
    Save();
    if (!pcView_)
        SwitchView(true);
    QDialog::done(result);
}

} // namespace vamok
