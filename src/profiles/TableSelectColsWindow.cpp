#include "profiles/TableSelectColsWindow.h"

#include "core/AppState.h"
#include "core/Cp1252.h"
#include "core/Folders.h"
#include "core/MessageDialog.h"
#include "profiles/ColumnDefinition.h"

#include <QApplication>
#include <QCheckBox>
#include <QDate>
#include <QFileDialog>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

namespace vamok {
namespace {

constexpr std::array<const char*, 32> kCaptions{
    "Nr", "Name", "Typ", "Profil", "Temp", "rel. Feuchte", "L\xE4rm", "L\xE4rm/min",
    "Beleuchtung", "Frequenz", "max Bildsch.H.", "SW-Kontrast", "MU-Kontrast", "Luftgeschw.akt.",
    "Luftg.(3min)I", "Luftg.(3min)II", "Luftg.(3min)III", "CO2", "VOC", "CO", "(MS-) Globe-Temp",
    "PMV1(Sommer)", "PMV2(Mittel)", "PMV3(Winter)", "L\xE4rm User", "CPeak", "CPeak User", "PM 1",
    "PM 2,5", "PM 10", "TIR", "MessZeit"};

constexpr int kFirstRowTop = 36;
constexpr int kRowHeight = 19;
constexpr int kShowLeft = 12;
constexpr int kMoveLeft = 170;
constexpr int kButtonLeft = 230;

std::size_t Slot(int index) { return static_cast<std::size_t>(index - 1); }

QPushButton* NewButton(QWidget* parent, const char* name, const char* text, int top)
{
    auto* button = new QPushButton(FromCp1252(text), parent);
    button->setObjectName(name);
    button->setGeometry(kButtonLeft, top, 150, 25);
    return button;
}

std::string DefinitionFilter(const std::string& title)
{
    return title + " (*.VBD)";
}

} // namespace

TwTableSelectCols::TwTableSelectCols(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowMinMaxButtonsHint)
{
    setObjectName("TwTableSelectCols");
    setWindowTitle(FromCp1252("Spalten-Auswahl"));
    setModal(true);

    Label1 = new QLabel(FromCp1252("Spalten-Auswahl"), this);
    Label1->setObjectName("Label1");
    Label1->setGeometry(kShowLeft, 10, 150, 20);
    Label2 = new QLabel(FromCp1252("Verschieben:"), this);
    Label2->setObjectName("Label2");
    Label2->setGeometry(kMoveLeft - 20, 10, 80, 20);

    for (int i = 1; i <= 32; ++i) {
        auto* show = new QCheckBox(FromCp1252(kCaptions[Slot(i)]), this);
        show->setObjectName(QString::fromStdString(ShowBoxName(i)));
        auto* move = new QCheckBox(this);
        move->setObjectName(QString::fromStdString(MoveBoxName(i)));
        ShowBoxes[Slot(i)] = show;
        MoveBoxes[Slot(i)] = move;
        // The design places the boxes in index order: row p's top.
        rowTop_[Slot(i)] = kFirstRowTop + (i - 1) * kRowHeight;
        show->setGeometry(kShowLeft, rowTop_[Slot(i)], 150, kRowHeight);
        move->setGeometry(kMoveLeft, rowTop_[Slot(i)], 20, kRowHeight);
    }
    const auto disable = [this](ColumnKind kind) {
        ShowBoxes[static_cast<std::size_t>(kind)]->setEnabled(false);
    };
    disable(ColumnKind::No);
    disable(ColumnKind::Type);
    disable(ColumnKind::Profile);
    MoveBoxes[static_cast<std::size_t>(ColumnKind::No)]->setEnabled(false);

    int top = kFirstRowTop;
    for (int n = 1; n <= 4; ++n) {
        auto* radio = new QRadioButton(QString("Definition%1").arg(n), this);
        radio->setObjectName(QString("Definition%1").arg(n));
        radio->setGeometry(kButtonLeft, top, 150, 22);
        radio->setVisible(n <= 2 || App().DeveloperMode);
        Definitions[static_cast<std::size_t>(n - 1)] = radio;
        connect(radio, &QRadioButton::clicked, this, [this] { LoadColumnDefinition(true); });
        top += 24;
    }
    Definitions[0]->setChecked(true);
    top += 12;
    SelectAll = NewButton(this, "SelectAll", "Alle ausw\xE4hlen", top);
    SelectNone = NewButton(this, "SelectNone", "Alle entfernen", top += 30);
    Defaults = NewButton(this, "Defaults", "Defaults", top += 30);
    MoveUp = NewButton(this, "MoveUp", "MoveUp", top += 42);
    MoveDown = NewButton(this, "MoveDown", "MoveDown", top += 30);
    ReadnSaveAll = NewButton(this, "ReadnSaveAll", "Export von Software", top += 42);
    LoadnWriteAll = NewButton(this, "LoadnWriteAll", "Import zu Software", top += 30);
    ReadnSaveAll->hide();
    LoadnWriteAll->hide();
    const int bottom = rowTop_[31] + kRowHeight;
    OKBtn = NewButton(this, "OKBtn", "OK", bottom - 90);
    Ubernehmen = NewButton(this, "Ubernehmen", "\xDC" "bernehmen", bottom - 60);
    CancelBtn = NewButton(this, "CancelBtn", "Abbrechen", bottom - 30);

    Lang = new QListWidget(this);
    Lang->setObjectName("Lang");
    Lang->addItem(FromCp1252("VAMOK-Tabellen-Benutzerdefinitionen"));
    Lang->hide();

    setFixedSize(kButtonLeft + 170, bottom + 12);

    connect(SelectAll, &QPushButton::clicked, this, [this] {
        takeShownFlags();
        ShowAllColumns(columns_);
        showColumns(columns_);
    });
    connect(SelectNone, &QPushButton::clicked, this, [this] {
        takeShownFlags();
        HideAllColumns(columns_);
        showColumns(columns_);
    });
    connect(Defaults, &QPushButton::clicked, this, [this] { showColumns(DefaultColumnDefinition()); });
    connect(MoveUp, &QPushButton::clicked, this, [this] { MoveClick(true); });
    connect(MoveDown, &QPushButton::clicked, this, [this] { MoveClick(false); });
    connect(ReadnSaveAll, &QPushButton::clicked, this, &TwTableSelectCols::ReadnSaveAllClick);
    connect(LoadnWriteAll, &QPushButton::clicked, this, &TwTableSelectCols::LoadnWriteAllClick);
    connect(Ubernehmen, &QPushButton::clicked, this, &TwTableSelectCols::SaveColumnDefinition);
    connect(OKBtn, &QPushButton::clicked, this, [this] {
        SaveColumnDefinition();
        accept();
    });
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    auto* reveal = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::ALT | Qt::Key_D), this);
    connect(reveal, &QShortcut::activated, this, [this] {
        const bool show = ReadnSaveAll->isHidden();
        ReadnSaveAll->setVisible(show);
        LoadnWriteAll->setVisible(show);
    });

    LoadColumnDefinition(false);
}

