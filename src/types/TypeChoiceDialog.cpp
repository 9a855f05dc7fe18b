#include "types/TypeChoiceDialog.h"

#include "core/Cp1252.h"
#include "types/TAPDef.h"
#include "types/TypeChoice.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace vamok {

namespace {

constexpr int kRowsLine = 2; // the third line of `Hinweis`

QListWidget* NoteList(const char* name, std::initializer_list<const char*> lines, QWidget* parent)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    for (const char* line : lines)
        list->addItem(FromCp1252(line));
    list->setFocusPolicy(Qt::NoFocus);
    list->hide();
    return list;
}

} // namespace

TAPTWahl::TAPTWahl(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("APTWahl"));
    setWindowTitle(QStringLiteral("Arbeitsplatzdefinitionen"));
    setModal(true);
    auto* grid = new QGridLayout(this);
    Label1 = new QLabel(QStringLiteral("Verwendete Arbeitsplatzdefinitionen:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    grid->addWidget(Label1, 0, 0, 1, 3);
    ToSend = new QListWidget(this);
    ToSend->setObjectName(QStringLiteral("ToSend"));
    grid->addWidget(ToSend, 1, 0, 1, 2);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameShape(QFrame::StyledPanel);
    auto* notes = new QVBoxLayout(Panel1);
    Hinweis = NoteList("Hinweis", {"Arbeitsplatzdefinition", "wird von Messreihe(n)", "", "verwendet und kann",
                                   "daher nicht", "entfernt werden."}, Panel1);
    Hinweis2 = NoteList("Hinweis2", {"Arbeitsplatzdefinition", "\"VAM\" kann nicht", "entfernt werden."}, Panel1);
    notes->addWidget(Hinweis);
    notes->addWidget(Hinweis2);
    Panel1->hide();
    grid->addWidget(Panel1, 1, 2);

    Loeschen = new QPushButton(QStringLiteral("Entfernen"), this);
    Loeschen->setObjectName(QStringLiteral("Loeschen"));
    Loeschen->setEnabled(false);
    Ok = new QPushButton(QStringLiteral("Ok"), this);
    Ok->setObjectName(QStringLiteral("Ok"));
    Ok->setDefault(true);
    Abbruch = new QPushButton(QStringLiteral("Abbruch"), this);
    Abbruch->setObjectName(QStringLiteral("Abbruch"));
    grid->addWidget(Loeschen, 2, 0);
    grid->addWidget(Ok, 2, 1);
    grid->addWidget(Abbruch, 2, 2);

    connect(ToSend, &QListWidget::currentRowChanged, this, [this] { ToSendClick(); });
    connect(Loeschen, &QPushButton::clicked, this, &TAPTWahl::LoeschenClick);
    connect(Ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(Abbruch, &QPushButton::clicked, this, &QDialog::reject);
}

void TAPTWahl::Fill(const std::vector<std::string>& usedTypes, const std::vector<std::string>& rowTypes)
{
    rowTypes_ = rowTypes;
    Hinweis->hide();
    Hinweis2->hide();
    Panel1->hide();
    Loeschen->setEnabled(false);
    ToSend->clear();
    for (const std::string& name : TypesToSend(usedTypes, rowTypes))
        ToSend->addItem(FromCp1252(name));
}

void TAPTWahl::ToSendClick()
{
    const QListWidgetItem* item = ToSend->currentItem();
    if (!item)
        return;
    const TypeUse use = TypeUseOf(ToCp1252(item->text()), rowTypes_);
    Hinweis->setVisible(!use.predefined);
    Hinweis2->setVisible(use.predefined);
    if (!use.predefined)
        Hinweis->item(kRowsLine)->setText(FromCp1252(use.rows));
    Panel1->setVisible(!use.Removable());
    Loeschen->setEnabled(use.Removable());
}

void TAPTWahl::LoeschenClick()
{
    delete ToSend->takeItem(ToSend->currentRow());
}

std::vector<std::string> TAPTWahl::Entries() const
{
    std::vector<std::string> entries;
    for (int i = 0; i < ToSend->count(); ++i)
        entries.push_back(ToCp1252(ToSend->item(i)->text()));
    return entries;
}

bool TAPTWahl::Execute(std::vector<std::string>& usedTypes, const std::vector<std::string>& rowTypes)
{
    Fill(usedTypes, rowTypes);
    if (exec() != QDialog::Accepted)
        return false;
    usedTypes = Entries();
    return true;
}

} // namespace vamok
