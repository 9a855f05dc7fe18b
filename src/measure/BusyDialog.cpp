#include "measure/BusyDialog.h"

#include "core/Cp1252.h"
#include "measure/BusyState.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace vamok {

TBusy::TBusy(BusyState& state, QWidget* parent) : QDialog(parent), state_(state)
{
    setObjectName(QStringLiteral("Busy"));
    setWindowFlags(Qt::Window | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    BusyBar = new QSlider(Qt::Horizontal, this);
    BusyBar->setObjectName(QStringLiteral("BusyBar"));
    BusyBar->setEnabled(false);
    ShowNum = new QLabel(this);
    ShowNum->setObjectName(QStringLiteral("ShowNum"));
    ShowNum->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    ShowNum->setAlignment(Qt::AlignCenter);
    BitBtn1 = new QPushButton(QStringLiteral("Abbrechen"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    Lang = new QListWidget(this);
    Lang->setObjectName(QStringLiteral("Lang"));
    Lang->addItem(QStringLiteral("\u00DCbertrage Daten..."));
    Lang->hide();
    auto* row = new QHBoxLayout;
    row->addWidget(ShowNum, 1);
    row->addWidget(BitBtn1);
    layout->addWidget(BusyBar);
    layout->addLayout(row);

    connect(BitBtn1, &QPushButton::clicked, this, [this] { state_.RequestCancel(); });
    connect(&state_, &BusyState::Changed, this, &TBusy::Mirror);
    Mirror();
}

std::string TBusy::TransferText() const { return ToCp1252(Lang->item(0)->text()); }

void TBusy::Mirror()
{
    setWindowTitle(FromCp1252(state_.Caption()));
    BusyBar->setRange(state_.Minimum(), state_.Maximum());
    BusyBar->setValue(state_.Position());
    ShowNum->setText(FromCp1252(state_.Number()));
    if (state_.Visible() != isVisible())
        setVisible(state_.Visible());
}

// Esc is "Abbrechen".
void TBusy::reject() { state_.RequestCancel(); }

void TBusy::closeEvent(QCloseEvent* event)
{
    state_.Close();
    QDialog::closeEvent(event);
}

} // namespace vamok