void TwTableSelectCols::showEvent(QShowEvent* event)
{
    for (int n = 3; n <= 4; ++n)
        Definitions[static_cast<std::size_t>(n - 1)]->setVisible(App().DeveloperMode);
    LoadColumnDefinition(false);
    QDialog::showEvent(event);
}

void TwTableSelectCols::selectDefinition(int definition)
{
    if (definition >= 1 && definition <= 4)
        Definitions[static_cast<std::size_t>(definition - 1)]->setChecked(true);
}

int TwTableSelectCols::selectedDefinition() const
{
    for (int n = 1; n <= 4; ++n)
        if (Definitions[static_cast<std::size_t>(n - 1)]->isChecked())
            return n;
    return 1;
}

void TwTableSelectCols::LoadColumnDefinition(bool keepSelection)
{
    if (!keepSelection)
        selectDefinition(InitialDefinitionNumber(App().DeveloperMode));
    showColumns(vamok::LoadColumnDefinition(selectedDefinition()).definition);
}

void TwTableSelectCols::SaveColumnDefinition()
{
    takeShownFlags();
    columns_.shown[static_cast<std::size_t>(ColumnKind::No)] = true;
    vamok::StoreColumnDefinition(selectedDefinition(), columns_);
    showColumns(columns_);
    if (applied_)
        applied_(selectedDefinition());
}

