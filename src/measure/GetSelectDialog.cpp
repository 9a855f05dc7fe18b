#include "measure/GetSelectDialog.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

namespace vamok {

namespace {
QSpinBox* MakeSpin(QWidget* parent, const char* name, int preset)
{
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(QString::fromLatin1(name));
    spin->setRange(RangeSelection::kFirst, RangeSelection::kLast);
    spin->setValue(preset);
    return spin;
}
} // namespace

TGetSelect::TGetSelect(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("GetSelect"));
    setWindowTitle(QStringLiteral("Auswahl"));
    setModal(true);
    Label1 = new QLabel(QStringLiteral("Lade von: "), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(QStringLiteral("bis"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    LoadFrom = MakeSpin(this, "LoadFrom", RangeSelection::kFirst);
    LoadTo = MakeSpin(this, "LoadTo", RangeSelection::kLast);
    OkButton = new QPushButton(QStringLiteral("Ok"), this);
    OkButton->setObjectName(QStringLiteral("OkButton"));
    OkButton->setDefault(true);
    CancelButton = new QPushButton(QStringLiteral("Abbrechen"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    Lang = new QListWidget(this);
    Lang->setObjectName(QStringLiteral("Lang"));
    Lang->addItems({QStringLiteral("lesen von"), QStringLiteral("Schreiben von")});
    Lang->hide();

    auto* grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(LoadFrom, 0, 1);
    grid->addWidget(Label2, 0, 2);
    grid->addWidget(LoadTo, 0, 3);
    grid->addWidget(OkButton, 1, 1);
    grid->addWidget(CancelButton, 1, 3);
    setFixedSize(sizeHint());

    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    LoadFrom->installEventFilter(this);
    LoadTo->installEventFilter(this);
}

bool TGetSelect::eventFilter(QObject* watched, QEvent* event)
{
    // Enter in either spin edit confirms.
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

RangeSelection TGetSelect::Selection() const
{
    return {RangeSelection::Clamped(LoadFrom->value()), RangeSelection::Clamped(LoadTo->value())};
}

std::optional<RangeSelection> TGetSelect::Ask(Purpose purpose)
{
    Label1->setText(Lang->item(purpose == Purpose::Read ? 0 : 1)->text());
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return Selection();
}

} // namespace vamok
