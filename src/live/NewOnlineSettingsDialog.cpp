#include "live/NewOnlineSettingsDialog.h"

#include "core/Cp1252.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace vamok {

namespace {

QLabel* NewLabel(QWidget* parent, const char* name, const char* text, const QRect& place)
{
    auto* label = new QLabel(FromCp1252(text), parent);
    label->setObjectName(name);
    label->setGeometry(place);
    return label;
}

QSpinBox* NewSpeed(QWidget* parent, const char* name, int top)
{
    auto* speed = new QSpinBox(parent);
    speed->setObjectName(name);
    speed->setRange(kMinTickSpeed, kMaxTickSpeed);
    speed->setGeometry(230, top, 60, 22);
    return speed;
}

} // namespace

TwNewOnlineSettings::TwNewOnlineSettings(QWidget* parent) : QDialog(parent)
{
    setObjectName("TwNewOnlineSettings");
    setWindowTitle("NewOnline");
    setModal(true);

    LabelOben = NewLabel(this, "LabelOben", "Lauftext oben:", QRect(12, 12, 300, 18));
    LauftextObenEdit = new QLineEdit(this);
    LauftextObenEdit->setObjectName("LauftextObenEdit");
    LauftextObenEdit->setGeometry(12, 32, 560, 22);
    SpeedLabelOben = NewLabel(this, "SpeedLabelOben", "Geschwindigkeit (default: 15):", QRect(12, 62, 210, 22));
    TickSpeedOben = NewSpeed(this, "TickSpeedOben", 62);
    MsLabelOben = NewLabel(this, "MsLabelOben", "ms", QRect(296, 62, 30, 22));

    LabelUnten = NewLabel(this, "LabelUnten", "Lauftext unten:", QRect(12, 100, 300, 18));
    LauftextUntenEdit = new QLineEdit(this);
    LauftextUntenEdit->setObjectName("LauftextUntenEdit");
    LauftextUntenEdit->setGeometry(12, 120, 560, 22);
    SpeedLabelUnten = NewLabel(this, "SpeedLabelUnten", "Geschwindigkeit (default: 15):", QRect(12, 150, 210, 22));
    TickSpeedUnten = NewSpeed(this, "TickSpeedUnten", 150);
    MsLabelUnten = NewLabel(this, "MsLabelUnten", "ms", QRect(296, 150, 30, 22));

    SpeichernBtn = new QPushButton("Speichern", this);
    SpeichernBtn->setObjectName("SpeichernBtn");
    SpeichernBtn->setGeometry(372, 190, 96, 25);
    SpeichernBtn->setDefault(true);
    AbbruchBtn = new QPushButton("Abbrechen", this);
    AbbruchBtn->setObjectName("AbbruchBtn");
    AbbruchBtn->setGeometry(476, 190, 96, 25);
    setFixedSize(584, 227);

    connect(SpeichernBtn, &QPushButton::clicked, this, &TwNewOnlineSettings::SpeichernBtnClick);
    connect(AbbruchBtn, &QPushButton::clicked, this, &TwNewOnlineSettings::AbbruchBtnClick);
    loadFields();
}

TickerSettings TwNewOnlineSettings::fields() const
{
    return {ToCp1252(LauftextObenEdit->text()), ToCp1252(LauftextUntenEdit->text()), TickSpeedOben->value(),
            TickSpeedUnten->value()};
}

void TwNewOnlineSettings::loadFields()
{
    const TickerSettings s = LoadTickerSettings();
    LauftextObenEdit->setText(FromCp1252(s.upperText));
    LauftextUntenEdit->setText(FromCp1252(s.lowerText));
    TickSpeedOben->setValue(s.upperSpeedMs);
    TickSpeedUnten->setValue(s.lowerSpeedMs);
}

void TwNewOnlineSettings::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    loadFields();
}

void TwNewOnlineSettings::SpeichernBtnClick()
{
    StoreTickerSettings(fields());
    accept();
}

void TwNewOnlineSettings::AbbruchBtnClick()
{
    loadFields();
    reject();
}

} // namespace vamok