void TwTableSelectCols::MoveClick(bool up)
{
    MoveMarks ticked{};
    bool any = false;
    for (int i = 1; i <= 32; ++i) {
        ticked[Slot(i)] = MoveBoxes[Slot(i)]->isChecked();
        any = any || ticked[Slot(i)];
    }
    if (!any) {
        ShowMessageBox(this,
                       message_(MsgMoveCheckBox1) + "\r\n" + message_(MsgMoveCheckBox2) + "\r\n\"" +
                           ToCp1252(Label2->text()) + "\" " + message_(MsgMoveCheckBox3),
                       message_(MsgAttention));
        return;
    }
    takeShownFlags();
    if (up)
        MoveColumnsUp(columns_, ticked);
    else
        MoveColumnsDown(columns_, ticked);
    layOutRows();
}

void TwTableSelectCols::ReadnSaveAllClick()
{
    const std::string title = langText(0);
    const QString proposed = FromCp1252(UserFolder()) + "Tabellen-Benutzerdefinitionen_" +
                             QDate::currentDate().toString("yyyyMMdd") + ".VBD";
    const QString chosen = QFileDialog::getSaveFileName(this, FromCp1252(title), proposed,
                                                        FromCp1252(DefinitionFilter(title)));
    if (chosen.isEmpty())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const DefinitionFileResult result = ExportColumnDefinition(selectedDefinition(), ToCp1252(chosen));
    QApplication::restoreOverrideCursor();
    if (!result.message.empty())
        ShowMessageBox(this, result.message, message_(MsgAttention));
}

void TwTableSelectCols::LoadnWriteAllClick()
{
    const std::string title = langText(0);
    const QString chosen = QFileDialog::getOpenFileName(this, FromCp1252(title), FromCp1252(UserFolder()),
                                                        FromCp1252(DefinitionFilter(title)));
    if (chosen.isEmpty())
        return;
    const DefinitionFileResult result = ImportColumnDefinition(ToCp1252(chosen));
    if (result.definition)
        showColumns(*result.definition);
    if (!result.message.empty())
        ShowMessageBox(this, result.message, message_(MsgAttention));
}

void TwTableSelectCols::takeShownFlags()
{
    for (int i = 1; i <= 32; ++i)
        columns_.shown[Slot(i)] = ShowBoxes[Slot(i)]->isChecked();
}

void TwTableSelectCols::showColumns(const ColumnDefinition& columns)
{
    columns_ = columns;
    columns_.shown[static_cast<std::size_t>(ColumnKind::No)] = true;
    for (int i = 1; i <= 32; ++i)
        ShowBoxes[Slot(i)]->setChecked(columns_.shown[Slot(i)]);
    layOutRows();
}

void TwTableSelectCols::layOutRows()
{
    for (int i = 1; i <= 32; ++i) {
        const int position = columns_.position[Slot(i)];
        ShowBoxes[Slot(i)]->setProperty("Tag", position);
        MoveBoxes[Slot(i)]->setProperty("Tag", position);
        if (position < 1 || position > 32)
            continue;
        const int top = rowTop_[Slot(position)];
        ShowBoxes[Slot(i)]->move(kShowLeft, top);
        MoveBoxes[Slot(i)]->move(kMoveLeft, top);
    }
}

std::string TwTableSelectCols::langText(int index) const
{
    const QListWidgetItem* item = Lang->item(index);
    return item ? ToCp1252(item->text()) : std::string();
}

} // namespace vamok
