#include "app/AboutDialog.h"

#include "app/AboutText.h"
#include "core/Cp1252.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace vamok {

namespace {

QLabel* AddLabel(QWidget* parent, QVBoxLayout* layout, const char* name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    layout->addWidget(label);
    return label;
}

} // namespace

TInfo::TInfo(QWidget* parent) : QDialog(parent)
{
    setObjectName("TInfo");
    setWindowTitle("Info");
    setFixedSize(193, 244);

    auto* layout = new QVBoxLayout(this);
    auto* upper = new QFrame(this);
    upper->setObjectName("Panel1");
    upper->setFrameShape(QFrame::StyledPanel);
    auto* upperLayout = new QVBoxLayout(upper);
    Label1 = AddLabel(upper, upperLayout, "Label1", "Vamok Version 1.00");
    AddLabel(upper, upperLayout, "Label2", QString::fromUtf8("\u00A9 QAL"));
    layout->addWidget(upper);

    auto* lower = new QFrame(this);
    lower->setObjectName("Panel2");
    lower->setFrameShape(QFrame::StyledPanel);
    auto* lowerLayout = new QVBoxLayout(lower);
    lowerLayout->setSpacing(0);
    AddLabel(lower, lowerLayout, "Label3", "QAL");
    for (const char* name : {"Label4", "Label5", "Label6", "Label7", "Label8", "Label9"}) {
        AddLabel(lower, lowerLayout, name, QString());
    }
    layout->addWidget(lower, 1);

    BitBtn1 = new QPushButton(FromCp1252("Schlie\xDF" "en"), this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    layout->addWidget(BitBtn1, 0, Qt::AlignHCenter);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
}

void TInfo::setSuffixes(const std::string& first, const std::string& second)
{
    firstSuffix_ = first;
    secondSuffix_ = second;
}

void TInfo::showEvent(QShowEvent* event)
{
    Label1->setText(FromCp1252(AboutVersionLine(firstSuffix_, secondSuffix_)));
    QDialog::showEvent(event);
}

} // namespace vamok
