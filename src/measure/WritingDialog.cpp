#include "measure/WritingDialog.h"

#include "core/Cp1252.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vamok {

TWriting::TWriting(std::function<void()> abortTransfer, QWidget* parent)
    : QDialog(parent), abort_(std::move(abortTransfer))
{
    setObjectName(QStringLiteral("Writing"));
    setWindowTitle(QStringLiteral("Upload"));
    setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(QStringLiteral("\u00DCbertrage Arbeitsplatztypen"), this);
    label->setObjectName(QStringLiteral("Label1"));
    LengthLabel = new QLabel(this);
    LengthLabel->setObjectName(QStringLiteral("LengthLabel"));
    CancelBtn = new QPushButton(QStringLiteral("alle \u00DCbertragungen abbrechen"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    layout->addWidget(label);
    layout->addWidget(LengthLabel);
    layout->addWidget(CancelBtn);
    // Closing by any means gives the result cancel; only the button stops
    // the transfers.
    connect(CancelBtn, &QPushButton::clicked, this, [this] {
        if (abort_)
            abort_();
        reject();
    });
}

void TWriting::ShowTypeName(const std::string& name) { LengthLabel->setText(FromCp1252(name)); }

} // namespace vamok
